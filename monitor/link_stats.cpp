#include "link_stats.h"

#include "number_format.h"

#include <cmath>

namespace {

// A single-precision value in the general format, from its exact binary value: a float is
// m x 2^e with a 24-bit m, so it is a fraction FormatG writes exactly.
QString FormatG4Single(float value) {
    int exponent = 0;
    const float mantissa = std::frexp(value, &exponent);
    qint64 m = qint64(std::ldexp(mantissa, 24));
    int e = exponent - 24;
    while (e < 0 && m % 2 == 0 && m != 0) {
        m /= 2;
        ++e;
    }
    // FormatG takes denominators below 10^17; bits that far down do not reach 4 digits.
    for (; e < -56; ++e)
        m /= 2;
    // The counters are 32-bit, so a percentage stays below 2^41: e is small here.
    if (e >= 0)
        return FormatG4(m * (qint64(1) << e));
    return FormatG4(m, qint64(1) << -e);
}

} // namespace

QString LinkErrorPercentText(const LinkStats& stats) {
    if (stats.successes == 0)
        return QStringLiteral("100");
    // Single precision, the quotient first: 21 errors in 160 show 13,12, not 13,13.
    const float errors = float(qint64(stats.crcErrors) + stats.noAnswers);
    const float ratio = errors / float(stats.successes);
    return FormatG4Single(ratio * 100.0f);
}
