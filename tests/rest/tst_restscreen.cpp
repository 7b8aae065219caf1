// The rest screen through real input: opened by "Otdih" over the hidden main screen with the
// clock stopped, the underline and description under the pointer, the activities with their
// messages, and "Да" or the close button back to the main screen with the clock as the slider
// says.
#include "support/GameHarness.h"

#include "kit/Controls.h"

#include <QAction>
#include <QLabel>
#include <QSlider>
#include <QToolBar>

namespace {
void key(MainScreen* s, const char* name)
{
    s->control<QToolBar>("Toolbar1")->findChild<QAction*>(QString::fromLatin1(name))->trigger();
    QApplication::processEvents();
}

QWidget* restScreen()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("frmOtdyh"))
            return w;
    }
    return nullptr;
}

QLabel* label(QWidget* screen, const QString& name)
{
    return screen->findChild<QLabel*>(name);
}

QWidget* openRest(FlowHarness& h, MainScreen*& s)
{
    s = h.newGame();
    h.dialogs.asked.clear(); // the player's name at the new game
    key(s, "Otdih");
    return restScreen();
}
} // namespace

class RestScreenTest : public QObject {
    Q_OBJECT

private slots:
    void otdihHidesTheMainScreenAndStopsTheClock();
    void pointerUnderlinesAndDescribes();
    void activityIsBoughtByAClick_data();
    void activityIsBoughtByAClick();
    void daAndCloseResumeTheClockBySlider_data();
    void daAndCloseResumeTheClockBySlider();
    void restOnTheLastDayKeepsTheGameGoing();
};

void RestScreenTest::otdihHidesTheMainScreenAndStopsTheClock()
{
    FlowHarness h;
    MainScreen* s = nullptr;
    QWidget* r = openRest(h, s);
    QVERIFY(r);
    QVERIFY(r->isVisible());
    QVERIFY(!s->isVisible());
    QVERIFY(!s->control<QTimer>("TimerMain")->isActive());
    QCOMPARE(label(r, "Label6")->text(), QStringLiteral("О т д ы х"));
    QCOMPARE(label(r, "Label4")->text(), QStringLiteral("Посетить компьютерный клуб"));
    QCOMPARE(label(r, "lblOpisanie")->text(), QString());
    QCOMPARE(caption(controlNamed(r, "Tavorel27")), QStringLiteral("Тревинор"));
    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5"}) {
        QLabel* l = label(r, QString::fromLatin1(name));
        QVERIFY2(l->sizeHint().width() <= l->width(), name);
    }
}

void RestScreenTest::pointerUnderlinesAndDescribes()
{
    FlowHarness h;
    MainScreen* s = nullptr;
    QWidget* r = openRest(h, s);
    QLabel* cafe = label(r, "Label3");
    QTest::mouseMove(cafe, QPoint(2, 2));
    QTest::mouseMove(cafe);
    QVERIFY(cafe->font().underline());
    QCOMPARE(label(r, "lblOpisanie")->text(), QStringLiteral("Настроение + 30 %    -    80 р."));
    QTest::mouseMove(label(r, "Label5"));
    QCOMPARE(label(r, "lblOpisanie")->text(), QStringLiteral("Настроение + 100 %    -    270 р."));
    QVERIFY(!cafe->font().underline());
    QVERIFY(label(r, "Label5")->font().underline());
    // Straight onto "Да": the label's highlight ends with the pointer leaving it.
    QTest::mouseMove(controlNamed(r, "cmdDa"));
    QVERIFY(!label(r, "Label5")->font().underline());
    QCOMPARE(label(r, "lblOpisanie")->text(), QString());
    QTest::mouseMove(cafe);

    // Over the rest of the window (also over the picture) every underline goes.
    QTest::mouseMove(r, label(r, "Image1")->geometry().center());
    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5"})
        QVERIFY2(!label(r, QString::fromLatin1(name))->font().underline(), name);
    QCOMPARE(label(r, "lblOpisanie")->text(), QString());
}

