#include "Currency.h"

#include <limits>

namespace {
int64_t saturatingAdd(int64_t a, int64_t b)
{
    int64_t result = 0;
    if (__builtin_add_overflow(a, b, &result))
        return b > 0 ? std::numeric_limits<int64_t>::max() : std::numeric_limits<int64_t>::min();
    return result;
}
} // namespace

Currency Currency::operator+(Currency other) const
{
    return fromUnits(saturatingAdd(m_units, other.m_units));
}

Currency Currency::operator-(Currency other) const
{
    if (other.m_units == std::numeric_limits<int64_t>::min())
        return fromUnits(saturatingAdd(saturatingAdd(m_units, std::numeric_limits<int64_t>::max()), 1));
    return fromUnits(saturatingAdd(m_units, -other.m_units));
}

QString Currency::toString() const
{
    const bool negative = m_units < 0;
    // Work in unsigned so that the most negative value has a magnitude too.
    const uint64_t magnitude = negative ? uint64_t(0) - uint64_t(m_units) : uint64_t(m_units);
    QString text = QString::number(magnitude / UnitsPerRouble);
    uint64_t fraction = magnitude % UnitsPerRouble;
    if (fraction != 0) {
        QString digits = QString::number(fraction).rightJustified(4, QLatin1Char('0'));
        while (digits.endsWith(QLatin1Char('0')))
            digits.chop(1);
        text += QLatin1Char('.') + digits;
    }
    return negative ? QLatin1Char('-') + text : text;
}
