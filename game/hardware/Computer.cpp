#include "Computer.h"

#include <algorithm>
#include <cmath>

namespace {
Currency priceOf(const Part& p)
{
    return Currency::fromRoubles(p.price);
}

QString priceText(const Part& p)
{
    return QString::number(p.price) + QStringLiteral(" p.");
}
} // namespace

Purchase buyPart(GameState& g, const Part& p)
{
    if (g.money < priceOf(p) || isSet(g.*p.owned))
        return {};

    Purchase purchase{true, &p, {}};
    const float usedGb = float(g.hddCapacityGb) - g.hddFreeGb;
    // Every part the category holds goes back at its full price (there is one, unless a saved
    // game broke the one-part rule), and the new one is paid once.
    Currency takenBack;
    for (const Part& q : partsOf(p.category)) {
        if (&q != &p && isSet(g.*q.owned)) {
            takenBack += priceOf(q);
            g.*q.owned = False;
            purchase.enable.push_back(&q);
        }
    }
    g.money = g.money + takenBack - priceOf(p);
    g.*p.owned = True;

    if (p.category == Category::HardDisk) {
        g.hddCapacityGb = p.capacityGb;
        g.hddFreeGb = purchase.enable.empty() ? float(p.capacityGb) : float(p.capacityGb) - usedGb;
    }
    return purchase;
}

QString partPriceText(const GameState& g, const Part& p)
{
    if (!ownedPart(g, p.category))
        return priceText(p);
    return QStringLiteral("Если продать старую, то") + captionOf(p) + QStringLiteral(" - ")
         + priceText(p);
}

DiskBar diskBar(const GameState& g)
{
    DiskBar bar;
    if (g.hddCapacityGb <= 0)
        return bar;
    const float capacity = float(g.hddCapacityGb);
    bar.maximum = g.hddCapacityGb;
    bar.value = int(std::lround(std::clamp(capacity - g.hddFreeGb, 0.0f, capacity)));
    return bar;
}

ComputerSummary computerSummary(const GameState& g)
{
    ComputerSummary summary;
    for (const CategoryInfo& c : categories) {
        if (const Part* p = ownedPart(g, c.category))
            summary[size_t(c.category)] = captionOf(*p);
    }
    return summary;
}

ComputerConfirmed confirmComputer(const GameState& g)
{
    return {diskBar(g), computerSummary(g), QString::number(g.hddCapacityGb)};
}

void capacityFromOwnedDisk(GameState& g)
{
    if (const Part* disk = ownedPart(g, Category::HardDisk))
        g.hddCapacityGb = disk->capacityGb;
}

bool categoryHeld(const GameState& g, Category c)
{
    Flag combined = 0;
    for (const Part& p : partsOf(c))
        combined = Flag(combined ^ g.*p.owned);
    return isSet(combined);
}

bool heldAmong(const GameState& g, std::initializer_list<Flag GameState::*> flags)
{
    Flag combined = 0;
    for (Flag GameState::*f : flags)
        combined = Flag(combined ^ g.*f);
    return isSet(combined);
}

bool isComputerComplete(const GameState& g)
{
    return std::all_of(categories.begin(), categories.end(), [&](const CategoryInfo& c) {
        return !c.required || categoryHeld(g, c.category);
    });
}
