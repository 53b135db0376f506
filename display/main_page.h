#pragma once

class QAbstractButton;
class QWidget;
struct RegisterImage;

// Creates the fields, the charge bar and the lamps of the main page inside page.
void BuildMainPage(QWidget* page);

// Rewrites the main page from the status block of image, values shown as known. The password
// button is the main window's; it is found by its objectName in page's window and skipped when
// the page stands alone.
void FillMainPage(const RegisterImage& image, QWidget* page);

// Greys the lamps and the values until the next fill: what they show is not known to hold (no
// cycle of this start shown yet, or the controller has not answered for a while).
void ShowMainPageUnknown(QWidget* page);

// Shows the controller's login state on the password toggle: pressed with "Выйти" when logged
// in, released with "Войти" otherwise. The main page fill and the password commands share it.
void ShowLoginState(QAbstractButton* toggle, bool loggedIn);
