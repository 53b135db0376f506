#include "cli_arguments.h"

#include "number_format.h"

#include <QLocale>

namespace {

// clang-format off
constexpr CliOptionInfo Options[] = {
    {"port", "ПОРТ", "последовательный порт: имя (ttyUSB0) или полный путь (/dev/serial/by-id/...); "
                     "Modbus TCP: tcp://УЗЕЛ[:ПОРТ] (порт 502 по умолчанию); RTU через TCP: rtu+tcp://УЗЕЛ:ПОРТ"},
    {"baud", "N", "скорость: 9600, 19200, 38400, 57600 или 115200 (по умолчанию 115200)"},
    {"format", "F", "формат кадра: 8N1, 8E1 или 8O1 (по умолчанию 8N1)"},
    {"address", "N", "адрес контроллера Modbus от 0 до 255 (по умолчанию 238)"},
    {"fast", nullptr, "быстрый обмен: ответ принят, как только пришёл его последний байт"},
    {"timeout", "МС", "тайм-аут ответа по сети в мс, от 100 до 10000 (по умолчанию 1000)"},
    {"locale", "ИМЯ", "числа и даты в локали C или заданной (ru_RU); по умолчанию локаль пользователя"},
    {"raw", nullptr, "значения из регистров Modbus вместо приведённых единиц"},
    {"scaled", nullptr, "приведённые единицы (четыре значащие цифры) вместо значений из регистров"},
    {"mnemonics", nullptr, "мнемоимена регистров вместо русских наименований"},
    {"cells", nullptr, "напряжения, температуры и состояние всех элементов АБ"},
    {"csv", nullptr, "вывод строками CSV, как в файле таблицы (в report: --csv ФАЙЛ, таблица элементов)"},
    {"json", nullptr, "вывод в JSON: у каждого значения текст и число (\"number\")"},
    {"save", "ФАЙЛ", "сохранить таблицу в файл, как кнопка «Сохранить в файл»"},
    {"table", "T", "таблица настроек: rs (связь), alarm (аварии) или charge (заряд)"},
    {"yes", nullptr, "записать в контроллер без вопроса"},
    {"period", "С", "период опроса в секундах, от 0.25 до 600 (по умолчанию 1)"},
    {"count", "N", "записать N строк и завершить работу (по умолчанию до Ctrl+C)"},
    {"log", "ФАЙЛ", "файл лога мониторинга; без него строки лога выводятся на экран"},
    {"max-misses", "N", "завершить опрос с кодом 1 после N циклов подряд без ответа (по умолчанию 10)"},
    {"from-bootloader", nullptr, "контроллер уже находится в загрузчике"},
    {"from", "T", "начало участка разряда: 2024-03-05T08:10:00 или дата и время, как в логе"},
    {"to", "T", "конец участка разряда; без --from и --to участок находится по току разряда"},
    {"end-voltage", "В", "конечное напряжение элемента, В: по нему находится емкость"},
    {"pdf", "ФАЙЛ", "записать отчёт в PDF"},
    {"html", "ФАЙЛ", "записать отчёт в один файл HTML с рисунками внутри"},
    {"site", "ТЕКСТ", "объект для заголовка отчёта"},
    {"battery", "ТЕКСТ", "батарея для заголовка отчёта"},
    {"engineer", "ТЕКСТ", "инженер для заголовка отчёта"},
    {"allow-unaligned", nullptr, "обновить и образом, длина которого не кратна 4"},
    {"config", "ФАЙЛ", "файл конфигурации serve (INI): раздел [serve] и [controller ИМЯ] на каждый контроллер"},
    {"controller", "СПИСОК", "контроллер для serve: ИМЯ=ПОРТ[,address=N][,baud=B][,format=F][,period=С]"
                             "[,journal=yes][,log=ФАЙЛ|yes][,timeout=МС][,fast=yes]; можно задать несколько раз"},
    {"metrics-listen", "УЗЕЛ:ПОРТ", "адрес страницы метрик serve (вместо metrics-listen из файла)"},
    {"mqtt", "URL", "брокер MQTT для serve: mqtt://УЗЕЛ[:ПОРТ] (вместо mqtt из файла)"},
    {"help", nullptr, "эта справка"},
    {"version", nullptr, "версия программы"},
};
// clang-format on

const CliOptionInfo* FindOption(const QString& name) {
    for (const CliOptionInfo& option : Options)
        if (name == QLatin1String(option.name))
            return &option;
    return nullptr;
}

} // namespace

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
            call.error = QStringLiteral("Неизвестный параметр --%1").arg(name);
        } else if (call.options.contains(name) && !repeatable.contains(name)) {
            call.error = QStringLiteral("Параметр --%1 задан дважды").arg(name);
        } else if (option->valueName == nullptr && !valued.contains(name)) {
            if (equals >= 0)
                call.error = QStringLiteral("Параметр --%1 не принимает значения").arg(name);
            value = QString();
        } else if (equals >= 0) {
            value = argument.mid(equals + 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            call.error =
                QStringLiteral("Параметру --%1 нужно значение %2")
                    .arg(name, QString::fromUtf8(option->valueName ? option->valueName : "ФАЙЛ"));
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
    *error = QStringLiteral("--%1: нужно целое число от %2 до %3, задано \"%4\"")
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
    *error = QStringLiteral("--%1: нужно %2 от %3 до %4, задано \"%5\"")
                 .arg(option, what, QLocale().toString(low), QLocale().toString(high), text);
    return std::nullopt;
}

std::optional<double> SecondsValue(const QString& option, const QString& text, double low,
                                   double high, QString* error) {
    return DecimalValue(option, text, low, high, QStringLiteral("число секунд"), error);
}