void RestScreenTest::activityIsBoughtByAClick_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<float>("mood");
    QTest::addColumn<int>("money");
    QTest::addColumn<QString>("message");
    QTest::addColumn<float>("moodAfter");
    QTest::addColumn<int>("moneyAfter");
    QTest::newRow("too little money") << "Label1" << 50.0f << 34 << "Не хватает денег!" << 50.0f << 34;
    QTest::newRow("television caps mood") << "Label1" << 95.0f << 100 << "Настроение повысилось на 10 %>" << 100.0f << 65;
    QTest::newRow("cafe") << "Label3" << 40.0f << 80 << "Настроение повысилось на 30 %>" << 70.0f << 0;
    QTest::newRow("restaurant") << "Label5" << 10.0f << 300 << "Настроение повысилось до 100 %>" << 100.0f << 30;
}

void RestScreenTest::activityIsBoughtByAClick()
{
    QFETCH(QString, name);
    QFETCH(float, mood);
    QFETCH(int, money);
    QFETCH(QString, message);
    QFETCH(float, moodAfter);
    QFETCH(int, moneyAfter);
    FlowHarness h;
    MainScreen* s = nullptr;
    QWidget* r = openRest(h, s);
    h.game.mood = mood;
    h.game.money = Currency::fromRoubles(money);
    QTest::mouseClick(label(r, name), Qt::LeftButton);
    QCOMPARE(h.dialogs.asked.size(), 1);
    QCOMPARE(h.dialogs.asked[0].kind, QStringLiteral("tell"));
    QCOMPARE(h.dialogs.asked[0].text, message);
    QCOMPARE(h.dialogs.asked[0].caption, QStringLiteral("Тревинор"));
    QCOMPARE(h.dialogs.asked[0].icon, Dialogs::Icon::None);
    QCOMPARE(h.game.mood, moodAfter);
    QCOMPARE(h.game.money, Currency::fromRoubles(moneyAfter));
    QCOMPARE(caption(s->control("lblDengi")), QStringLiteral(" %1").arg(moneyAfter));
}

void RestScreenTest::daAndCloseResumeTheClockBySlider_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("slider");
    QTest::addColumn<bool>("running");
    QTest::newRow("Да, a day a second") << "cmdDa" << 1 << true;
    QTest::newRow("Да, a day in 5 s") << "cmdDa" << 0 << true;
    QTest::newRow("Да, paused") << "cmdDa" << 2 << false;
    QTest::newRow("close, a day a second") << "cmdClose" << 1 << true;
    QTest::newRow("close, paused") << "cmdClose" << 2 << false;
}

void RestScreenTest::daAndCloseResumeTheClockBySlider()
{
    QFETCH(QString, button);
    QFETCH(int, slider);
    QFETCH(bool, running);
    FlowHarness h;
    MainScreen* s = h.newGame();
    s->move(50, 40);
    const QPointer<MainScreen> same(s);
    s->control<QSlider>("Slider1")->setValue(slider);
    key(s, "Otdih");
    QWidget* r = restScreen();
    QVERIFY(!s->control<QTimer>("TimerMain")->isActive());
    s->setWindowState(Qt::WindowMinimized); // left minimised with "-" before
    pressTavorel(controlNamed(r, qPrintable(button)));
    QVERIFY(!r->isVisible());
    QVERIFY(same);
    QVERIFY(s->isVisible());
    QVERIFY(!s->isMinimized());
    QCOMPARE(s->pos(), QPoint(50, 40));
    QCOMPARE(s->control<QTimer>("TimerMain")->isActive(), running);
    key(s, "Otdih");
    QCOMPARE(restScreen(), r);
}

void RestScreenTest::restOnTheLastDayKeepsTheGameGoing()
{
    FlowHarness h;
    MainScreen* s = h.newGame();
    QTimer* clock = s->control<QTimer>("TimerMain");
    h.game.mood = 1.5f;
    fire(clock); // the mood bar shows 1: another day like this ends the game
    QCOMPARE(s->moodBar(), 1.0f);
    key(s, "Otdih");
    QTest::mouseClick(label(restScreen(), QStringLiteral("Label1")), Qt::LeftButton);
    pressTavorel(controlNamed(restScreen(), "cmdDa"));
    fire(clock);
    QCOMPARE(h.quits, 0);
    QCOMPARE(h.game.mood, 10.5f);
}

QTEST_MAIN(RestScreenTest)
#include "tst_restscreen.moc"
