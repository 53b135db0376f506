#pragma once

class QWidget;

// The controls that would start an exchange of their own or change the connection: the log check
// box, the connection dialog's six settings, and the window's table write, service command,
// password and firmware update controls; controls not built are skipped. Polling locks them for
// as long as it holds the port, and every bootloader command for as long as it runs.
void SetExchangeControlsEnabled(QWidget* window, bool enabled);
