#include "Career.h"

#include "Skills.h"

#include <algorithm>
#include <limits>

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

    const bool systems = holdsGroup(g, SkillGroup::Systems);
    const bool web = holdsGroup(g, SkillGroup::Web);
    const bool design = holdsGroup(g, SkillGroup::Design);
    const bool programming = holdsGroup(g, SkillGroup::Programming);
    for (const StatusTest& t : statusTests) {
        if ((!t.systems || systems) && (!t.web || web) && (!t.design || design)
            && (!t.programming || programming))
            g.statusTitle = QString::fromUtf8(t.title);
    }
    return {g.statusTitle, QString::number(g.experience)};
}

const std::array<JobLine, 9> jobLines{{
    {3, "Верстальщик, 3 р./день", "lblVerst"},
    {5, "Детский учитель по Delphi, 5 р./день", "lblProg1"},
    {10, "Веб-дизайнер, 10 р./день", "lblWebD"},
    {12, "Дизайнер, 12 р./день", "lblDiz"},
    {18, "Веб -программист, 18 р./день", "lblWebProg"},
    {20, "Программист, 20 р./день", "lblProg2"},
    {25, "Программист, 25 р./день", "lblProg3"},
    {30, "Веб -мастер, 30 р./день", "lblWebM"},
    {37, "Программист, 37 р./день", "lblProg4"},
}};

const JobLine* jobForPay(int16_t dailyPay)
{
    const auto it = std::find_if(jobLines.begin(), jobLines.end(),
                                 [&](const JobLine& j) { return j.dailyPay == dailyPay; });
    return it == jobLines.end() ? nullptr : &*it;
}

std::optional<QString> jobLineForPay(int16_t dailyPay)
{
    if (const JobLine* job = jobForPay(dailyPay))
        return QString::fromUtf8(job->text);
    return std::nullopt;
}
