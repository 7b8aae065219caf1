// The game's course through its screens: the main menu opens first, a new, continued or loaded
// game goes to the main screen, and the main screen opens the menu again. The flow owns the
// game context every screen stands on.
#pragma once

#include "GameContext.h"
#include "MenuScreen.h"
#include "kit/ScreenPlacement.h"

#include <QPointer>

#include <memory>
#include <optional>

struct GameState;
class MainScreen;

class GameFlow {
public:
    GameFlow(GameState& game, Services services);
    ~GameFlow();
    GameFlow(const GameFlow&) = delete;
    GameFlow& operator=(const GameFlow&) = delete;

    GameContext& context() { return m_ctx; }
    GameState& game() { return m_ctx.game; }
    Dialogs& dialogs() { return m_ctx.dialogs(); }

    enum class MenuMode { Start, Modal };
    // Creates and shows the menu (at program start an ordinary window; from the main screen a
    // modal one). A menu that is open already is raised instead.
    MenuScreen* openMenu(MenuMode mode);
    MenuScreen* menu() const { return m_menu; }

    // The main screen exists from the first game started or loaded until the program ends.
    MainScreen* mainScreen() const { return m_mainScreen.get(); }
    MainScreen& ensureMainScreen();

    // New game, once the player's name is in playerName: initialise the game, bring every
    // screen into line and show the main screen.
    void startNewGame();
    // Continue: the clock as the speed slider says, and the main screen.
    void continueGame();
    // A saved game has been read into the state.
    void showLoadedGame();
    // Every subsystem's refresh, in order, on the main screen.
    void refreshScreens();

private:
    void openMenuFromMainScreen();

    GameContext m_ctx;
    ScreenPlacement m_placement;
    QPointer<MenuScreen> m_menu;
    std::optional<QPoint> m_menuPlace; // where the player last had the menu
    std::unique_ptr<MainScreen> m_mainScreen;
};
