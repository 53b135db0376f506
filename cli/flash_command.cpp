// flash: the firmware update, which this build does not carry yet.

#include "console.h"
#include "exit_codes.h"
#include "handlers.h"

int RunFlash(const CliCall&, const QStringList&) {
    PrintError(QStringLiteral("Обновление прошивки в этой сборке velmora-cli недоступно, "
                              "контроллеру ничего не отправлено"));
    return ExitUsage;
}
