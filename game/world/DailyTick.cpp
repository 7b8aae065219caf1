#include "DailyTick.h"

#include "state/NumberFormat.h"

#include <algorithm>
#include <limits>

ClockSetting clockForSlider(int position)
{
    switch (position) {
    case SliderSlow:
        return {true, 5000};
    case SliderNormal:
        return {true, 1000};
    default:
        return {false, std::nullopt};
    }
}

bool clockResumes(int sliderPosition)
{
    return sliderPosition == SliderSlow || sliderPosition == SliderNormal;
}

namespace {
// The day counter stops at the last day a 16-bit counter can hold; it never wraps.
bool advanceDay(GameState& g)
{
    if (g.dayCounter == std::numeric_limits<int16_t>::max())
        return false;
    ++g.dayCounter;
    return true;
}

void addSeniority(GameState& g)
{
    const int64_t sum = int64_t(g.seniority) + g.seniorityPerDay;
    g.seniority = int32_t(std::min<int64_t>(sum, std::numeric_limits<int32_t>::max()));
}
} // namespace

DayResult dailyTick(GameState& g, float moodBarShows)
{
    DayResult day;
    day.label1 = withSignPosition(int64_t(g.dayCounter));
    // No rule raises the mood above full; a saved game that holds more falls from full.
    g.mood = std::min(g.mood, FullMood) - DailyMoodLoss;
    const bool newDay = advanceDay(g);
    addSeniority(g);
    day.lblStazh = withSignPosition(int64_t(g.seniority));

    // The mood runs out when the bar shows 1, or less for a saved mood off the half points.
    if (moodBarShows <= 1.0f) {
        day.gameOver = true;
        return day;
    }

    day.moodBar = shownMood(g.mood);
    day.lblPercent = moodPercentText(g.mood);

    g.money += Currency::fromRoubles(g.dailyPay);
    day.lblDengi = withSignPosition(g.money);

    if (newDay && g.dayCounter % DaysPerWeek == 0)
        g.antivirusUpdated = False;

    if (g.developing == True)
        day.development = advanceProject(g);
    return day;
}

ClockLabels clockLabels(const GameState& g)
{
    return {withSignPosition(int64_t(g.dayCounter)), withSignPosition(int64_t(g.seniority)),
            shownMood(g.mood), moodPercentText(g.mood)};
}
