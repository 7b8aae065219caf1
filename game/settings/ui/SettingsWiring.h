// The settings subsystem in the game: the menu's save, load and settings buttons, the colour
// scheme on the screens, and the melodies that the main screen's timers keep playing.
#pragma once

struct GameContext;
class SaveFolder;

void installSettings(GameContext& context);

// The folder the dialogs save to and list: the context's, or else the player's data folder.
SaveFolder& saveFolderOf(const GameContext& context);
