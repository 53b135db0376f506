#include "language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

#include <memory>

namespace {

const QString LanguageKey = QStringLiteral("view/language");

// The program's translations are built into it; Qt's own come with Qt.
const QString ProgramTranslations = QStringLiteral(":/i18n");

struct Installed {
    Language language = Language::Russian;
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
};

Installed& Current() {
    static Installed installed;
    return installed;
}

void Remove(std::unique_ptr<QTranslator>& translator) {
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

// Loads name_code.qm from the folder into a translator installed in the application.
std::unique_ptr<QTranslator> Load(const QString& name, const QString& code, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name + QLatin1Char('_') + code, folder))
        return nullptr;
    QCoreApplication::installTranslator(translator.get());
    return translator;
}

} // namespace

std::optional<Language> LanguageFromCode(const QString& code) {
    const QString language = code.trimmed().section(QLatin1Char('_'), 0, 0).toLower();
    if (language == QLatin1String("ru"))
        return Language::Russian;
    if (language == QLatin1String("en"))
        return Language::English;
    return std::nullopt;
}

QString LanguageCode(Language language) {
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("ru");
}

Language ChooseLanguage(const LanguageSources& sources) {
    for (const QString& source : {sources.option, sources.variable, sources.remembered})
        if (const std::optional<Language> language = LanguageFromCode(source))
            return *language;
    return Language::Russian;
}

QString LanguageOption(const QStringList& arguments) {
    const QString option = QStringLiteral("--lang");
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == option)
            return i + 1 < arguments.size() ? arguments[i + 1] : QString();
        if (arguments[i].startsWith(option + QLatin1Char('=')))
            return arguments[i].mid(option.size() + 1);
    }
    return {};
}

Language StartLanguage(const QStringList& arguments) {
    QSettings window(QStringLiteral("Velmora"), QStringLiteral("Velmora"));
    return ChooseLanguage({LanguageOption(arguments), qEnvironmentVariable("VELMORA_LANG"),
                           RememberedLanguage(window)});
}

QString InstallStartLanguage(const QStringList& arguments) {
    const Language language = StartLanguage(arguments);
    QString error;
    if (InstallLanguage(language, &error) || language == Language::Russian)
        return {};
    return error;
}

QString RememberedLanguage(QSettings& settings) {
    return settings.value(LanguageKey).toString();
}

void RememberLanguage(QSettings& settings, Language language) {
    settings.setValue(LanguageKey, LanguageCode(language));
}

bool InstallLanguage(Language language, QString* error) {
    Installed& installed = Current();
    Remove(installed.program);
    Remove(installed.qt);
    installed.language = language;
    const QString code = LanguageCode(language);
    // Qt's own texts are English in the source: Russian needs Qt's translation, English none.
    if (language == Language::Russian) {
        installed.qt =
            Load(QStringLiteral("qtbase"), code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        if (!installed.qt && error)
            *error = QCoreApplication::translate("Language",
                                                 "Не найден перевод Qt на русский язык (qtbase_ru.qm)");
        return installed.qt != nullptr;
    }
    installed.program = Load(QStringLiteral("velmora"), code, ProgramTranslations);
    if (!installed.program && error)
        *error = QCoreApplication::translate("Language", "Не найден английский перевод программы");
    return installed.program != nullptr;
}

Language InstalledLanguage() {
    return Current().language;
}
