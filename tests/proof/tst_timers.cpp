// The timers that run while the player only looks. On the idle menu and the idle main screen
// every active timer is a named timer of the game meant to run there, and nothing, the
// game's timers or any other object's, wakes the process more often than every 10 ms.
#include "support/GameHarness.h"

#include <QAbstractEventDispatcher>
#include <QSlider>

namespace {

struct Running {
    QString name;   // objectName, or the class of an object that is no QTimer
    int intervalMs;
    bool gameTimer; // a QTimer
};

// Every timer registered for an object of an open window or of the application.
QList<Running> runningTimers()
{
    QList<QObject*> objects{qApp};
    objects += qApp->findChildren<QObject*>();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        objects << window;
        objects += window->findChildren<QObject*>();
    }
    QList<Running> running;
    QSet<QObject*> seen;
    for (QObject* object : objects) {
        if (seen.contains(object))
            continue;
        seen.insert(object);
        for (const auto& timer : QAbstractEventDispatcher::instance()->registeredTimers(object)) {
            const bool isTimer = qobject_cast<QTimer*>(object) != nullptr;
            running.append({isTimer ? object->objectName()
                                    : QString::fromLatin1(object->metaObject()->className()),
                            timer.interval, isTimer});
        }
    }
    return running;
}

enum class Idle { Menu, MainScreen, MenuOverGame };

} // namespace

Q_DECLARE_METATYPE(Idle)

class TimersTest : public QObject {
    Q_OBJECT

private slots:
    void idleScreensRunOnlyTheirNamedTimers_data();
    void idleScreensRunOnlyTheirNamedTimers();
};

void TimersTest::idleScreensRunOnlyTheirNamedTimers_data()
{
    QTest::addColumn<Idle>("idle");
    QTest::addColumn<int>("slider");
    QTest::addColumn<QStringList>("running"); // "name interval", sorted: these must run
    QTest::addColumn<QStringList>("allowed"); // and these may

    // TimerMain follows the slider; timMel1 keeps the menu's melody playing; the internet
    // screen's watch over its status panel, every 3 s, may run.
    const QStringList watch{"tmrKontrol 3000"};
    QTest::newRow("the menu at start") << Idle::Menu << 1 << QStringList{} << QStringList{};
    QTest::newRow("the main screen, a day a second")
        << Idle::MainScreen << 1 << QStringList{"TimerMain 1000", "timMel1 500"} << watch;
    QTest::newRow("the main screen, a day every 5 s")
        << Idle::MainScreen << 0 << QStringList{"TimerMain 5000", "timMel1 500"} << watch;
    QTest::newRow("the main screen, paused")
        << Idle::MainScreen << 2 << QStringList{"timMel1 500"} << watch;
    QTest::newRow("the menu over a running game")
        << Idle::MenuOverGame << 1 << QStringList{"timMel1 500"} << watch;
}

void TimersTest::idleScreensRunOnlyTheirNamedTimers()
{
    QFETCH(Idle, idle);
    QFETCH(int, slider);
    QFETCH(QStringList, running);
    QFETCH(QStringList, allowed);

    FlowHarness h;
    if (idle == Idle::Menu) {
        h.openMenu();
    } else {
        MainScreen* screen = h.newGame();
        screen->control<QSlider>("Slider1")->setValue(slider);
        if (idle == Idle::MenuOverGame)
            screen->toolbarKey(QStringLiteral("Menu"));
    }
    QApplication::processEvents();

    QStringList named; // the game's timers
    for (const Running& timer : runningTimers()) {
        QVERIFY2(timer.intervalMs >= 10,
                 qPrintable(QStringLiteral("%1 every %2 ms").arg(timer.name).arg(timer.intervalMs)));
        if (timer.gameTimer)
            named << QStringLiteral("%1 %2").arg(timer.name).arg(timer.intervalMs);
    }
    named.sort();
    for (const QString& timer : allowed)
        named.removeOne(timer);
    QCOMPARE(named, running);
}

QTEST_MAIN(TimersTest)
#include "tst_timers.moc"
