// The screenshot maker: pictures of the game's screens for the documentation, made without a
// display. Each picture is a shot: a function that plays a fresh game into the state it wants
// to show and saves pictures through its session. A shot registers itself with a
// ShotRegistrar in its own file; shots run in the order of their keys.
#pragma once

#include "GameWiring.h"

#include "kit/Dialogs.h"
#include "flow/MainScreen.h"
#include "flow/Services.h"

#include "state/GameState.h"
#include "state/Random.h"

#include <QDir>
#include <QStringList>

#include <memory>

// The player of the pictures: types the names given (then "Вася Пупкин"), answers every
// question with No and reads every message.
class ScriptedPlayer final : public Dialogs {
public:
    QStringList names;
    QString askText(QWidget*, const QString&, const QString&, const QString&) override
    {
        return names.isEmpty() ? QStringLiteral("Вася Пупкин") : names.takeFirst();
    }
    bool askYesNo(QWidget*, const QString&, const QString&, Icon) override { return false; }
    void tell(QWidget*, const QString&, const QString&, Icon) override {}
};

// A fresh game for one shot: its own state, the scripted player, a hand-moved clock and
// scripted chance.
class ShotSession {
public:
    explicit ShotSession(const QDir& folder);
    ~ShotSession();

    GameState game;
    ScriptedPlayer player;
    ManualClock clock;
    ScriptedRandom random;
    std::unique_ptr<GameFlow> flow;

    // The menu's "Новая игра" with the scripted name: the main screen, clock stopped.
    MainScreen* newGame();
    // Saves a picture of the widget as the file; false when it could not be written.
    bool save(QWidget* widget, const QString& file);

private:
    QDir m_folder;
};

using ShotFunction = bool (*)(ShotSession&);
struct ShotRegistrar {
    ShotRegistrar(const char* key, ShotFunction shot);
};
