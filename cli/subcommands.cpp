#include "subcommands.h"

#include "connection_options.h"
#include "console.h"
#include "exit_codes.h"
#include "handlers.h"
#include "language.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <array>

namespace {

// The usages and summaries are shown through CliText, translated when the help is made.
// clang-format off
constexpr std::array<Subcommand, 16> Table = {{
    {"ports", "", QT_TRANSLATE_NOOP("Cli", "последовательные порты компьютера"), false, "", 0, 0, RunPorts},
    {"read", QT_TRANSLATE_NOOP("Cli", "[--cells] [--raw] [--mnemonics] [--csv|--json] [--save ФАЙЛ]"),
     QT_TRANSLATE_NOOP("Cli", "регистры состояния АБ (0..49) одним запросом, с --cells таблица элементов: таблица, CSV "
     "или JSON"), true, "cells raw mnemonics csv json save", 0, 0, RunRead},
    {"journal", QT_TRANSLATE_NOOP("Cli", "[--json] [--save ФАЙЛ]"), QT_TRANSLATE_NOOP("Cli", "журнал аварий в CSV или JSON, новые записи первыми"),
     true, "json save", 0, 0, RunJournal},
    {"settings save", QT_TRANSLATE_NOOP("Cli", "ФАЙЛ --table rs|alarm|charge [--scaled]"),
     QT_TRANSLATE_NOOP("Cli", "таблица настроек в файл, как её сохраняет окно; в значениях регистров (точная копия), "
     "если не задано --scaled"), true, "table raw scaled", 1, 1,
     RunSettingsSave},
    {"settings load", QT_TRANSLATE_NOOP("Cli", "ФАЙЛ [--yes]"),
     QT_TRANSLATE_NOOP("Cli", "таблица настроек из файла: отличия, вопрос, запись, проверка чтением"), true, "yes", 1, 1,
     RunSettingsLoad},
    {"command calibrate-zero", "", QT_TRANSLATE_NOOP("Cli", "калибровка нуля датчика тока"), true, "", 0, 0,
     RunCalibrateZero},
    {"command calibrate", QT_TRANSLATE_NOOP("Cli", "ТОК_МА"), QT_TRANSLATE_NOOP("Cli", "калибровка датчика тока по измеренному току, мА"), true, "", 1,
     1, RunCalibrate},
    {"command soc", "N", QT_TRANSLATE_NOOP("Cli", "текущий заряд АБ, мА*ч"), true, "", 1, 1, RunSetStateOfCharge},
    {"command fcc", "N", QT_TRANSLATE_NOOP("Cli", "полный заряд АБ, мА*ч"), true, "", 1, 1, RunSetFullChargeCapacity},
    {"command cycles", "N", QT_TRANSLATE_NOOP("Cli", "количество циклов заряда"), true, "", 1, 1, RunSetCycleCount},
    {"command clock", QT_TRANSLATE_NOOP("Cli", "[now|\"дд.мм.гггг чч:мм:сс\"]"),
     QT_TRANSLATE_NOOP("Cli", "без аргумента показывает часы контроллера, иначе устанавливает их"), true, "", 0, 2,
     RunClock},
    {"command clear-journal", "", QT_TRANSLATE_NOOP("Cli", "очистка журнала аварий"), true, "", 0, 0, RunClearJournal},
    {"poll", QT_TRANSLATE_NOOP("Cli", "[--period С] [--count N] [--log ФАЙЛ] [--raw] [--max-misses N]"),
     QT_TRANSLATE_NOOP("Cli", "опрос с записью лога мониторинга, до Ctrl+C, N строк или N циклов без ответа"), true,
     "period count log raw max-misses", 0, 0, RunPoll},
    {"flash", QT_TRANSLATE_NOOP("Cli", "ОБРАЗ [--from-bootloader] [--allow-unaligned]"),
     QT_TRANSLATE_NOOP("Cli", "автоматическое обновление прошивки из файла образа *.bin"), true,
     "from-bootloader allow-unaligned", 1, 1, RunFlash},
    {"report", QT_TRANSLATE_NOOP("Cli", "ЛОГ [--from T] [--to T] [--end-voltage В] [--pdf ФАЙЛ] [--html ФАЙЛ] "
     "[--csv ФАЙЛ] [--json] [--site ТЕКСТ] [--battery ТЕКСТ] [--engineer ТЕКСТ]"),
     QT_TRANSLATE_NOOP("Cli", "отчёт об испытании разрядом по логу мониторинга: емкость, слабые элементы, сопротивление; "
     "без файлов выводит итоги"), false,
     "from to end-voltage pdf html csv= json site battery engineer", 1, 1, RunReport},
    {"serve", QT_TRANSLATE_NOOP("Cli", "[--config ФАЙЛ] [--controller СПИСОК]... [--metrics-listen УЗЕЛ:ПОРТ] [--mqtt URL]"),
     QT_TRANSLATE_NOOP("Cli", "опрос многих контроллеров до SIGTERM или Ctrl+C, каждого со своим периодом; SIGHUP "
     "перечитывает файл конфигурации"), false, "config controller+ metrics-listen mqtt", 0, 0,
     RunServe},
}};
// clang-format on

constexpr const char* CommonOptions[] = {"port", "baud", "format", "address", "fast", "timeout"};

QString Utf8(const char* text) {
    return QString::fromUtf8(text);
}

QString UsageLine(const Subcommand& s) {
    QString line = QStringLiteral("velmora-cli ") + Utf8(s.name);
    if (s.usesPort)
        line += QCoreApplication::translate("Cli", " --port ПОРТ");
    if (*s.arguments != '\0')
        line += QLatin1Char(' ') + CliText(s.arguments);
    return line;
}

// The subcommand the words name, and how many words its name takes.
const Subcommand* FindSubcommand(const QStringList& words, qsizetype* nameWords) {
    for (qsizetype n = std::min<qsizetype>(2, words.size()); n >= 1; --n) {
        const QString name = words.first(n).join(QLatin1Char(' '));
        for (const Subcommand& s : Table)
            if (name == Utf8(s.name)) {
                *nameWords = n;
                return &s;
            }
    }
    return nullptr;
}

// The subcommand's options; a name ending in "=" takes a value here although it is a flag
// elsewhere, one ending in "+" may be given more than once.
QStringList OwnOptions(const Subcommand& s) {
    return Utf8(s.options).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QStringList MarkedOptions(const Subcommand& s, QChar mark) {
    QStringList marked;
    for (const QString& option : OwnOptions(s))
        if (option.endsWith(mark))
            marked.append(option.chopped(1));
    return marked;
}

QStringList ValuedFlags(const Subcommand& s) {
    return MarkedOptions(s, QLatin1Char('='));
}

QStringList RepeatableOptions(const Subcommand& s) {
    return MarkedOptions(s, QLatin1Char('+'));
}

// The first option given that the subcommand does not take.
QString StrayOption(const Subcommand& s, const CliCall& call) {
    static const QRegularExpression marks(QStringLiteral("[=+]$"));
    QStringList accepted = OwnOptions(s).replaceInStrings(marks, QString());
    accepted += {QStringLiteral("locale"), QStringLiteral("lang")};
    if (s.usesPort)
        for (const char* common : CommonOptions)
            accepted.append(Utf8(common));
    for (auto it = call.options.cbegin(); it != call.options.cend(); ++it)
        if (!accepted.contains(it.key()))
            return it.key();
    return {};
}

int Refuse(const QString& message, const QString& usage = QString()) {
    PrintError(message);
    PrintError(usage.isEmpty() ? QCoreApplication::translate("Cli", "Справка: velmora-cli --help")
                               : QCoreApplication::translate("Cli", "Использование: ") + usage);
    return ExitUsage;
}

} // namespace

QString HelpText() {
    QStringList lines = {QCoreApplication::translate(
                             "Cli", "velmora-cli: контроллер АБ из командной строки (Modbus RTU по "
                                    "последовательному порту)."),
                         QString(), QCoreApplication::translate("Cli", "Команды:")};
    for (const Subcommand& s : Table) {
        lines.append(QStringLiteral("  ") + UsageLine(s));
        lines.append(QStringLiteral("      ") + CliText(s.summary));
    }
    lines += {QString(), QCoreApplication::translate("Cli", "Параметры:")};
    for (const CliOptionInfo& o : CliOptions()) {
        QString name = QStringLiteral("--") + Utf8(o.name);
        if (o.valueName != nullptr)
            name += QLatin1Char(' ') + CliText(o.valueName);
        lines.append(QStringLiteral("  %1 %2").arg(name, -20).arg(CliText(o.help)));
    }
    lines += {QString(),
              QCoreApplication::translate("Cli", "Коды завершения:"),
              QCoreApplication::translate("Cli", "  0  выполнено"),
              QCoreApplication::translate(
                  "Cli", "  1  нет ответа или ответ неверен (ошибка CRC, длина, порт не "
                         "открылся или пропал, порта нет); у poll также циклы без ответа "
                         "подряд или остановка до первого ответа"),
              QCoreApplication::translate(
                  "Cli", "  2  ошибка в командной строке или во входных данных (ничего не "
                         "отправлено)"),
              QCoreApplication::translate(
                  "Cli", "  3  отказ контроллера: ответ-исключение или записанное значение "
                         "не принято"),
              QCoreApplication::translate("Cli", "  4  ошибка файла")};
    return lines.join(QLatin1Char('\n'));
}

int RunCli(const QStringList& arguments) {
    CliCall call = ParseArguments(arguments);
    // A subcommand whose own flags take values, or whose options repeat, reads the line again
    // knowing so.
    qsizetype nameWords = 0;
    if (const Subcommand* s = FindSubcommand(call.words, &nameWords);
        s && !(ValuedFlags(*s).isEmpty() && RepeatableOptions(*s).isEmpty()))
        call = ParseArguments(arguments, ValuedFlags(*s), RepeatableOptions(*s));
    if (!call.error.isEmpty())
        return Refuse(call.error);
    // The language itself was installed before the tool started; here only a wrong name is told.
    if (call.has("lang") && !LanguageFromCode(call.value("lang")))
        return Refuse(
            QCoreApplication::translate("Cli", "--lang: нужен язык ru или en, задано \"%1\"")
                .arg(call.value("lang")));
    if (call.has("help")) {
        PrintOut(HelpText());
        return ExitDone;
    }
    if (call.has("version")) {
        PrintOut(QCoreApplication::applicationName() + QLatin1Char(' ') +
                 QCoreApplication::applicationVersion());
        return ExitDone;
    }
    if (call.words.isEmpty())
        return Refuse(QCoreApplication::translate("Cli", "Не задана команда"));
    const Subcommand* s = FindSubcommand(call.words, &nameWords);
    if (s == nullptr)
        return Refuse(QCoreApplication::translate("Cli", "Неизвестная команда: %1")
                          .arg(call.words.first(std::min<qsizetype>(2, call.words.size()))
                                   .join(QLatin1Char(' '))));
    const QStringList rest = call.words.mid(nameWords);
    if (rest.size() < s->minArguments || rest.size() > s->maxArguments)
        return Refuse(QCoreApplication::translate("Cli", "Неверное число аргументов команды %1")
                          .arg(Utf8(s->name)),
                      UsageLine(*s));
    if (const QString stray = StrayOption(*s, call); !stray.isEmpty())
        return Refuse(QCoreApplication::translate("Cli", "Параметр --%1 не относится к команде %2")
                          .arg(stray, Utf8(s->name)),
                      UsageLine(*s));
    QString error;
    if (!ApplyLocale(call, &error))
        return Refuse(error);
    if (s->usesPort) {
        const std::optional<ConnectionSettings> connection = ConnectionFrom(call, &error);
        if (!connection)
            return Refuse(error, UsageLine(*s));
        if (const QString absent = AbsentPortText(*connection); !absent.isEmpty()) {
            PrintError(absent);
            return ExitNoAnswer;
        }
        SetConnectionSettingsSource([settings = *connection] { return settings; });
    }
    ConsolePrompts prompts(call.has("yes"));
    SetPrompts(&prompts);
    const int code = s->run(call, rest);
    SetPrompts(nullptr);
    SetConnectionSettingsSource(nullptr);
    return code;
}
