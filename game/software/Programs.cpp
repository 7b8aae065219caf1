#include "Programs.h"

#include <algorithm>

namespace {
std::vector<const Program*> sectionSortedBy(Section s, int8_t Program::*place)
{
    std::vector<const Program*> result;
    for (const Program& p : programs) {
        if (p.section == s)
            result.push_back(&p);
    }
    std::sort(result.begin(), result.end(),
              [place](const Program* a, const Program* b) { return a->*place < b->*place; });
    return result;
}
} // namespace

const Program* programWithKey(QAnyStringView key)
{
    for (const Program& p : programs) {
        if (QAnyStringView::equal(key, QLatin1String(p.key)))
            return &p;
    }
    return nullptr;
}

const Program* programWithLabel(QAnyStringView label)
{
    for (const Program& p : programs) {
        if (QAnyStringView::equal(label, QLatin1String(p.label)))
            return &p;
    }
    return nullptr;
}

std::vector<const Program*> programsInPanel(Section s)
{
    return sectionSortedBy(s, &Program::panelRow);
}

std::vector<const Program*> programsInList(Section s)
{
    return sectionSortedBy(s, &Program::listRank);
}
