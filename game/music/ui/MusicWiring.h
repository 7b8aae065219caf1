// The melodies in the game: the main screen's melody timers timMel1 to timMel3 keep the
// context's music player playing.
#pragma once

struct GameContext;

void playMelodiesWithMainScreen(GameContext& context);
