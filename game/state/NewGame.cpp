#include "NewGame.h"

#include "NumberFormat.h"
#include "career/Skills.h"
#include "hardware/Parts.h"
#include "software/Programs.h"

namespace {
// A second game in the same program run starts exactly like the first: nothing of the
// previous game's computer or project carries over (no disk space without a disk, no
// Longhorn or antivirus without a computer, no finished project to sell again).
void forgetPreviousGame(GameState& g)
{
    g.installedLonghorn = False;
    g.installedAntiDr = False;
    g.installedAntiNorton = False;
    g.installedAntiKasp = False;
    g.hddCapacityGb = 0;
    g.hddFreeGb = 0.0f;
    g.finishedProjectType = 0;
    g.projectName.clear();
    g.devProjectType = 0;
}
} // namespace

PlayerLabels newGame(GameState& g)
{
    for (const Skill& s : skills)
        g.*s.knows = False;
    for (const Program& p : programs)
        g.*p.installed = False;
    for (const Part& p : parts)
        g.*p.owned = False;

    if (!isSet(g.settingsConfirmed))
        setDefaultColours(g);

    g.mood = 100.0f;
    g.dayCounter = 1;
    g.dailyPay = 1;
    g.statusTitle = QStringLiteral("Ламер");
    g.experience = 0;
    g.jobTitle = QStringLiteral("Безработный, пособие - 1p./день");
    g.money = Currency::fromRoubles(550);

    g.antivirusUpdated = False;
    g.seniority = 0;
    g.seniorityPerDay = 0;
    for (const Skill& s : skills)
        g.*s.scored = False;
    for (auto flag : onlinePurchaseFlags)
        g.*flag = False;
    g.devDaysDone = 0;
    g.developing = False;
    forgetPreviousGame(g);

    return playerLabels(g);
}

PlayerLabels playerLabels(const GameState& g)
{
    return {g.playerName, g.statusTitle, withSignPosition(int64_t(g.experience)), g.jobTitle,
            withSignPosition(g.money)};
}
