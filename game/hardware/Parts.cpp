#include "Parts.h"

const Part* partWithLabel(QAnyStringView label)
{
    for (const Part& p : parts) {
        if (QAnyStringView::equal(label, QLatin1String(p.label)))
            return &p;
    }
    return nullptr;
}

const Part* ownedPart(const GameState& g, Category c)
{
    for (const Part& p : partsOf(c)) {
        if (isSet(g.*p.owned))
            return &p;
    }
    return nullptr;
}
