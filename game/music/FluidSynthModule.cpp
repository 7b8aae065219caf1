// The entry point of the music module libtrevinor-fluidsynth.so: the fluidsynth-backed player,
// made for the game that loaded the module.
#include "FluidSynthPlayer.h"
#include "MusicModule.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT MusicPlayer* trevinorCreateMusicPlayer()
{
    return new FluidSynthPlayer();
}

// The game calls it through this type.
[[maybe_unused]] constexpr MusicModuleFactory checkedFactory = &trevinorCreateMusicPlayer;
