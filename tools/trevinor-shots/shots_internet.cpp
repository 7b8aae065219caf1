// The internet screen while dialling, connected in its wide layout, on its courses page, and
// the virus window in its star shape.
#include "ShotInput.h"
#include "Shots.h"

#include "internet/ui/InternetScreen.h"
#include "internet/OnlineServices.h"
#include "virus/ui/VirusScreen.h"

#include <QApplication>
#include <QRadioButton>
#include <QTimer>

namespace {
InternetScreen* internetScreen()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* screen = qobject_cast<InternetScreen*>(w))
            return screen;
    return nullptr;
}

// A player with an ADSL modem, Windows XP, an antivirus and a finished application, online.
InternetScreen* goOnline(ShotSession& s)
{
    MainScreen* main = s.newGame();
    for (Flag GameState::*f : {&GameState::modemAdsl, &GameState::installedWinXp,
                               &GameState::installedAntiKasp})
        s.game.*f = True;
    s.game.money = Currency::fromRoubles(1500);
    main->toolbarKey(QStringLiteral("Inet"));
    InternetScreen* screen = internetScreen();
    if (screen)
        screen->connectModem();
    return screen;
}

// Dials up to the end and lets the status panel see the connection.
InternetScreen* goOnlineConnected(ShotSession& s)
{
    InternetScreen* screen = goOnline(s);
    if (!screen)
        return nullptr;
    for (int tick = 0; tick < 3; ++tick)
        screen->dialTick();
    screen->watchTick();
    return screen;
}

void loadCompletely(ShotSession& s, InternetScreen* screen)
{
    s.clock.advance(1000);
    screen->loadTick();
}

bool dialling(ShotSession& s)
{
    InternetScreen* screen = goOnline(s);
    if (!screen)
        return false;
    for (int tick = 0; tick < 3; ++tick)
        screen->dialTick();
    return s.save(screen, QStringLiteral("internet-dialling.png"));
}

bool connectedWide(ShotSession& s)
{
    InternetScreen* screen = goOnlineConnected(s);
    if (!screen)
        return false;
    for (int second = 0; second < 75; ++second)
        screen->billingTick();
    s.game.projectName = QStringLiteral("Калькулятор");
    screen->chooseService(*onlineService(QStringLiteral("Option14")));
    loadCompletely(s, screen);
    screen->toggleDetails();
    return s.save(screen, QStringLiteral("internet-wide.png"));
}

bool coursesPage(ShotSession& s)
{
    InternetScreen* screen = goOnlineConnected(s);
    if (!screen)
        return false;
    screen->openSection(3); // "Программирование"
    s.clock.advance(250);
    screen->loadTick();
    bool ok = s.save(screen, QStringLiteral("internet-loading.png"));
    loadCompletely(s, screen);
    ok &= s.save(screen, QStringLiteral("internet-courses.png"));
    return ok;
}

// The antivirus page with Dr. Web chosen and the pointer on "Да", and the entertainment page.
bool antivirusAndFun(ShotSession& s)
{
    InternetScreen* screen = goOnlineConnected(s);
    if (!screen)
        return false;
    screen->openSection(2); // "Антивирусы"
    loadCompletely(s, screen);
    screen->control<QRadioButton>("optDr")->setChecked(true);
    pointAt(screen->control("lblAntiDa"), QPointF(5, 5));
    bool ok = s.save(screen, QStringLiteral("internet-antivirus.png"));
    screen->openSection(4); // "Развлечения"
    loadCompletely(s, screen);
    ok &= s.save(screen, QStringLiteral("internet-fun.png"));
    return ok;
}

bool virusWindow(ShotSession& s)
{
    InternetScreen* screen = goOnline(s);
    if (!screen)
        return false;
    s.random.add(1); // the coin brings a virus
    screen->disconnectAndLeave();
    VirusScreen* virus = screen->virusScreen();
    return virus && s.save(virus, QStringLiteral("virus.png"));
}

const ShotRegistrar dial("50-internet-dialling", dialling);
const ShotRegistrar wide("51-internet-wide", connectedWide);
const ShotRegistrar courses("52-internet-courses", coursesPage);
const ShotRegistrar antivirus("53-internet-antivirus", antivirusAndFun);
const ShotRegistrar virus("54-virus", virusWindow);
} // namespace
