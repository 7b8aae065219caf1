#include "NumberFormat.h"

namespace {
QString signPosition(const QString& digits, bool negative)
{
    return negative ? digits : QLatin1Char(' ') + digits;
}
} // namespace

QString withSignPosition(int64_t value)
{
    return signPosition(QString::number(value), value < 0);
}

QString withSignPosition(float value)
{
    if (value == 0.0f)
        value = 0.0f; // no "-0"
    // Single precision shows at most seven significant digits.
    return signPosition(QString::number(double(value), 'g', 7), value < 0.0f);
}

QString withSignPosition(Currency value)
{
    return signPosition(value.toString(), value < Currency());
}

QString moodPercentText(float mood)
{
    return withSignPosition(mood).left(3);
}
