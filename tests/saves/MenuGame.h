// The whole game for the tests that open the menu's screens: its saves in a temporary folder,
// a player that only listens, and the menu opened as the player opens it.
#pragma once

#include "music/FakeMusicPlayer.h"
#include "saves/SaveTestSupport.h"
#include "support/GameHarness.h"

#include "flow/GameContext.h"

#include <QTemporaryDir>
#include <QPushButton>
#include <QtTest>

// The whole game with its saves in a temporary folder and a player that only listens.
struct Game {
    QTemporaryDir dir;
    FixedFolder folder{dir.path()};
    FakeMusicPlayer music;
    FlowHarness h{[this](GameContext& c) {
        c.services.saves = &folder;
        c.services.music = &music;
    }};
};

template <class T = QWidget> inline T* child(QWidget* root, const char* name)
{
    return root->findChild<T*>(QString::fromLatin1(name));
}

// The menu opened from the main screen's toolbar (or at the start when there is no game).
inline MenuScreen* openMenu(Game& g)
{
    if (MainScreen* main = g.h.flow->mainScreen())
        main->toolbarKey(QStringLiteral("Menu"));
    else
        g.h.openMenu();
    return g.h.flow->menu();
}

inline QWidget* openFromMenu(Game& g, int button, const char* screen)
{
    MenuScreen* menu = openMenu(g);
    QTest::mouseClick(menu->button(button), Qt::LeftButton);
    return shownWindow(screen);
}
