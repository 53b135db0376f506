#pragma once

#include "command_block.h"
#include "command_parameters.h"
#include "modbus_frames.h"
#include "register_image.h"
#include "reply_reporting.h"
#include "settings_write.h"

#include <optional>

// The exchanges of the write-back and the service commands. Each sends its requests once through
// the reply reporting, which tells the operator the outcome; none retries.

// Registers 45 to 47: the code, then the parameter low word first. The verdict on the reply, or
// nothing when nothing was sent (an address that is not a number, another exchange under way),
// which has been reported.
std::optional<ReplyVerdict> SendCommand(CommandCode code, quint32 parameter,
                                        WriteSuccess success = WriteSuccess::Told);

// Stores the table's cells into the image and, when every row converted, sends the block in one
// write; a cell that does not convert is reported and nothing is sent. The remarks of the coded
// rows come back for the table's column 3.
TableStore WriteTable(WritableTable table, const CellReader& cells, RegisterImage& image);

// The controller's clock as the status block holds it.
ClockFields StatusClock(const RegisterImage& image);

// Reads registers 0 to 49 into the status block and decodes the controller's clock. After a
// failed read the clock is the one the status block already held; nothing when the read could
// not be sent at all.
std::optional<ClockFields> ReadClock(RegisterImage& image);

// The password toggle, pressed (log in) or released (log out): the login state to show. A login
// asks for the password; cancelling or a wrong length sends nothing and leaves the operator logged
// out. Otherwise the command is sent, registers 0 to 49 are read back and the login bit of
// Battery_Mode decides. A command the controller took is told as a success only when the bit read
// back shows it done; otherwise the operator hears that the password was not accepted (or that
// the logout was not done). Nothing when the command could not be sent (an address that is not a
// number): the command ends there, and the toggle goes back to where it was.
std::optional<bool> PasswordToggled(bool pressed, RegisterImage& image);

// Asks for a new password and sends it; false when cancelled or nothing was sent.
bool SendNewPassword();

// Bit 5 of Battery_Mode: a password login is in force.
bool LoginInForce(const RegisterImage& image);
