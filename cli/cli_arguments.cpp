#include "cli_arguments.h"

#include "number_format.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

// The texts are shown through CliText, translated when the help or a message is made.
// clang-format off
constexpr CliOptionInfo Options[] = {
    {"port", QT_TRANSLATE_NOOP("Cli", "ПОРТ"), QT_TRANSLATE_NOOP("Cli", "последовательный порт: имя (ttyUSB0) или полный путь (/dev/serial/by-id/...); "
                     "Modbus TCP: tcp://УЗЕЛ[:ПОРТ] (порт 502 по умолчанию); RTU через TCP: rtu+tcp://УЗЕЛ:ПОРТ")},
    {"baud", "N", QT_TRANSLATE_NOOP("Cli", "скорость: 9600, 19200, 38400, 57600 или 115200 (по умолчанию 115200)")},
    {"format", "F", QT_TRANSLATE_NOOP("Cli", "формат кадра: 8N1, 8E1 или 8O1 (по умолчанию 8N1)")},
    {"address", "N", QT_TRANSLATE_NOOP("Cli", "адрес контроллера Modbus от 0 до 255 (по умолчанию 238)")},
    {"fast", nullptr, QT_TRANSLATE_NOOP("Cli", "быстрый обмен: ответ принят, как только пришёл его последний байт")},
    {"timeout", QT_TRANSLATE_NOOP("Cli", "МС"), QT_TRANSLATE_NOOP("Cli", "тайм-аут ответа по сети в мс, от 100 до 10000 (по умолчанию 1000)")},
    {"locale", QT_TRANSLATE_NOOP("Cli", "ИМЯ"), QT_TRANSLATE_NOOP("Cli", "числа и даты в локали C или заданной (ru_RU); по умолчанию локаль пользователя")},
    {"lang", QT_TRANSLATE_NOOP("Cli", "ЯЗЫК"), QT_TRANSLATE_NOOP("Cli", "язык справки и сообщений: ru (русский) или en (английский); "
                                                             "по умолчанию VELMORA_LANG, иначе язык, выбранный в окне")},
    {"raw", nullptr, QT_TRANSLATE_NOOP("Cli", "значения из регистров Modbus вместо приведённых единиц")},
    {"scaled", nullptr, QT_TRANSLATE_NOOP("Cli", "приведённые единицы (четыре значащие цифры) вместо значений из регистров")},
    {"mnemonics", nullptr, QT_TRANSLATE_NOOP("Cli", "мнемоимена регистров вместо русских наименований")},
    {"cells", nullptr, QT_TRANSLATE_NOOP("Cli", "напряжения, температуры и состояние всех элементов АБ")},
    {"csv", nullptr, QT_TRANSLATE_NOOP("Cli", "вывод строками CSV, как в файле таблицы (в report: --csv ФАЙЛ, таблица элементов)")},
    {"json", nullptr, QT_TRANSLATE_NOOP("Cli", "вывод в JSON: у каждого значения текст и число (\"number\")")},
    {"save", QT_TRANSLATE_NOOP("Cli", "ФАЙЛ"), QT_TRANSLATE_NOOP("Cli", "сохранить таблицу в файл, как кнопка «Сохранить в файл»")},
    {"table", "T", QT_TRANSLATE_NOOP("Cli", "таблица настроек: rs (связь), alarm (аварии) или charge (заряд)")},
    {"yes", nullptr, QT_TRANSLATE_NOOP("Cli", "записать в контроллер без вопроса")},
    {"period", QT_TRANSLATE_NOOP("Cli", "С"), QT_TRANSLATE_NOOP("Cli", "период опроса в секундах, от 0.25 до 600 (по умолчанию 1)")},
    {"count", "N", QT_TRANSLATE_NOOP("Cli", "записать N строк и завершить работу (по умолчанию до Ctrl+C)")},
    {"log", QT_TRANSLATE_NOOP("Cli", "ФАЙЛ"), QT_TRANSLATE_NOOP("Cli", "файл лога мониторинга; без него строки лога выводятся на экран")},
    {"max-misses", "N", QT_TRANSLATE_NOOP("Cli", "завершить опрос с кодом 1 после N циклов подряд без ответа (по умолчанию 10)")},
    {"from-bootloader", nullptr, QT_TRANSLATE_NOOP("Cli", "контроллер уже находится в загрузчике")},
    {"from", "T", QT_TRANSLATE_NOOP("Cli", "начало участка разряда: 2024-03-05T08:10:00 или дата и время, как в логе")},
    {"to", "T", QT_TRANSLATE_NOOP("Cli", "конец участка разряда; без --from и --to участок находится по току разряда")},
    {"end-voltage", QT_TRANSLATE_NOOP("Cli", "В"), QT_TRANSLATE_NOOP("Cli", "конечное напряжение элемента, В: по нему находится емкость")},
    {"pdf", QT_TRANSLATE_NOOP("Cli", "ФАЙЛ"), QT_TRANSLATE_NOOP("Cli", "записать отчёт в PDF")},
    {"html", QT_TRANSLATE_NOOP("Cli", "ФАЙЛ"), QT_TRANSLATE_NOOP("Cli", "записать отчёт в один файл HTML с рисунками внутри")},
    {"site", QT_TRANSLATE_NOOP("Cli", "ТЕКСТ"), QT_TRANSLATE_NOOP("Cli", "объект для заголовка отчёта")},
    {"battery", QT_TRANSLATE_NOOP("Cli", "ТЕКСТ"), QT_TRANSLATE_NOOP("Cli", "батарея для заголовка отчёта")},
    {"engineer", QT_TRANSLATE_NOOP("Cli", "ТЕКСТ"), QT_TRANSLATE_NOOP("Cli", "инженер для заголовка отчёта")},
    {"allow-unaligned", nullptr, QT_TRANSLATE_NOOP("Cli", "обновить и образом, длина которого не кратна 4")},
    {"config", QT_TRANSLATE_NOOP("Cli", "ФАЙЛ"), QT_TRANSLATE_NOOP("Cli", "файл конфигурации serve (INI): раздел [serve] и [controller ИМЯ] на каждый контроллер")},
    {"controller", QT_TRANSLATE_NOOP("Cli", "СПИСОК"), QT_TRANSLATE_NOOP("Cli", "контроллер для serve: ИМЯ=ПОРТ[,address=N][,baud=B][,format=F][,period=С]"
                             "[,journal=yes][,log=ФАЙЛ|yes][,timeout=МС][,fast=yes]; можно задать несколько раз")},
    {"metrics-listen", QT_TRANSLATE_NOOP("Cli", "УЗЕЛ:ПОРТ"), QT_TRANSLATE_NOOP("Cli", "адрес страницы метрик serve (вместо metrics-listen из файла)")},
    {"mqtt", "URL", QT_TRANSLATE_NOOP("Cli", "брокер MQTT для serve: mqtt://УЗЕЛ[:ПОРТ] (вместо mqtt из файла)")},
    {"help", nullptr, QT_TRANSLATE_NOOP("Cli", "эта справка")},
    {"version", nullptr, QT_TRANSLATE_NOOP("Cli", "версия программы")},
};
// clang-format on

