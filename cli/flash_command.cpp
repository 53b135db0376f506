// flash: the automatic firmware update from an image file, its log lines on standard output and
// its progress on one line of standard error.

#include "connection_settings.h"
#include "console.h"
#include "exit_codes.h"
#include "handlers.h"
#include "packet_plan.h"
#include "sync_boot_exchange.h"
#include "update_procedures.h"

#include <cstdio>

namespace {

class ConsoleBootView final : public BootView {
public:
    void AddLine(const QString& line) override {
        EndProgress();
        PrintOut(line);
    }
    void ShowProgress(const PacketProgress& progress) override {
        std::fprintf(stderr, "\r%s", qPrintable(ProgressText(progress)));
        std::fflush(stderr);
        progressShown_ = true;
    }
    void EndProgress() {
        if (progressShown_)
            std::fprintf(stderr, "\n");
        progressShown_ = false;
    }

private:
    bool progressShown_ = false;
};

} // namespace

int RunFlash(const CliCall& call, const QStringList& arguments) {
    ConsoleBootView view;
    const std::optional<QByteArray> image = LoadImage(view, arguments.value(0));
    if (!image)
        return ExitFileError;
    Bootloader boot(SyncBootExchange, view, quint8(CurrentConnectionSettings().addressText.toInt()),
                    false);
    const UpdateOutcome outcome = AutomaticUpdate(
        boot, *image,
        call.has("from-bootloader") ? UpdateStart::FromBootloader : UpdateStart::FromApplication,
        {}, call.has("allow-unaligned") ? UnalignedImage::Proceed : UnalignedImage::Refuse);
    view.EndProgress();
    switch (outcome) {
    case UpdateOutcome::BadImage:
        return ExitUsage;
    case UpdateOutcome::Done:
        return ExitDone;
    case UpdateOutcome::Failed:
        break;
    }
    return boot.Refused() ? ExitRefused : ExitNoAnswer;
}
