// The application under development, day by day: how many days each level takes, the day of
// work the clock gives the project, and the list a finished project gives back.
#pragma once

#include "state/GameState.h"

#include <QString>

#include <array>
#include <cstdint>

// Days an application of each level takes; any index outside the table takes 0 days.
inline constexpr std::array<int16_t, 15> developmentDaysTable{
    10, 50, 55, 60, 70, 75, 80, 85, 90, 95, 100, 80, 85, 90, 95};
int16_t developmentDays(int32_t projectType);

struct DevelopmentProgress {
    int16_t maximum;       // prgRazrabotka's maximum
    int value;             // prgRazrabotka's value
    QString lblRazrabotka;
    bool finished;
};

// One day of work on the project under way (the daily tick, while developing is -1): the
// progress bar and label, and the finished project when its last day is done.
DevelopmentProgress advanceProject(GameState& g);

// When a project is finished, which of the development screen's lists the player gets back,
// from the selected texts of the source list, lstTipProj and lstWeb.
enum class ListsAfterFinish { EnableProjectList, EnableWebList, Unchanged };
ListsAfterFinish listsAfterFinish(const QString& sourceText, const QString& projectListText,
                                  const QString& webListText);
