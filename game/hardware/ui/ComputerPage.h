// Page 3 of the main screen: the computer parts, the price line, and what its "Да" shows on
// the home page (the configuration summary) and the software page (the disk bar), through the
// main screen's functions for them.
#pragma once

#include "hardware/Computer.h"

struct GameContext;
class MainScreen;

void addComputerPage(GameContext& context);

// The page and the summary as the state stands, after a new game and after a load: owned parts'
// labels disabled and the others enabled, the capacity from the owned disk, the disk bar and
// its capacity label, the summary.
void refreshComputer(MainScreen& screen);
