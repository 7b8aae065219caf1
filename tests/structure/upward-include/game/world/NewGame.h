#pragma once

#include "state/GameState.h"
