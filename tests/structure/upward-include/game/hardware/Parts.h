#pragma once

#include "state/GameState.h"
#include "ui/PartsPage.h" // upward: a rule includes its screen
