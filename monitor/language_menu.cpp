#include "language_menu.h"

#include "prompts.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QToolButton>

namespace {

struct LanguageItem {
    const char* name;
    const char* caption; // in the language itself, the same in every language
    Language language;
};

constexpr LanguageItem LanguageItems[] = {
    {"MenuItem_LANGRU_", "Русский", Language::Russian},
    {"MenuItem_LANGEN_", "English", Language::English},
};

void ChooseStartLanguage(Language language) {
    QSettings settings;
    RememberLanguage(settings, language);
    if (language == InstalledLanguage())
        return;
    CurrentPrompts().Message(
        QCoreApplication::translate("LanguageMenu",
                                    "Язык будет изменён при следующем запуске программы."),
        QCoreApplication::translate("LanguageMenu", "Язык"), Prompts::Buttons::Ok,
        Prompts::Icon::Information);
}

} // namespace

std::optional<Language> StartLanguage(const QStringList& arguments, const QString& variable,
                                      QSettings& settings) {
    const QString option = LanguageOption(arguments);
    if (!option.isEmpty() && !LanguageFromCode(option))
        return std::nullopt;
    return ChooseLanguage({option, variable, RememberedLanguage(settings)});
}

bool InstallStartLanguage(const QStringList& arguments, QString* refusal) {
    QSettings settings;
    const std::optional<Language> language =
        StartLanguage(arguments, qEnvironmentVariable("VELMORA_LANG"), settings);
    if (!language) {
        *refusal = QCoreApplication::translate("LanguageMenu",
                                               "velmora: неизвестный язык «%1»: укажите en или ru")
                       .arg(LanguageOption(arguments));
        return false;
    }
    InstallLanguage(*language);
    return true;
}

void AddLanguageMenu(QMenuBar* bar) {
    // In the bar's corner: the bar's own menus stay "Файл" and "Связь".
    auto* view = new QMenu(QCoreApplication::translate("LanguageMenu", "Вид"), bar);
    view->setObjectName(QStringLiteral("Menu_VIEW_"));
    auto* opener = new QToolButton(bar);
    opener->setObjectName(QStringLiteral("ToolButton_VIEW_"));
    opener->setText(view->title());
    opener->setMenu(view);
    opener->setPopupMode(QToolButton::InstantPopup);
    opener->setAutoRaise(true);
    bar->setCornerWidget(opener, Qt::TopRightCorner);
    QMenu* languages = view->addMenu(QCoreApplication::translate("LanguageMenu", "Язык"));
    languages->setObjectName(QStringLiteral("Menu_LANGUAGE_"));
    auto* group = new QActionGroup(languages);
    group->setExclusive(true);
    for (const LanguageItem& item : LanguageItems) {
        QAction* action = languages->addAction(QString::fromUtf8(item.caption));
        action->setObjectName(QLatin1String(item.name));
        action->setCheckable(true);
        action->setChecked(item.language == InstalledLanguage());
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, action,
                         [language = item.language] { ChooseStartLanguage(language); });
    }
}
