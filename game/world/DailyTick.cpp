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
    g.mood -= DailyMoodLoss;
    const bool newDay = advanceDay(g);
    addSeniority(g);
    day.lblStazh = withSignPosition(int64_t(g.seniority));

    if (moodBarShows == 1.0f) {
        day.gameOver = true;
        return day;
    }

    day.moodBar = g.mood;
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
            g.mood, moodPercentText(g.mood)};
}
