// New-game initialisation.
#pragma once

#include "state/GameState.h"
#include "state/Message.h"

#include <QString>

#include <optional>

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

// Why a typed name cannot be the player's name (a warning), else nothing. A name is saved with
// the game in Windows-1251, at most 126 bytes, so a name with other characters or a longer one
// could never be saved; it is refused where it is typed. Blanks are a name like any other.
std::optional<Message> playerNameProblem(const QString& name);
