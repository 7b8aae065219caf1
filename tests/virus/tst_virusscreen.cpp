// The virus window through its controls: its star shape, the hover colours of its actions, and
// each outcome of letting the virus pass as the main screen shows it afterwards.
#include "support/GameHarness.h"

#include "internet/ui/InternetScreen.h"
#include "virus/ui/VirusScreen.h"

#include "career/Jobs.h"
#include "kit/Colours.h"
#include "kit/Controls.h"
#include "flow/GameContext.h"
#include "hardware/Parts.h"
#include "software/Programs.h"

#include <QLabel>
#include <QProgressBar>
#include <QtTest>

using G = GameState;

namespace {
// A player with a whole computer, three programs and the job that pays 20 a day, online over
// the radio modem and disconnecting with a virus; the main screen shows all of it.
struct Infected {
    FlowHarness h;
    MainScreen* main = nullptr;
    InternetScreen* screen = nullptr;
    VirusScreen* virus = nullptr;

    explicit Infected(int outcomeDraw)
    {
        main = h.newGame();
        GameState& g = h.game;
        for (Flag G::*f : {&G::mbEcs, &G::hdd40GbIbm, &G::cpuPentium4At2400, &G::ram512Ddr,
                           &G::videoGf4Ti4200, &G::monitorSonyE215e, &G::cdRwLg24,
                           &G::modemRadio, &G::installedWinXp, &G::installedVfp,
                           &G::installedAntiKasp, &G::knowsVfp, &G::knowsWinXp})
            g.*f = True;
        g.hddCapacityGb = 40;
        g.hddFreeGb = 10.0f;
        g.dailyPay = 20;
        g.money = Currency::fromRoubles(300);
        // The main screen shows the computer, the programs and the job as a loaded game would.
        for (const auto& refresh : h.flow->context().hooks.refresh)
            refresh(*main);
        setCaption(main->control("lblRab"), *jobLineForPay(20));

        main->toolbarKey(QStringLiteral("Inet"));
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* s = qobject_cast<InternetScreen*>(w))
                screen = s;
        screen->connectModem();
        h.dialogs.asked.clear(); // the name asked at the start
        h.random.add(1);           // the coin: a virus came along
        h.random.add(outcomeDraw); // what it does when let pass
        screen->disconnectAndLeave();
        virus = screen->virusScreen();
        if (!virus || !QTest::qWaitForWindowExposed(virus))
            qFatal("the virus screen did not come up");
    }

    // The pointer moves over the virus window's own platform window (under the offscreen
    // platform a pointer moved by position would find the window beneath it first).
    void pointAt(QWidget* control, QPoint at = QPoint(10, 10)) const
    {
        QTest::mouseMove(virus->windowHandle(), control->mapTo(virus, at));
    }
    QString shown(const char* label) const { return caption(main->control(label)); }
    bool enabled(const char* label) const { return main->control(label)->isEnabled(); }
    QStringList told() const
    {
        QStringList texts;
        for (const auto& a : h.dialogs.asked)
            texts << a.text;
        return texts;
    }
};

const QString infected =
    QStringLiteral("В ваш компьютер проник вирус. Вы не воспользовались антивирусом.");
const QString programsGone = QStringLiteral(
    "Вирус удалил все установленные программы. Вы автоматически лишились работы.");
const QString unemployed = QStringLiteral("Безаботныц - пособие 1 р./день");
} // namespace

class VirusScreenTest : public QObject {
    Q_OBJECT

private slots:
    void windowIsCutToTheStar_data();
    void windowIsCutToTheStar();
    void actionsTurnRedUnderThePointer();
    void programLossShowsOnTheMainScreen();
    void theftShowsInTheMoney();
    void boardAndProcessorCanBeBoughtAgain();
    void diskLossClearsDiskProgramsAndJob();
    void noDamageLeavesTheMainScreenAsItWas();
    void theMainScreenIsBlockedWhileTheVirusIsUp();
};

