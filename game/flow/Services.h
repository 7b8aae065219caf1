// What the screens of the game flow get from outside: the dialogs, the way the program ends,
// and the places where the other subsystems plug their screens in. An empty hook means that
// part of the game is not there yet, and its key or button does nothing.
#pragma once

#include <functional>
#include <vector>

class Dialogs;
class MainScreen;
class QWidget;

struct Services {
    Dialogs* dialogs = nullptr;
    // Ends the program at once, without saving.
    std::function<void()> quit;

    // Menu buttons: the save and load dialogs and the settings screen, opened modally over
    // the menu.
    std::function<void(QWidget& menu)> openSave, openLoad, openSettings;
    // The colour registry, built when the menu loads.
    std::function<void()> buildColourRegistry;

    // Run once each, in order, after the main screen has built its own controls and before
    // its load steps: the subsystems add their catalogue labels and controls to the pages.
    std::vector<std::function<void(MainScreen&)>> fillMainScreen;
    // The colour scheme, applied by the main screen's load unless the settings were cancelled.
    std::function<void(MainScreen&)> applyColourScheme;
    // The development, internet and rest screens opened from the toolbar.
    std::function<void(MainScreen&)> openDevelopment, openInternet, openRest;
};
