// The one function that builds the game: the flow with its context, and every subsystem
// plugged in. The program, the screenshot maker and the tests all build the game through it,
// each with the services it needs (real ones, a scripted player, fakes).
#pragma once

#include "flow/GameFlow.h"
#include "flow/Services.h"

#include <memory>

struct GameState;

std::unique_ptr<GameFlow> buildGame(GameState& game, Services services);
