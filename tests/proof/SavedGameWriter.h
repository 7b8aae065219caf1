// The games the saving child of tst_killsave writes over and over: game k differs from its
// neighbours in every text's length, the money and the day, so a file mixed from two saves
// reads as none of them.
#pragma once

#include "state/GameState.h"
#include "world/NewGame.h"

inline constexpr int WriterGames = 5;

inline GameState writerGame(int k)
{
    GameState g;
    g.playerName = QStringLiteral("Игрок ") + QString(k % WriterGames + 1, QChar(u'Ж'));
    newGame(g);
    g.dayCounter = int16_t(k % WriterGames + 10);
    g.money = Currency::fromUnits(123456789 * (k % WriterGames + 1));
    g.projectName = QString(20 * (k % WriterGames), QChar(u'я'));
    g.knowsWin98 = k % WriterGames % 2 ? True : False;
    return g;
}