void VirusScreenTest::windowIsCutToTheStar_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<bool>("inside");
    QTest::newRow("centre") << QPoint(365, 260) << true;
    QTest::newRow("top-left corner") << QPoint(5, 5) << false;
    QTest::newRow("upper tip") << QPoint(252, 100) << true;
    QTest::newRow("between the upper tips") << QPoint(300, 100) << false;
    QTest::newRow("right tip") << QPoint(525, 292) << true;
    QTest::newRow("notch below the right tip") << QPoint(500, 300) << false;
    QTest::newRow("left lower tip") << QPoint(200, 340) << true;
    QTest::newRow("bottom-right corner") << QPoint(555, 435) << false;
}

void VirusScreenTest::windowIsCutToTheStar()
{
    QFETCH(QPoint, point);
    QFETCH(bool, inside);
    Infected v(4);
    QVERIFY(v.virus);
    QVERIFY(v.virus->isVisible());
    QVERIFY(v.virus->isModal());
    QCOMPARE(v.virus->mask().contains(point), inside);
    // The picture of the window is transparent outside the star.
    const QImage picture = v.virus->grab().toImage();
    QCOMPARE(qAlpha(picture.pixel(point)) > 0, inside);
}

void VirusScreenTest::actionsTurnRedUnderThePointer()
{
    Infected v(4);
    QWidget* destroy = v.virus->control("lblUnictozh");
    QWidget* pass = v.virus->control("lblPropust");
    QCOMPARE(backColour(destroy), uint32_t(VirusScreen::RestColour));
    v.pointAt(destroy);
    QCOMPARE(backColour(destroy), uint32_t(255));
    QCOMPARE(backColour(pass), uint32_t(192));
    v.pointAt(pass);
    QCOMPARE(backColour(destroy), uint32_t(192));
    QCOMPARE(backColour(pass), uint32_t(255));
    v.pointAt(v.virus, QPoint(470, 200));
    QCOMPARE(backColour(destroy), uint32_t(192));
    QCOMPARE(backColour(pass), uint32_t(192));
    // Pressed, then let go beside them: neither acts.
    for (QWidget* action : {destroy, pass}) {
        QTest::mousePress(action, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(action, Qt::LeftButton, {}, QPoint(5, -20));
    }
    QVERIFY(v.h.dialogs.asked.isEmpty());
    QVERIFY(v.virus->isVisible());
}

void VirusScreenTest::programLossShowsOnTheMainScreen()
{
    Infected v(0);
    QVERIFY(!v.main->control("shpWinXP")->isHidden());
    QVERIFY(!v.enabled("lblProg2"));
    QTest::mouseClick(v.virus->control("lblPropust"), Qt::LeftButton);
    QCOMPARE(v.told(), (QStringList{infected, programsGone}));
    QVERIFY(!v.screen->virusScreen());
    QVERIFY(v.main->isVisible());
    for (const Program& p : programs)
        QVERIFY2(v.main->control(p.indicator)->isHidden(), p.indicator);
    QVERIFY(v.enabled("lblProg2"));
    QCOMPARE(v.shown("lblRab"), unemployed);
    QCOMPARE(v.h.game.dailyPay, int16_t(1));
    QCOMPARE(v.main->control<QProgressBar>("prgVint")->value(), 0);
    QCOMPARE(v.h.game.hddFreeGb, 40.0f);
    QVERIFY(!v.enabled("lblSoket478_ECS")); // the hardware stays
}

void VirusScreenTest::theftShowsInTheMoney()
{
    Infected v(1);
    QString shownDuringTheft;
    v.h.dialogs.onTell = [&](const ScriptedDialogs::Asked&) {
        shownDuringTheft = v.shown("lblDengi");
    };
    QTest::mouseClick(v.virus->control("lblPropust"), Qt::LeftButton);
    QCOMPARE(shownDuringTheft, QStringLiteral("-200"));
    QCOMPARE(v.told(), (QStringList{infected, QStringLiteral("Вирус перевёл с вашего счёта 500 р. Поздравляю!")}));
    QCOMPARE(v.h.game.money, Currency::fromRoubles(-200));
    QCOMPARE(v.shown("lblDengi"), QStringLiteral("-200"));
}

void VirusScreenTest::boardAndProcessorCanBeBoughtAgain()
{
    Infected v(2);
    QVERIFY(!v.enabled("lblSoket478_ECS"));
    QTest::mouseClick(v.virus->control("lblPropust"), Qt::LeftButton);
    QCOMPARE(v.told().last(), QStringLiteral("Товарищ Вася , в результате воздействия вируса у "
                                             "вас накрылись плата ЦП и процессор."));
    for (Category c : {Category::Motherboard, Category::Processor})
        for (const Part& p : partsOf(c)) {
            QVERIFY2(v.enabled(p.label), p.label);
            QCOMPARE(v.h.game.*p.owned, False);
        }
    QCOMPARE(v.shown("lblMBoard"), QStringLiteral("..."));
    QCOMPARE(v.shown("lblProc"), QStringLiteral("..."));
    QVERIFY(!v.enabled("lblHDD_40GB_IBM_7200rpm"));
    QCOMPARE(v.h.game.installedWinXp, True);
}

void VirusScreenTest::diskLossClearsDiskProgramsAndJob()
{
    Infected v(3);
    QTest::mouseClick(v.virus->control("lblPropust"), Qt::LeftButton);
    QCOMPARE(v.told(), (QStringList{infected, programsGone,
                                    QStringLiteral("Да, забыл сказать, винчестер-то накрылся!\r\n"
                                                   "Советую купить новый!")}));
    for (const Part& p : partsOf(Category::HardDisk))
        QVERIFY2(v.enabled(p.label), p.label);
    QCOMPARE(v.h.game.hddCapacityGb, int16_t(0));
    QCOMPARE(v.h.game.hddFreeGb, 0.0f);
    QCOMPARE(v.shown("lblVint"), QStringLiteral("..."));
    QCOMPARE(v.shown("lblObiomVint"), QStringLiteral("."));
    QCOMPARE(v.shown("lblRab"), unemployed);
    QVERIFY(v.enabled("lblProg2"));
    QVERIFY(v.main->control("shpVFP")->isHidden());
    QVERIFY(!v.enabled("lblSoket478_ECS"));
}

void VirusScreenTest::noDamageLeavesTheMainScreenAsItWas()
{
    Infected v(4);
    const GameState before = v.h.game;
    const QString job = v.shown("lblRab");
    QTest::mouseClick(v.virus->control("lblPropust"), Qt::LeftButton);
    QCOMPARE(v.told(), QStringList{infected});
    QCOMPARE(v.shown("lblRab"), job);
    QVERIFY(!v.main->control("shpWinXP")->isHidden());
    QCOMPARE(v.h.game.installedVfp, before.installedVfp);
    QCOMPARE(v.h.game.dailyPay, before.dailyPay);
    QVERIFY(v.main->isVisible());
}

void VirusScreenTest::theMainScreenIsBlockedWhileTheVirusIsUp()
{
    Infected v(4);
    // The disconnect waits: the clock labels still run and the screen is still up.
    QVERIFY(v.screen->isVisible());
    QVERIFY(v.screen->session().connected());
    QVERIFY(QApplication::activeModalWidget() == v.virus);
    QTest::mouseClick(v.virus->control("lblPropust"), Qt::LeftButton);
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(!v.screen->session().connected());
    QVERIFY(!v.screen->isVisible());
    QVERIFY(v.main->isVisible());
    QVERIFY(!v.screen->control<QTimer>("tmrVremiaDengi")->isActive());
}

QTEST_MAIN(VirusScreenTest)
#include "tst_virusscreen.moc"
