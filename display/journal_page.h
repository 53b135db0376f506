#pragma once

class QWidget;
struct RegisterImage;

// The journal page: StringGrid_LOG_ with 768 empty rows under its header, and its buttons.
void BuildJournalPage(QWidget* page);

// Shows the journal ring newest first; with no empty slot the table keeps its contents.
void FillJournal(const RegisterImage& image, QWidget* root);
