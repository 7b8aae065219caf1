// Every window of the game closed from outside, as the window manager closes it (Alt+F4, the
// taskbar): the close reaches the window's native handle, never a button of the game. The
// program runs on, the game is as it was where the close should change nothing, and the next
// action works.
#include "support/GameHarness.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QSlider>
#include <QWindow>

namespace {
QTimer* clockOf(MainScreen* s)
{
    return s->control<QTimer>("TimerMain");
}

QWidget* topLevel(const char* name)
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String(name) && w->isVisible())
            return w;
    }
    return nullptr;
}

// How one window is reached, and what must hold once the window manager has closed it.
struct WindowCase {
    const char* window;
    std::function<void(FlowHarness&)> open;
    std::function<void(FlowHarness&)> check;
};

const std::vector<WindowCase>& windowCases()
{
    static const std::vector<WindowCase> cases = {
        {"frmMenu",
         // The start menu: the exit question; No keeps the menu and a new game starts.
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
         [](FlowHarness& h) {
             h.newGame()->toolbarKey(QStringLiteral("Menu"));
         },
         [](FlowHarness& h) {
             QTRY_VERIFY(!h.flow->menu());
             MainScreen* s = h.flow->mainScreen();
             QVERIFY(s->isVisible());
             QVERIFY(clockOf(s)->isActive());
         }},
        {"frmMain",
         // The main screen: the exit question; No and the days go on.
         [](FlowHarness& h) {
             h.newGame();
             h.dialogs.yesNo = {false};
         },
         [](FlowHarness& h) {
             MainScreen* s = h.flow->mainScreen();
             QCOMPARE(h.dialogs.count("yesno"), 1);
             QVERIFY(s->isVisible());
             QVERIFY(clockOf(s)->isActive());
             s->dailyTick();
             QCOMPARE(h.game.dayCounter, int16_t(2));
         }},
        {"frmAbout",
         // The About box: as its OK.
         [](FlowHarness& h) {
             h.openMenu()->openAbout();
         },
         [](FlowHarness& h) {
             QTRY_VERIFY(!topLevel("frmAbout"));
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
        c.open(h);
        QApplication::processEvents();
        QWidget* window = topLevel(c.window);
        QVERIFY2(window && window->windowHandle(), c.window);
        h.dialogs.asked.clear();
        QCloseEvent close;
        QApplication::sendEvent(window->windowHandle(), &close);
        QApplication::processEvents();
        QCOMPARE(h.quits, 0);
        QVERIFY(!h.dialogs.ranOut);
        c.check(h);
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
