// Page 3 of the main screen: the computer parts, the price line, and what its "Да" shows on
// the home page (the configuration summary) and the software page (the disk bar).
#pragma once

#include "Computer.h"

struct GameContext;
class MainScreen;

void installComputerPage(GameContext& context);

// The disk-usage bar prgVint on the software page. A bar whose maximum is lowered below its
// value would empty itself; the value is set after the maximum and kept within it.
void showDiskBar(MainScreen& screen, const DiskBar& bar);

// The nine summary labels of the home page; an entry without a caption leaves its label as it
// is unless clearAbsent, when it is emptied (a new or loaded game shows only its own parts).
void showComputerSummary(MainScreen& screen, const ComputerSummary& summary, bool clearAbsent);

// The page and the summary as the state stands, after a new game and after a load: owned parts'
// labels disabled and the others enabled, the capacity from the owned disk, the disk bar and
// its capacity label, the summary.
void refreshComputer(MainScreen& screen);
