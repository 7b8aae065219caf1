// What the game and its music module agree on: the module's file and the one function it
// exports, which makes its music player. The game loads the module only when a melody is first
// asked for (LazyMusicPlayer), so it starts without the synthesiser and its libraries.
#pragma once

class MusicPlayer;

// The module's file, in the game's private library folder (build/lib in a build tree).
inline constexpr char MusicModuleFileName[] = "libtrevinor-fluidsynth.so";
// The exported C function that makes the module's player; the caller owns it. The module
// stays loaded for the rest of the run, so the player may live as long as the game.
inline constexpr char MusicModuleFactoryName[] = "trevinorCreateMusicPlayer";
extern "C" {
using MusicModuleFactory = MusicPlayer* (*)();
}
