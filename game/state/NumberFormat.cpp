#include "NumberFormat.h"

#include "GameState.h"

#include <algorithm>

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

float shownMood(float mood)
{
    return mood > 0.0f ? std::min(mood, FullMood) : 0.0f; // not a number shows as 0
}

QString moodPercentText(float mood)
{
    const QString text = withSignPosition(shownMood(mood));
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    return text.left(std::max<qsizetype>(3, point < 0 ? text.size() : point));
}
