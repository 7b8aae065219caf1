#include "Skills.h"

#include <algorithm>
#include <limits>

using enum SkillGroup;

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
