// A stand-in for the game's music module: the same file name and factory, making a player that
// only remembers what it was asked (FakeMusicPlayer).
#include "FakeMusicPlayer.h"

#include "music/MusicModule.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT MusicPlayer* trevinorCreateMusicPlayer()
{
    return new FakeMusicPlayer();
}
