// The whole game built headless for a screen test, through the same wiring as the program:
// a scripted player answers the dialogs and records what was asked, a hand-moved clock drives
// the animations, scripted draws stand for chance, and the times the program was ended are
// counted.
#pragma once

#include "GameWiring.h"

#include "kit/Dialogs.h"
#include "flow/GameFlow.h"
#include "flow/MainScreen.h"
#include "flow/MenuScreen.h"

#include "state/GameState.h"
#include "state/Random.h"

#include <QApplication>
#include <QList>
#include <QMetaObject>
#include <QTest>
#include <QTimer>

#include <vuzedovi/Tavorel.h>

#include <functional>
#include <memory>

class ScriptedDialogs final : public Dialogs {
public:
    struct Asked {
        QString kind; // "text", "yesno" or "tell"
        QString text;
        QString caption;
        Icon icon;
        QString defaultText = {}; // what an input box showed
    };
    QList<QString> names;     // answers of the input box, in order
    QList<bool> yesNo;        // answers of the Yes/No boxes, in order
    QList<Asked> asked;
    bool ranOut = false;      // the screen asked more than the script answers
    std::function<void(const Asked&)> onTell; // runs while a message is up

    QString askText(QWidget*, const QString& prompt, const QString& caption,
                    const QString& defaultText = QString()) override
    {
        asked.append({QStringLiteral("text"), prompt, caption, Icon::None, defaultText});
        if (names.isEmpty()) {
            ranOut = true;
            return QString();
        }
        return names.takeFirst();
    }
    bool askYesNo(QWidget*, const QString& text, const QString& caption, Icon icon) override
    {
        asked.append({QStringLiteral("yesno"), text, caption, icon});
        if (yesNo.isEmpty()) {
            ranOut = true;
            return true; // ends any question loop
        }
        return yesNo.takeFirst();
    }
    void tell(QWidget*, const QString& text, const QString& caption, Icon icon) override
    {
        asked.append({QStringLiteral("tell"), text, caption, icon});
        if (onTell)
            onTell(asked.last());
    }

    int count(const QString& kind) const
    {
        int n = 0;
        for (const Asked& a : asked)
            n += a.kind == kind;
        return n;
    }
};

struct FlowHarness {
    GameState game;
    ScriptedDialogs dialogs;
    ManualClock clock;
    ScriptedRandom random;
    int quits = 0;
    std::unique_ptr<GameFlow> flow;

    // extra: runs after every subsystem is installed, to add a test's own hooks.
    explicit FlowHarness(const std::function<void(GameContext&)>& extra = {})
    {
        Services services;
        services.dialogs = &dialogs;
        services.clock = &clock;
        services.random = &random;
        services.quit = [this] { ++quits; };
        flow = buildGame(game, std::move(services));
        if (extra)
            extra(flow->context());
    }

    MenuScreen* openMenu() { return flow->openMenu(GameFlow::MenuMode::Start); }

    // Starts a game for the player called name from a fresh menu.
    MainScreen* newGame(const QString& name = QStringLiteral("Вася"))
    {
        dialogs.names.append(name);
        openMenu()->newGameProcedure();
        QApplication::processEvents();
        return flow->mainScreen();
    }
};

// The three positions of the speed slider and the clock each gives.
inline void addClockColumnsAndRows()
{
    QTest::addColumn<int>("slider");
    QTest::addColumn<bool>("running");
    QTest::addColumn<int>("interval");
    QTest::newRow("0: a day every 5 s") << 0 << true << 5000;
    QTest::newRow("1: a day every second") << 1 << true << 1000;
    QTest::newRow("2: pause") << 2 << false << 1000;
}

// One left press on a Tavorel button, as the control reports it: MouseDown, then its own
// Scroll Lock keystroke as KeyDown and KeyUp.
inline void pressTavorel(QWidget* control)
{
    auto* button = qobject_cast<vuzedovi::Tavorel*>(control);
    short left = 1, keyCode = 145, shift = 0;
    float x = 30, y = 30;
    emit button->MouseDown(left, shift, x, y);
    emit button->KeyDown(keyCode, shift);
    emit button->KeyUp(keyCode, shift);
}

inline void mouseOverTavorel(QWidget* control)
{
    short button = 0, shift = 0;
    float x = 30, y = 30;
    emit qobject_cast<vuzedovi::Tavorel*>(control)->MouseMove(button, shift, x, y);
}

// The shown top-level window of that name (a screen, a dialog), or null.
inline QWidget* shownWindow(const char* name)
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String(name) && w->isVisible())
            return w;
    }
    return nullptr;
}

inline void fire(QTimer* timer)
{
    QMetaObject::invokeMethod(timer, "timeout");
}
