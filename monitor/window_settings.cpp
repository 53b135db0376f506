#include "window_settings.h"

#include "main_window.h"
#include "recent_files.h"
#include "remembered_settings.h"

#include <QCheckBox>
#include <QSettings>
#include <QTabWidget>

namespace {

const QString GeometryKey = QStringLiteral("window/geometry");

// The page controls whose current page is kept, with their keys.
struct RememberedPages {
    const char* key;
    const char* control;
};
constexpr RememberedPages PageControls[] = {
    {"window/page", "PageControl_MAIN_"},
    {"window/infoPage", "PageControl_INFO_"},
    {"window/settingsPage", "PageControl_SET_"},
};

QTabWidget* Pages(const TForm1& form, const RememberedPages& entry) {
    return form.findChild<QTabWidget*>(QLatin1String(entry.control));
}

} // namespace

void RestoreWindowSettings(TForm1& form, const QSettings& settings) {
    RestoreControls(settings, &form, ConnectionControls);
    const bool russianNames = UseRussianNames;
    RestoreFlags(settings, ViewAndLogFlags);
    if (UseRussianNames != russianNames)
        form.SetupTables();
    // The options dialog's check box is set from the flag only when "Cancel" restores it.
    if (auto* box = form.findChild<QCheckBox*>(QStringLiteral("CheckBox_LOGSAVEERROR_")))
        box->setChecked(LogLinkErrors);
    if (settings.contains(GeometryKey))
        form.restoreGeometry(settings.value(GeometryKey).toByteArray());
    for (const RememberedPages& entry : PageControls) {
        QTabWidget* pages = Pages(form, entry);
        const int index = settings.value(QLatin1String(entry.key), -1).toInt();
        // A page hidden in this build (the link test) is not shown.
        if (pages != nullptr && index >= 0 && index < pages->count() && pages->isTabVisible(index))
            pages->setCurrentIndex(index);
    }
    LoadRecentFiles(settings);
}

void SaveWindowSettings(const TForm1& form, QSettings& settings) {
    SaveControls(settings, &form, ConnectionControls);
    SaveFlags(settings, ViewAndLogFlags);
    settings.setValue(GeometryKey, form.saveGeometry());
    for (const RememberedPages& entry : PageControls)
        if (QTabWidget* pages = Pages(form, entry))
            settings.setValue(QLatin1String(entry.key), pages->currentIndex());
    SaveRecentFiles(settings);
}
