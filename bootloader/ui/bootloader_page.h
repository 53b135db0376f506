#pragma once

class QWidget;

// The "Обновление" page: the automatic update buttons, the progress bar with the packets sent and
// the time left, the service buttons and groups, the frame fields and the update log Memo2. Every
// control carries its given objectName. page must not have a layout yet.
void BuildBootloaderPage(QWidget* page);
