#include "GameFlow.h"

#include "MainScreen.h"
#include "MenuScreen.h"

#include "state/GameState.h"
#include "state/NewGame.h"

GameFlow::GameFlow(GameState& game, Services services)
    : m_game(game), m_services(std::move(services))
{
    Q_ASSERT(m_services.dialogs);
}

GameFlow::~GameFlow()
{
    delete m_menu.data();
}

void GameFlow::quit()
{
    if (m_services.quit)
        m_services.quit();
}

MenuScreen* GameFlow::openMenu(MenuMode mode)
{
    if (m_menu) {
        m_menu->raise();
        return m_menu;
    }
    m_menu = new MenuScreen(*this);
    if (mode == MenuMode::Modal)
        m_menu->setWindowModality(Qt::ApplicationModal);
    m_menu->show();
    return m_menu;
}

MainScreen& GameFlow::ensureMainScreen()
{
    if (!m_mainScreen)
        m_mainScreen = std::make_unique<MainScreen>(*this);
    return *m_mainScreen;
}

void GameFlow::startNewGame()
{
    // The first game creates the main screen only now, so its load applies the colour scheme
    // with the colours the initialisation has just set.
    const PlayerLabels labels = newGame(m_game);
    MainScreen& screen = ensureMainScreen();
    screen.showPlayerLabels(labels);
    // The new game's day, work record and full mood replace the previous game's: a mood bar
    // left at 1 would otherwise end the new game on its first day, and a clock stopped by the
    // menu would leave it frozen.
    screen.showClockLabels(clockLabels(m_game));
    screen.setClockFromSlider();
    screen.show();
}

void GameFlow::continueGame()
{
    if (!m_mainScreen)
        return;
    m_mainScreen->setClockFromSlider();
    m_mainScreen->show();
}
