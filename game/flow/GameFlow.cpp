#include "GameFlow.h"

#include "kit/Controls.h"
#include "MainScreen.h"
#include "MenuScreen.h"

#include "state/GameState.h"
#include "world/DailyTick.h"
#include "world/NewGame.h"

GameFlow::GameFlow(GameState& game, Services services)
    : m_ctx{game, std::move(services), {}, {}, {}, {}, {}, {}}
{
    Q_ASSERT(m_ctx.services.dialogs);
    m_ctx.startNewGame = [this] { startNewGame(); };
    m_ctx.continueGame = [this] { continueGame(); };
    m_ctx.openMenuFromMainScreen = [this] { openMenuFromMainScreen(); };
    m_ctx.showLoadedGame = [this] { showLoadedGame(); };
    m_ctx.mainScreen = [this] { return mainScreen(); };
    // The flow's own part of bringing the screens into line: the player's data and the clock.
    m_ctx.hooks.refresh.push_back([](MainScreen& screen) {
        const GameState& g = screen.context().game;
        screen.showPlayerLabels(playerLabels(g));
        screen.showClockLabels(clockLabels(g));
    });
}

GameFlow::~GameFlow()
{
    delete m_menu.data();
}

MenuScreen* GameFlow::openMenu(MenuMode mode)
{
    if (m_menu) {
        m_menu->raise();
        return m_menu;
    }
    m_menu = new MenuScreen(m_ctx);
    if (mode == MenuMode::Modal)
        m_menu->setWindowModality(Qt::ApplicationModal);
    // The menu opens again where the player last had it.
    if (m_menuPlace)
        m_menu->move(*m_menuPlace);
    QObject::connect(m_menu, &MenuScreen::closed, m_menu,
                     [this, menu = m_menu.data()] { m_menuPlace = menu->pos(); });
    m_menu->show();
    return m_menu;
}

void GameFlow::openMenuFromMainScreen()
{
    MenuScreen* menu = openMenu(MenuMode::Modal);
    QPointer<MenuScreen> guard(menu);
    QObject::connect(menu, &MenuScreen::closed, menu, [guard] {
        if (guard)
            guard->enableSaveAndContinue();
    });
}

MainScreen& GameFlow::ensureMainScreen()
{
    if (!m_mainScreen)
        m_mainScreen = std::make_unique<MainScreen>(m_ctx);
    return *m_mainScreen;
}

void GameFlow::refreshScreens()
{
    if (!m_mainScreen)
        return;
    for (const auto& refresh : m_ctx.hooks.refresh)
        refresh(*m_mainScreen);
}

void GameFlow::startNewGame()
{
    // The first game creates the main screen only now, so its load applies the colour scheme
    // with the colours the initialisation has just set.
    newGame(m_ctx.game);
    MainScreen& screen = ensureMainScreen();
    // The new game's labels, pages, day, work record and full mood replace the previous
    // game's: a mood bar left at 1 would otherwise end the new game on its first day, and a
    // clock stopped by the menu would leave it frozen.
    refreshScreens();
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

void GameFlow::showLoadedGame()
{
    if (m_ctx.game.settingsConfirmed == False)
        setDefaultColours(m_ctx.game);
    MainScreen& screen = ensureMainScreen();
    refreshScreens();
    if (m_menu)
        m_menu->leave();
    // The loaded game runs as the slider says, as a new game does (the menu had stopped it).
    screen.setClockFromSlider();
    screen.show();
}
