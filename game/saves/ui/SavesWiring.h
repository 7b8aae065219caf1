// The saved games in the game: the menu's "Сохранить игру" and "Загрузить игру" open the save
// and load dialogs over the menu, on the context's saves folder.
#pragma once

struct GameContext;
class SaveFolder;

void addSaveAndLoadDialogs(GameContext& context);

// The folder the dialogs save to and list: the context's, or else the player's data folder.
SaveFolder& saveFolderOf(const GameContext& context);
