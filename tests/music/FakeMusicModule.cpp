// A stand-in for the game's music module: the same file name and factory, making players that
// only remember what they were asked (FakeMusicPlayer), and counting how many it made.
#include "FakeMusicPlayer.h"

#include "music/MusicModule.h"

#include <QtGlobal>

namespace {
int playersMade = 0;
}

extern "C" Q_DECL_EXPORT MusicPlayer* trevinorCreateMusicPlayer()
{
    ++playersMade;
    return new FakeMusicPlayer();
}

extern "C" Q_DECL_EXPORT int fakeMusicModulePlayersMade()
{
    return playersMade;
}
