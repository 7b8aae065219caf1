// The rules of the computer page: buying and exchanging parts, the price shown while the
// pointer rests on a part, the page's "Да" (disk bar, capacity, summary), the configuration
// summary and the complete-computer condition.
#pragma once

#include "Parts.h"

#include "state/GameState.h"

#include <QString>

#include <array>
#include <initializer_list>
#include <optional>
#include <vector>

// What a click on a part label did.
struct Purchase {
    bool bought = false;             // false: nothing changed (too little money, or owned)
    const Part* disable = nullptr;   // the bought part: its label is disabled
    std::vector<const Part*> enable; // the parts taken back: their labels are enabled again
};

// Buys part p. Into an empty category the price is paid; otherwise the old part is taken back
// at its full price and the new one paid, but only with the full price of the new one in hand.
// A first hard disk is empty; an exchanged disk keeps the used space, so the free space may
// become negative.
Purchase buyPart(GameState& g, const Part& p);

// lblShowTsena while the pointer rests on part p: "44 p." into an empty category, else
// "Если продать старую, то" + caption + " - 44 p.".
QString partPriceText(const GameState& g, const Part& p);

// The disk-usage bar prgVint: its maximum is the capacity (left as it is while there is no
// disk) and its value the used space. A disk fuller than its capacity (after an exchange for a
// smaller one) shows a full bar; a free space above the capacity shows an empty one.
struct DiskBar {
    std::optional<int> maximum;
    int value = 0;
    bool operator==(const DiskBar&) const = default;
};
DiskBar diskBar(const GameState& g);

// The configuration summary, one entry per category in summary order: the caption of the
// category's owned part, or nothing when the category has none (the label keeps its text).
using ComputerSummary = std::array<std::optional<QString>, 9>;
ComputerSummary computerSummary(const GameState& g);

// What cmdKompDa shows once it has returned to the home page and resumed the clock.
struct ComputerConfirmed {
    DiskBar prgVint;
    ComputerSummary summary;
    QString lblObiomVint; // the capacity as plain digits
};
ComputerConfirmed confirmComputer(const GameState& g);

// After a game is loaded the capacity follows the owned hard disk; without a disk it is left
// as it is.
void capacityFromOwnedDisk(GameState& g);

// True when the category's flags, combined by exclusive-or, are set: one part of it is owned.
bool categoryHeld(const GameState& g, Category c);
// The same test over a list of flags ("a part among ...").
bool heldAmong(const GameState& g, std::initializer_list<Flag GameState::*> flags);

// Motherboard, hard disk, processor, memory, video card, monitor and CD drive are all there;
// sound card and modem are not needed.
bool isComputerComplete(const GameState& g);
