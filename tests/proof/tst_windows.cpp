// Every window of the game closed from outside, as the window manager closes it (Alt+F4, the
// taskbar): the close reaches the window's native handle, never a button of the game. The
// program runs on, the game is as it was where the close should change nothing, and the next
// action works.
#include "support/GameHarness.h"

#include "kit/Controls.h"
#include "internet/ui/InternetScreen.h"
#include "virus/ui/VirusScreen.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QWindow>

namespace {
QTimer* clockOf(MainScreen* s)
{
    return s->control<QTimer>("TimerMain");
}

using G = GameState;

// A whole computer with Windows XP and a modem, as a loaded game would show it.
MainScreen* gameWithAComputer(FlowHarness& h)
{
    MainScreen* main = h.newGame();
    for (Flag G::*f : {&G::mbEcs, &G::hdd40GbIbm, &G::cpuPentium4At2400, &G::ram512Ddr,
                       &G::videoGf4Ti4200, &G::monitorSonyE215e, &G::cdRwLg24, &G::modemRadio,
                       &G::installedWinXp})
        h.game.*f = True;
    h.game.hddCapacityGb = 40;
    h.game.hddFreeGb = 30.0f;
    for (const auto& refresh : h.flow->context().hooks.refresh)
        refresh(*main);
    return main;
}

InternetScreen* internetScreen()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* screen = qobject_cast<InternetScreen*>(w))
            return screen;
    }
    return nullptr;
}

// The main screen back in front with its clock running, and the next day passing.
void gameGoesOn(FlowHarness& h)
{
    MainScreen* s = h.flow->mainScreen();
    QTRY_VERIFY(s->isVisible());
    QVERIFY(!s->isMinimized());
    QVERIFY(clockOf(s)->isActive());
    const int16_t day = h.game.dayCounter;
    s->dailyTick();
    QCOMPARE(h.game.dayCounter, int16_t(day + 1));
}

// How one window is reached, and what must hold once the window manager has closed it.
// prepare sets the game up; open brings the window up (it may run the window modally, until
// the close).
struct WindowCase {
    const char* window;
    std::function<void(FlowHarness&)> prepare;
    std::function<void(FlowHarness&)> open;
    std::function<void(FlowHarness&)> check;
};

const auto nothing = [](FlowHarness&) {};

// The game as it stood when the window manager closed the window.
GameState beforeClose;

