// The game's course through its screens: the main menu opens first, a new or continued game
// goes to the main screen, and the main screen opens the menu again.
#pragma once

#include "MenuScreen.h"
#include "Services.h"

#include <QPointer>

#include <memory>

struct GameState;
class MainScreen;


class GameFlow {
public:
    GameFlow(GameState& game, Services services);
    ~GameFlow();
    GameFlow(const GameFlow&) = delete;
    GameFlow& operator=(const GameFlow&) = delete;

    GameState& game() { return m_game; }
    const Services& services() const { return m_services; }
    Dialogs& dialogs() { return *m_services.dialogs; }
    void quit();

    enum class MenuMode { Start, Modal };
    // Creates and shows the menu (at program start an ordinary window; from the main screen a
    // modal one). A menu that is open already is raised instead.
    MenuScreen* openMenu(MenuMode mode);
    MenuScreen* menu() const { return m_menu; }

    // The main screen exists from the first game started or loaded until the program ends.
    MainScreen* mainScreen() const { return m_mainScreen.get(); }
    MainScreen& ensureMainScreen();

    // New game, once the player's name is in playerName: initialise the game and show the
    // main screen.
    void startNewGame();
    // Continue: the clock as the speed slider says, and the main screen.
    void continueGame();

private:
    GameState& m_game;
    Services m_services;
    QPointer<MenuScreen> m_menu;
    std::unique_ptr<MainScreen> m_mainScreen;
};
