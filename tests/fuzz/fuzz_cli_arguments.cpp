// velmora-cli's command line from any arguments: what it takes names only options the tool knows,
// a flag without a value, and reads back the same from its plain form ("--name=value" for each
// option, then "--" and the words); the number checks give only values within their bounds.
#include "cli_arguments.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const qint64 low = qint16(in.Word());
    const qint64 high = low + in.Word();
    const bool russian = in.Flag();
    const QStringList arguments = in.Text().split(QLatin1Char('\n'));
    const CliCall call = ParseArguments(arguments);
    if (call.error.isEmpty()) {
        FUZZ_CHECK(call.words.size() + call.options.size() <= arguments.size());
        QStringList plain;
        for (auto option = call.options.cbegin(); option != call.options.cend(); ++option) {
            const CliOptionInfo* info = nullptr;
            for (const CliOptionInfo& known : CliOptions())
                if (option.key() == QLatin1String(known.name))
                    info = &known;
            FUZZ_CHECK(info != nullptr);
            FUZZ_CHECK(info->valueName != nullptr || option.value().isEmpty());
            plain.append(info->valueName
                             ? QStringLiteral("--%1=%2").arg(option.key(), option.value())
                             : QStringLiteral("--") + option.key());
        }
        plain.append(QStringLiteral("--"));
        plain.append(call.words);
        const CliCall again = ParseArguments(plain);
        FUZZ_CHECK(again.error.isEmpty() && again.words == call.words &&
                   again.options == call.options);
    }
    QLocale::setDefault(FuzzLocale(russian));
    for (const QString& text : arguments) {
        QString error;
        if (const std::optional<qint64> n =
                IntegerValue(QStringLiteral("n"), text, low, high, &error))
            FUZZ_CHECK(*n >= low && *n <= high && error.isEmpty());
        else
            FUZZ_CHECK(!error.isEmpty());
        error.clear();
        if (const std::optional<double> s =
                SecondsValue(QStringLiteral("s"), text, 0.05, 60, &error))
            FUZZ_CHECK(*s >= 0.05 && *s <= 60 && error.isEmpty());
        else
            FUZZ_CHECK(!error.isEmpty());
    }
    return 0;
}
