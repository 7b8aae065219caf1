#include "Skills.h"

#include <algorithm>
#include <limits>

using G = GameState;
using enum SkillGroup;

const std::array<Skill, 19> skills{{
    {&G::knowsWin98, &G::scoredWin98, 1, Systems},
    {&G::knowsWinXp, &G::scoredWinXp, 2, Systems},
    {&G::knowsUnix, &G::scoredUnix, 2, Systems},
    {&G::knowsVc, &G::scoredVc, 10, Programming},
    {&G::knowsVfp, &G::scoredVfp, 8, Programming},
    {&G::knowsVb, &G::scoredVb, 9, Programming},
    {&G::knowsPds, &G::scoredPds, 9, Programming},
    {&G::knowsDelphi, &G::scoredDelphi, 2, Programming},
    {&G::knowsHtml, &G::scoredHtml, 2, Web},
    {&G::knowsPhp, &G::scoredPhp, 2, Web},
    {&G::knowsPerl, &G::scoredPerl, 2, Web},
    {&G::knowsSql, &G::scoredSql, 2, Web},
    {&G::knowsApache, &G::scoredApache, 2, Web},
    {&G::knowsCorelDraw, &G::scoredCorelDraw, 2, Design},
    {&G::knowsPhotoshop, &G::scoredPhotoshop, 2, Design},
    {&G::knowsDreamweaver, &G::scoredDreamweaver, 2, Design},
    {&G::knowsFlash, &G::scoredFlash, 2, Design},
    {&G::knowsStudio3d, &G::scoredStudio3d, 2, Design},
    {&G::knowsOffice, &G::scoredOffice, 2, Design},
}};

namespace {
bool holdsGroup(const GameState& g, SkillGroup group)
{
    return std::any_of(skills.begin(), skills.end(), [&](const Skill& s) {
        return s.group == group && isSet(g.*s.knows);
    });
}

// The status tests run in this order, each later true test overwriting the earlier title.
struct StatusTest {
    bool systems, web, design, programming;
    const char* title;
};
constexpr StatusTest statusTests[] = {
    {true, false, false, false, "Пользователь"},
    {false, true, false, false, "Веб-мастер"},
    {false, false, true, false, "Пользователь+"},
    {false, false, false, true, "Программист"},
    {false, true, false, true, "Умный"},
    {false, true, true, true, "Умный+"},
};
} // namespace

StatusLabels recomputeExperience(GameState& g)
{
    for (const Skill& s : skills) {
        if (isSet(g.*s.knows) && !isSet(g.*s.scored)) {
            // A loaded game may carry any experience; it never passes the field's range.
            g.experience = int16_t(std::min<int>(g.experience + s.points,
                                                 std::numeric_limits<int16_t>::max()));
            g.*s.scored = True;
        }
    }

    const bool systems = holdsGroup(g, Systems);
    const bool web = holdsGroup(g, Web);
    const bool design = holdsGroup(g, Design);
    const bool programming = holdsGroup(g, Programming);
    for (const StatusTest& t : statusTests) {
        if ((!t.systems || systems) && (!t.web || web) && (!t.design || design)
            && (!t.programming || programming))
            g.statusTitle = QString::fromUtf8(t.title);
    }
    return {g.statusTitle, QString::number(g.experience)};
}
