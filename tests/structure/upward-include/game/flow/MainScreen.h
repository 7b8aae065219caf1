#pragma once

#include "hardware/ui/PartsPage.h" // upward: the main screen includes a subsystem's screen
#include "world/NewGame.h"
