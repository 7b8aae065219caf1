// Pictures of the game's screens for the documentation, made without a display.
#pragma once

#include <QString>

// Plays the start of a game with a scripted player and saves a picture of the menu, the
// about box and every page of the main screen into the folder. Returns false when a picture
// could not be written.
bool writeScreenshots(const QString& folder);
