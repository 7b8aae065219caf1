#include "ProjectDays.h"

#include "state/NumberFormat.h"

#include <limits>

int16_t developmentDays(int32_t projectType)
{
    if (projectType < 0 || projectType >= int32_t(developmentDaysTable.size()))
        return 0;
    return developmentDaysTable[size_t(projectType)];
}

DevelopmentProgress advanceProject(GameState& g)
{
    const int16_t days = developmentDays(g.devProjectType);
    if (g.devDaysDone < std::numeric_limits<uint8_t>::max())
        ++g.devDaysDone;
    DevelopmentProgress progress{days, g.devDaysDone,
                                 QStringLiteral("Приложение разрабатывается ... ")
                                     + QStringLiteral("Осталось ")
                                     + withSignPosition(int64_t(days) - g.devDaysDone)
                                     + QStringLiteral(" дней."),
                                 false};
    if (g.devDaysDone >= days) {
        g.finishedProjectType = g.devProjectType;
        g.developing = False;
        g.devDaysDone = 0;
        progress.value = 0;
        progress.lblRazrabotka = QStringLiteral("Готово. Приложение разработано!");
        progress.finished = true;
    }
    return progress;
}

ListsAfterFinish listsAfterFinish(const QString& sourceText, const QString& projectListText,
                                  const QString& webListText)
{
    if (sourceText == projectListText)
        return ListsAfterFinish::EnableProjectList;
    if (sourceText == webListText)
        return ListsAfterFinish::EnableWebList;
    return ListsAfterFinish::Unchanged;
}
