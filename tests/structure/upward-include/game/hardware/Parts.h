#pragma once

#include "state/GameState.h"
#include "PartsPage.h" // upward: a rule includes its screen