const std::vector<WindowCase>& windowCases()
{
    static const std::vector<WindowCase> cases = {
        {"frmMenu",
         // The start menu: the exit question; No keeps the menu and a new game starts.
         nothing,
         [](FlowHarness& h) {
             h.openMenu();
             h.dialogs.yesNo = {false};
         },
         [](FlowHarness& h) {
             QCOMPARE(h.dialogs.count("yesno"), 1);
             QVERIFY(h.flow->menu() && h.flow->menu()->isVisible());
             QVERIFY(h.newGame() && h.flow->mainScreen()->isVisible());
         }},
        {"frmMenu",
         // The menu over a game: as "Продолжить игру", the clock as the slider says.
         [](FlowHarness& h) { h.newGame(); },
         [](FlowHarness& h) { h.flow->mainScreen()->toolbarKey(QStringLiteral("Menu")); },
         [](FlowHarness& h) {
             QTRY_VERIFY(!h.flow->menu());
             gameGoesOn(h);
         }},
        {"frmMain",
         // The main screen: the exit question; No and the days go on.
         [](FlowHarness& h) { h.newGame(); },
         [](FlowHarness& h) { h.dialogs.yesNo = {false}; },
         [](FlowHarness& h) {
             QCOMPARE(h.dialogs.count("yesno"), 1);
             gameGoesOn(h);
         }},
        {"frmAbout",
         // The About box: as its OK.
         [](FlowHarness& h) { h.openMenu(); },
         [](FlowHarness& h) { h.flow->menu()->openAbout(); },
         [](FlowHarness& h) {
             QTRY_VERIFY(!shownWindow("frmAbout"));
             QVERIFY(h.flow->menu()->isVisible());
         }},
        {"frmRazrabotka",
         // The development screen: as its "Да".
         [](FlowHarness& h) { h.newGame(); },
         [](FlowHarness& h) { h.flow->mainScreen()->toolbarKey(QStringLiteral("Razrab")); },
         gameGoesOn},
        {"frmOtdyh",
         // The rest screen: as its "Да", the clock as the slider says.
         [](FlowHarness& h) { h.newGame(); },
         [](FlowHarness& h) { h.flow->mainScreen()->toolbarKey(QStringLiteral("Otdih")); },
         gameGoesOn},
        {"frmInter",
         // The internet screen, online: as "Отключить / Выйти", billing ends.
         [](FlowHarness& h) { gameWithAComputer(h); },
         [](FlowHarness& h) {
             h.flow->mainScreen()->toolbarKey(QStringLiteral("Inet"));
             internetScreen()->connectModem();
         },
         [](FlowHarness& h) {
             QVERIFY(!internetScreen()->session().connected());
             QVERIFY(!internetScreen()->control<QTimer>("tmrVremiaDengi")->isActive());
             gameGoesOn(h);
         }},
        {"frmVirus",
         // The virus window waits for the player's choice; letting it pass then leaves the
         // internet screen as a disconnect does.
         [](FlowHarness& h) { gameWithAComputer(h); },
         [](FlowHarness& h) {
             h.flow->mainScreen()->toolbarKey(QStringLiteral("Inet"));
             InternetScreen* screen = internetScreen();
             screen->connectModem();
             h.random.add(1); // a virus came along
             h.random.add(4); // and does no harm when let pass
             screen->disconnectAndLeave();
         },
         [](FlowHarness& h) {
             VirusScreen* virus = internetScreen()->virusScreen();
             QVERIFY(virus && virus->isVisible());
             QTest::mouseClick(virus->findChild<QLabel*>(QStringLiteral("lblPropust")),
                               Qt::LeftButton);
             QVERIFY(!internetScreen()->isVisible());
             QVERIFY(!internetScreen()->session().connected());
             gameGoesOn(h);
         }},
        {"frmUstanovka",
         // The installation dialog: as its cancel; nothing is installed.
         [](FlowHarness& h) {
             gameWithAComputer(h)->toolbarKey(QStringLiteral("Program"));
         },
         [](FlowHarness& h) {
             QTest::mouseClick(h.flow->mainScreen()->control("lblAntiDr"), Qt::LeftButton);
         },
         [](FlowHarness& h) {
             QVERIFY(h.game == beforeClose);
             pressTavorel(h.flow->mainScreen()->control("cmdProgDa"));
             gameGoesOn(h);
         }},
        {"frmSave",
         // The save dialog: as "Нет", nothing written.
         [](FlowHarness& h) { h.newGame(); },
         [](FlowHarness& h) {
             h.flow->mainScreen()->toolbarKey(QStringLiteral("Menu"));
             h.flow->menu()->button(1)->click();
         },
         [](FlowHarness& h) {
             QTRY_VERIFY(!shownWindow("frmSave"));
             QCOMPARE(h.dialogs.count("tell"), 0);
             QVERIFY(h.game == beforeClose);
             h.flow->menu()->button(4)->click();
             gameGoesOn(h);
         }},
        {"frmLoad",
         // The load dialog: as "Нет", the game as it was.
         [](FlowHarness& h) { h.newGame(); },
         [](FlowHarness& h) {
             h.flow->mainScreen()->toolbarKey(QStringLiteral("Menu"));
             h.flow->menu()->button(2)->click();
         },
         [](FlowHarness& h) {
             QTRY_VERIFY(!shownWindow("frmLoad"));
             QVERIFY(h.game == beforeClose);
             h.flow->menu()->button(4)->click();
             gameGoesOn(h);
         }},
        {"frmNastroiki",
         // The settings screen: as "Нет".
         nothing,
         [](FlowHarness& h) { h.openMenu()->button(5)->click(); },
         [](FlowHarness& h) {
             QTRY_VERIFY(!shownWindow("frmNastroiki"));
             QCOMPARE(h.game.settingsCancelled, True);
             QVERIFY(h.flow->menu()->isVisible());
         }},
    };
    return cases;
}
} // namespace

class TestWindows : public QObject {
    Q_OBJECT

private slots:
    void closedFromOutsideTheGameGoesOn_data()
    {
        QTest::addColumn<int>("row");
        int row = 0;
        for (const WindowCase& c : windowCases())
            QTest::newRow(qPrintable(QStringLiteral("%1 #%2").arg(c.window).arg(row))) << row++;
    }
    void closedFromOutsideTheGameGoesOn()
    {
        QFETCH(int, row);
        const WindowCase& c = windowCases()[size_t(row)];
        FlowHarness h;
        c.prepare(h);
        h.dialogs.asked.clear();
        // The close comes once the window is up, also when it runs modally inside open().
        bool closed = false;
        QTimer::singleShot(0, [&] {
            QWidget* window = shownWindow(c.window);
            if (window && window->windowHandle()) {
                beforeClose = h.game;
                QCloseEvent close;
                QApplication::sendEvent(window->windowHandle(), &close);
                closed = true;
            }
        });
        c.open(h);
        QTRY_VERIFY2(closed, c.window);
        QApplication::processEvents();
        QCOMPARE(h.quits, 0);
        QVERIFY(!h.dialogs.ranOut);
        c.check(h);
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
