// New-game initialisation.
#pragma once

#include "GameState.h"

#include <QString>

struct PlayerLabels {
    QString lblName;
    QString lblStatus;
    QString lblOpit;  // with a sign position
    QString lblRab;
    QString lblDengi; // with a sign position
};

// Starts a game for the player whose name is already in playerName.
PlayerLabels newGame(GameState& g);

// The player's labels as the game stands (after a new game or a load).
PlayerLabels playerLabels(const GameState& g);
