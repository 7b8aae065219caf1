// The settings in the game: the menu's "Настройки" opens the settings screen over the menu,
// and the colour scheme reaches the main screen as it loads and the screens that exist when
// the settings are confirmed.
#pragma once

struct GameContext;

void addSettingsScreen(GameContext& context);
