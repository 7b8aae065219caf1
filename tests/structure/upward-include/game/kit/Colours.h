#pragma once

#include "state/GameState.h"
#include "world/NewGame.h" // upward: the kit leans on a rule, though it stands on the record only
