// The game clock: one game day per tick, and the speed slider.
#pragma once

#include "GameState.h"

#include <QString>

#include <array>
#include <optional>

// Days an application of each level takes; any index outside the table takes 0 days.
inline constexpr std::array<int16_t, 15> developmentDaysTable{
    10, 50, 55, 60, 70, 75, 80, 85, 90, 95, 100, 80, 85, 90, 95};
int16_t developmentDays(int32_t projectType);

// Every day the mood falls by this much.
inline constexpr float DailyMoodLoss = 0.5f;
// The antivirus bases are out of date again at the start of every week.
inline constexpr int DaysPerWeek = 7;

// Slider1: 0 = a day every 5 s, 1 = a day every second, 2 = pause.
inline constexpr int SliderSlow = 0, SliderNormal = 1, SliderPause = 2;
struct ClockSetting {
    bool enabled;
    std::optional<int> intervalMs; // nothing: the interval is left as it is
};
ClockSetting clockForSlider(int position);
// Whether a button that closes a page or screen starts the clock again.
bool clockResumes(int sliderPosition);

struct DevelopmentProgress {
    int16_t maximum;       // prgRazrabotka's maximum
    int value;             // prgRazrabotka's value
    QString lblRazrabotka;
    bool finished;
};

struct DayResult {
    QString label1;       // the day before this tick's increment
    QString lblStazh;
    bool gameOver = false; // show "Game Over" and end the program; nothing below applies
    float moodBar = 0.0f;  // what ProgressBar1 holds from now on
    QString lblPercent;
    QString lblDengi;
    std::optional<DevelopmentProgress> development;
};

// One game day. moodBarShows is the value the mood bar holds (stored by the previous tick).
DayResult dailyTick(GameState& g, float moodBarShows);

// What the clock's labels and the mood bar show for the game as it stands (a new or loaded
// game, before its first tick).
struct ClockLabels {
    QString label1;
    QString lblStazh;
    float moodBar;
    QString lblPercent;
};
ClockLabels clockLabels(const GameState& g);

// When a project is finished, which of the development screen's lists the player gets back,
// from the selected texts of the source list, lstTipProj and lstWeb.
enum class ListsAfterFinish { EnableProjectList, EnableWebList, Unchanged };
ListsAfterFinish listsAfterFinish(const QString& sourceText, const QString& projectListText,
                                  const QString& webListText);
