// Page 4 of the main screen: the software catalogue.
#pragma once

struct GameContext;

void installSoftwarePage(GameContext& context);
