// "A number with a sign position": a blank before zero and positive numbers, a minus sign
// before negative ones, a point as decimal separator, no grouping (550 -> " 550").
#pragma once

#include "Currency.h"

#include <QString>

#include <cstdint>

QString withSignPosition(int64_t value);
QString withSignPosition(float value);
QString withSignPosition(Currency value);

// The mood text of lblPercent: the first three characters of the mood with a sign position
// (99.5 -> " 99", 9.5 -> " 9.").
QString moodPercentText(float mood);
