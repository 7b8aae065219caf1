#include "MenuHighlight.h"

std::vector<MenuHighlight::Change> MenuHighlight::focusIn(int k)
{
    m_remembered = int16_t(k);
    return {{k, true}};
}

std::vector<MenuHighlight::Change> MenuHighlight::mouseOver(int k)
{
    m_remembered = int16_t(k);
    std::vector<Change> changes{{k, true}};
    for (int neighbour : {k - 1, k + 1}) {
        if (isButton(neighbour))
            changes.push_back({neighbour, false});
    }
    return changes;
}

std::vector<MenuHighlight::Change> MenuHighlight::focusOut()
{
    if (!isButton(m_remembered))
        return {};
    return {{m_remembered, false}};
}

std::vector<MenuHighlight::Change> MenuHighlight::backgroundMove()
{
    return focusOut();
}
