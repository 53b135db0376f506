#pragma once

class QWidget;
struct RegisterImage;

// Creates the fields, the charge bar and the lamps of the main page inside page.
void BuildMainPage(QWidget* page);

// Rewrites the main page from the status block of image. The password button is the main window's;
// it is found by its objectName in page's window and skipped when the page stands alone.
void FillMainPage(const RegisterImage& image, QWidget* page);
