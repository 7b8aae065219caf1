// "A number with a sign position": a blank before zero and positive numbers, a minus sign
// before negative ones, a point as decimal separator, no grouping (550 -> " 550").
#pragma once

#include "Currency.h"

#include <QString>

#include <cstdint>

QString withSignPosition(int64_t value);
QString withSignPosition(float value);
QString withSignPosition(Currency value);

// What the mood bar and its text show of a mood: a saved game may hold any number, the bar
// holds 0 to 100.
float shownMood(float mood);

// The mood text of lblPercent: the first three characters of the shown mood with a sign
// position (99.5 -> " 99", 9.5 -> " 9."), and never less than its whole number (100 -> " 100").
QString moodPercentText(float mood);
