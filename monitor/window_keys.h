#pragma once

class TForm1;
class QWidget;

// The keyboard of the main window: F5 starts and stops polling, Ctrl+T shows the traffic
// monitor, Ctrl+S saves the journal to a file, Ctrl+1 to Ctrl+7 show the pages; every menu, button
// and check box caption of the window and its dialogs gets a mnemonic. Runs once, when every page
// has been built.
void SetUpKeyboard(TForm1& form);

// Mnemonics for the captioned buttons under root, unique among those shown together: the controls
// outside any page share one set of letters, and each page of a page control adds its own to
// those of the controls around it.
void AssignWindowMnemonics(QWidget* root);
