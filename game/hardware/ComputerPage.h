// Page 3 of the main screen: the computer parts.
#pragma once

struct GameContext;

void installComputerPage(GameContext& context);