const CliOptionInfo* FindOption(const QString& name) {
    for (const CliOptionInfo& option : Options)
        if (name == QLatin1String(option.name))
            return &option;
    return nullptr;
}

} // namespace

QString CliText(const char* text) {
    return QCoreApplication::translate("Cli", text);
}

std::span<const CliOptionInfo> CliOptions() {
    return Options;
}

CliCall ParseArguments(const QStringList& arguments, const QStringList& valued,
                       const QStringList& repeatable) {
    CliCall call;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size() && call.error.isEmpty(); ++i) {
        const QString& argument = arguments[i];
        if (optionsEnded || !argument.startsWith(QLatin1String("--"))) {
            // A lone "-h" is the usual spelling of the help; "-200" stays a word (a current).
            if (!optionsEnded && argument == QLatin1String("-h"))
                call.options.insert(QStringLiteral("help"), QString());
            else
                call.words.append(argument);
            continue;
        }
        if (argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        const QString name = argument.mid(2, equals < 0 ? -1 : equals - 2);
        const CliOptionInfo* option = FindOption(name);
        std::optional<QString> value;
        if (option == nullptr) {
            call.error = QCoreApplication::translate("Cli", "Неизвестный параметр --%1").arg(name);
        } else if (call.options.contains(name) && !repeatable.contains(name)) {
            call.error = QCoreApplication::translate("Cli", "Параметр --%1 задан дважды").arg(name);
        } else if (option->valueName == nullptr && !valued.contains(name)) {
            if (equals >= 0)
                call.error =
                    QCoreApplication::translate("Cli", "Параметр --%1 не принимает значения")
                        .arg(name);
            value = QString();
        } else if (equals >= 0) {
            value = argument.mid(equals + 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            call.error = QCoreApplication::translate("Cli", "Параметру --%1 нужно значение %2")
                             .arg(name, CliText(option->valueName ? option->valueName : "ФАЙЛ"));
        }
        if (value) {
            call.options.insert(name, *value);
            if (repeatable.contains(name))
                call.repeated[name].append(*value);
        }
    }
    return call;
}

std::optional<qint64> IntegerValue(const QString& option, const QString& text, qint64 low,
                                   qint64 high, QString* error) {
    const ParsedNumber n = ParseInteger(text);
    if (n.value && *n.value >= low && *n.value <= high)
        return n.value;
    *error =
        QCoreApplication::translate("Cli", "--%1: нужно целое число от %2 до %3, задано \"%4\"")
            .arg(option)
            .arg(low)
            .arg(high)
            .arg(text);
    return std::nullopt;
}

std::optional<double> DecimalValue(const QString& option, const QString& text, double low,
                                   double high, const QString& what, QString* error) {
    bool ok = false;
    double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok)
        value = QLocale().toDouble(text.trimmed(), &ok);
    if (ok && value >= low && value <= high)
        return value;
    *error = QCoreApplication::translate("Cli", "--%1: нужно %2 от %3 до %4, задано \"%5\"")
                 .arg(option, what, QLocale().toString(low), QLocale().toString(high), text);
    return std::nullopt;
}

std::optional<double> SecondsValue(const QString& option, const QString& text, double low,
                                   double high, QString* error) {
    return DecimalValue(option, text, low, high, QCoreApplication::translate("Cli", "число секунд"),
                        error);
}
