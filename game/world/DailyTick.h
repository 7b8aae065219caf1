// The game clock: one game day per tick, and the speed slider.
#pragma once

#include "state/GameState.h"

#include "development/ProjectDays.h"

#include <QString>

#include <optional>

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
