#pragma once

#include "hardware/PartsPage.h" // upward: the kit includes a subsystem's screen
#include "world/NewGame.h"
