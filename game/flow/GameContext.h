// What every screen of the game stands on: the game state, the services from outside, the
// hooks through which each subsystem plugs its pages and screens into the main screen and the
// menu, and the game flow's own moves that the menu and the main screen ask for.
//
// A subsystem registers itself in one wiring function (addComputerPage(GameContext&), ...)
// that the wiring function buildGame() calls once; nothing else in the flow names it.
#pragma once

#include "Services.h"

#include <array>
#include <functional>
#include <vector>

struct GameState;
class MainScreen;
class QWidget;

inline constexpr int MainPageCount = 5;

// What a subsystem contributes to one of the pages 1 to 4 of the main screen.
struct PageHooks {
    // Fills the page with the subsystem's panels and controls. The page's "Да" button is the
    // flow's and is already on the page.
    std::function<void(QWidget& page)> build;
    // The page's "Да": the flow selects page 0, runs confirmBeforeResume, resumes the clock
    // unless the slider stands at pause, then runs confirmAfterResume.
    std::function<void(MainScreen&)> confirmBeforeResume, confirmAfterResume;
};

struct Hooks {
    std::array<PageHooks, MainPageCount> pages; // index 0, the home page, is the flow's own
    // Run in order once every page is built, before the main screen's load steps: the
    // subsystems wire their catalogues (MainScreen::addCatalogue) and home-page controls.
    std::vector<std::function<void(MainScreen&)>> fillMainScreen;
    // Brings a subsystem's controls into line with the game state, after a new game and after
    // a loaded game; run in order of registration.
    std::vector<std::function<void(MainScreen&)>> refresh;

    // Toolbar keys "Razrab", "Inet", "Otdih": the main screen is hidden first (and for "Inet"
    // and "Otdih" its clock stopped after). An empty hook leaves the key without effect.
    std::function<void(MainScreen&)> openDevelopment, openInternet, openRest;

    // Menu buttons "Сохранить игру", "Загрузить игру", "Настройки": modal over the menu.
    std::function<void(QWidget& menu)> openSave, openLoad, openSettings;
    // Run by the main screen's load unless the settings were once cancelled (the load asks).
    std::function<void(MainScreen&)> applyColourScheme;
};

struct GameContext {
    GameState& game;
    Services services;
    Hooks hooks;

    // The game flow's moves (set by GameFlow).
    std::function<void()> startNewGame;     // the name is in playerName
    std::function<void()> continueGame;
    std::function<void()> openMenuFromMainScreen;
    // A game has just been read into the state: bring every screen into line, close the menu
    // and show the main screen. The clock is left as it is.
    std::function<void()> showLoadedGame;
    // The main screen, once the first game has created it; nullptr before.
    std::function<MainScreen*()> mainScreen;

    Dialogs& dialogs() const { return *services.dialogs; }
    RandomSource& random() const;
    AnimationClock& clock() const;
    void quit() const
    {
        if (services.quit)
            services.quit();
    }
    // A game has been started or loaded in this program run (the main screen exists).
    bool gameRuns() const { return mainScreen && mainScreen(); }
    // The menu's exit question "Товарищ, Вы действительно хотите выйти?": Yes ends the
    // program at once without saving; returns whether it did.
    bool askToExit(QWidget* parent) const;
};
