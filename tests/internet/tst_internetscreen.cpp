// The internet screen played through its controls: dialling up, billing, page loads on the
// injected clock, the services, the layouts and hover effects, and the way back to the main
// screen past the virus window.
#include "support/GameHarness.h"

#include "internet/ui/InternetScreen.h"
#include "virus/ui/VirusScreen.h"

#include "kit/Colours.h"
#include "kit/Controls.h"
#include "flow/GameContext.h"

#include <QLabel>
#include <QProgressBar>
#include <QRadioButton>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolBar>
#include <QtTest>

using G = GameState;
using FlagList = QList<Flag GameState::*>;
Q_DECLARE_METATYPE(FlagList)

namespace {
// A new game with these parts and programs, standing on the internet screen.
struct Online {
    FlowHarness h;
    MainScreen* main = nullptr;
    InternetScreen* screen = nullptr;

    explicit Online(const FlagList& flags, int money = 550, int slider = 1)
    {
        main = h.newGame();
        h.dialogs.asked.clear(); // the name asked at the start
        for (Flag G::*f : flags)
            h.game.*f = True;
        h.game.money = Currency::fromRoubles(money);
        main->control<QSlider>("Slider1")->setValue(slider);
        auto* toolbar = main->control<QToolBar>("Toolbar1");
        QAction* inet = toolbar->findChild<QAction*>(QStringLiteral("Inet"));
        QTest::mouseClick(toolbar->widgetForAction(inet), Qt::LeftButton);
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* s = qobject_cast<InternetScreen*>(w))
                screen = s;
    }

    template <class T = QWidget> T* control(const char* name) const
    {
        T* found = screen->control<T>(name);
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QTimer* timer(const char* name) const { return control<QTimer>(name); }

    // A left press on a Tavorel button: it answers with the Scroll Lock keystroke, whose key
    // up the screen takes as the press.
    void press(const char* name) const
    {
        QTest::mouseClick(control(name), Qt::LeftButton, Qt::NoModifier, QPoint(6, 6));
        QCoreApplication::processEvents();
    }
    void click(const char* name) const
    {
        QTest::mouseClick(control(name), Qt::LeftButton, Qt::NoModifier, QPoint(8, 8));
    }
    void connectModem()
    {
        press("cmdPodkl");
        QVERIFY(screen->session().connected());
    }
    // The page load runs to its end on the hand-moved clock.
    void completeLoad()
    {
        h.clock.advance(60000);
        fire(timer("tmrZagruzka"));
        QVERIFY(!screen->session().loading());
    }
    const ScriptedDialogs::Asked& lastTold() const { return h.dialogs.asked.last(); }
    QString caption(const char* name) const { return ::caption(control(name)); }
    int tab() const { return control<QTabWidget>("SSTab1")->currentIndex(); }
};

const QString opening = QStringLiteral("Открытие страницы ...");
} // namespace

class InternetScreenTest : public QObject {
    Q_OBJECT

private slots:
    void inetOpensTheScreenOverAStoppedClock();
    void connectIsRefusedWithTwoModems();
    void connectStartsDiallingAndBilling();
    void pageLoadRunsOnTheClockAtEachModemSpeed_data();
    void pageLoadRunsOnTheClockAtEachModemSpeed();
    void sellingAFinishedProjectLogsTheSale();
    void courseWithOneRoubleTooFewOrExactlyEnough_data();
    void courseWithOneRoubleTooFewOrExactlyEnough();
    void basesAreUpdatedAndTheVirusDestroyed();
    void aStaleAntivirusCannotDestroyTheVirus();
    void leavingResumesTheClockBySlider_data();
    void leavingResumesTheClockBySlider();
    void closeButtonLeavesLikeDisconnect();
    void detailsWidenAndLeavingNarrows();
    void menuUnderlinesTheHoveredSection();
    void antivirusButtonHover();
    void coursePricesStandBesideTheirOptions_data();
    void coursePricesStandBesideTheirOptions();
};

void InternetScreenTest::inetOpensTheScreenOverAStoppedClock()
{
    Online o({});
    QVERIFY(o.screen);
    QVERIFY(o.screen->isVisible());
    QVERIFY(!o.main->isVisible());
    QVERIFY(!o.main->control<QTimer>("TimerMain")->isActive());
    QCOMPARE(o.screen->width(), 438);
    for (const char* label : {"lblPO_S", "lblPO_P", "lblAnti", "lblProgr", "lblRazvl"})
        QVERIFY(!o.control(label)->isEnabled());
    QVERIFY(o.timer("tmrKontrol")->isActive());
    QVERIFY(!o.timer("tmrSost")->isActive());
    QVERIFY(!o.timer("tmrVremiaDengi")->isActive());
}

void InternetScreenTest::connectIsRefusedWithTwoModems()
{
    Online o({&G::modemNeo56k, &G::modemAdsl, &G::installedWin98});
    o.press("cmdPodkl");
    QCOMPARE(o.h.dialogs.count(QStringLiteral("tell")), 1);
    QCOMPARE(o.lastTold().text, QStringLiteral("Товарищ, модем не установлен"));
    QCOMPARE(o.lastTold().caption, QStringLiteral("Предупреждение"));
    QCOMPARE(o.lastTold().icon, Dialogs::Icon::Exclamation);
    QVERIFY(!o.screen->session().connected());
    QVERIFY(o.control("cmdPodkl")->isVisible());
    QVERIFY(!o.control("lblAnti")->isEnabled());
    QVERIFY(!o.timer("tmrVremiaDengi")->isActive());
}

void InternetScreenTest::connectStartsDiallingAndBilling()
{
    Online o({&G::modemAdsl, &G::installedLinux}, 10);
    o.connectModem();
    QVERIFY(!o.control("cmdPodkl")->isVisible());
    QVERIFY(o.control("lblProgr")->isEnabled());
    QWidget* panel = o.control("PanelSost");
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->mapTo(o.screen, QPoint(0, 0)), QPoint(16, 112)); // 240, 1680 twips

    auto* status = o.control<QTextEdit>("txtSostoanie");
    for (int tick = 1; tick <= 2; ++tick) {
        fire(o.timer("tmrSost"));
        QVERIFY(status->toPlainText().startsWith(QStringLiteral("Набор номера")));
        QVERIFY(!status->toPlainText().contains(QStringLiteral("Проверак")));
        fire(o.timer("tmrKontrol"));
        QVERIFY(panel->isVisible());
    }
    fire(o.timer("tmrSost"));
    QVERIFY(status->toPlainText().contains(
        QStringLiteral("Проверак имени пользователя и пвроля")));
    QVERIFY(!o.timer("tmrSost")->isActive());
    QVERIFY(panel->isVisible());
    fire(o.timer("tmrKontrol"));
    QVERIFY(!panel->isVisible());

    for (int second = 0; second < 15; ++second)
        fire(o.timer("tmrVremiaDengi"));
    QCOMPARE(o.h.game.money, Currency::fromRoubles(-5));
    QCOMPARE(::caption(o.main->control("lblDengi")), QStringLiteral("-5"));
    QCOMPARE(o.caption("lblSec"), QStringLiteral("14"));
    QCOMPARE(o.caption("lblMin"), QStringLiteral("0"));
    QCOMPARE(o.caption("lblHour"), QStringLiteral("00"));
    QVERIFY(o.screen->session().connected()); // debt does not cut the line
}

void InternetScreenTest::pageLoadRunsOnTheClockAtEachModemSpeed_data()
{
    QTest::addColumn<FlagList>("modem");
    QTest::addColumn<int>("durationMs");
    QTest::newRow("56K") << FlagList{&G::modemNeo56k} << 5000;
    QTest::newRow("ADSL") << FlagList{&G::modemAdsl} << 500;
    QTest::newRow("radio") << FlagList{&G::modemRadio} << 10;
}

void InternetScreenTest::pageLoadRunsOnTheClockAtEachModemSpeed()
{
    QFETCH(FlagList, modem);
    QFETCH(int, durationMs);
    Online o(modem + FlagList{&G::installedWinXp}, 100);
    o.connectModem();
    auto* bar = o.control<QProgressBar>("prgProgress");
    auto* statusBar = o.control<QStatusBar>("StatusBar1");

    o.click("lblProgr");
    QVERIFY(o.screen->session().loading());
    QCOMPARE(statusBar->currentMessage(), opening);
    QVERIFY(QApplication::overrideCursor());
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    QVERIFY(o.timer("tmrZagruzka")->isActive());

    o.h.clock.advance(durationMs / 2);
    fire(o.timer("tmrZagruzka"));
    QCOMPARE(bar->value(), 50);
    QCOMPARE(o.tab(), 0);

    // Meanwhile the screen takes no input, and the ticks that fall due wait: billing, the
    // dial-up status and its watch.
    o.click("lblPO_S");
    o.press("cmdOtkl");
    o.press("cmdDetali");
    for (int second = 0; second < 3; ++second) {
        fire(o.timer("tmrVremiaDengi"));
        fire(o.timer("tmrSost"));
    }
    fire(o.timer("tmrKontrol"));
    auto* status = o.control<QTextEdit>("txtSostoanie");
    QVERIFY(status->toPlainText().isEmpty());
    QVERIFY(o.control("PanelSost")->isVisible());
    QVERIFY(o.screen->session().connected());
    QCOMPARE(o.screen->width(), 438);
    QCOMPARE(o.h.game.money, Currency::fromRoubles(100));

    o.h.clock.advance(durationMs / 2 - 1);
    fire(o.timer("tmrZagruzka"));
    QVERIFY(o.screen->session().loading());
    o.h.clock.advance(1);
    fire(o.timer("tmrZagruzka"));
    QVERIFY(!o.screen->session().loading());
    QCOMPARE(o.tab(), 4);
    QCOMPARE(bar->value(), 0);
    QCOMPARE(statusBar->currentMessage(), QStringLiteral("Готово"));
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(!o.timer("tmrZagruzka")->isActive());
    QCOMPARE(o.h.game.money, Currency::fromRoubles(99)); // one held tick, not three
    QCOMPARE(::caption(o.main->control("lblDengi")), QStringLiteral(" 99"));
    QCOMPARE(o.caption("lblSec"), QStringLiteral("0"));
    QVERIFY(status->toPlainText().startsWith(QStringLiteral("Набор номера"))); // one tick
    QVERIFY(!status->toPlainText().contains(QStringLiteral("Проверак")));
    QVERIFY(o.control("PanelSost")->isVisible());

    o.click("lblPO_S"); // input counts again
    QVERIFY(o.screen->session().loading());
    o.completeLoad();
    QCOMPARE(o.tab(), 1);
}

void InternetScreenTest::sellingAFinishedProjectLogsTheSale()
{
    const QString name = QStringLiteral("<h1>Калькулятор</h1>"); // shown as typed
    Online o({&G::modemRadio, &G::installedWin2000}, 20);
    o.h.game.projectName = name;
    o.h.game.finishedProjectType = 3;
    o.connectModem();
    o.click("lblPO_S");
    o.completeLoad();
    o.click("Option14");
    QVERIFY(o.screen->session().loading());
    QCOMPARE(o.control<QStatusBar>("StatusBar1")->currentMessage(),
             QStringLiteral("Загрузка файла ..."));
    QVERIFY(o.h.dialogs.asked.isEmpty()); // the sale is told once the file is loaded
    o.completeLoad();
    QCOMPARE(o.lastTold().text, QStringLiteral("Товарищ Вася, Вы продали свою программу "
                                               "\"%1\" за 110 рублей.").arg(name));
    QCOMPARE(o.lastTold().caption, QStringLiteral("Тревинор"));
    QCOMPARE(o.lastTold().icon, Dialogs::Icon::None);
    QCOMPARE(o.caption("lblProdano"),
             QStringLiteral("Приложение IV уровня %1 Продано за 110 р.\r\n").arg(name));
    QWidget* log = o.control("lblProdano");
    QVERIFY(log->heightForWidth(log->width()) < 5 * log->fontMetrics().height()); // no heading
    QCOMPARE(o.h.game.money, Currency::fromRoubles(130));
    QCOMPARE(::caption(o.main->control("lblDengi")), QStringLiteral(" 130"));
    QVERIFY(o.h.game.projectName.isEmpty());

    o.click("Option14");
    QCOMPARE(o.lastTold().text, QStringLiteral("Товарищ Вася, у Вас нет проекта!"));
    QVERIFY(!o.screen->session().loading());
}

void InternetScreenTest::courseWithOneRoubleTooFewOrExactlyEnough_data()
{
    QTest::addColumn<int>("money");
    QTest::addColumn<bool>("passed");
    QTest::newRow("699") << 699 << false;
    QTest::newRow("700") << 700 << true;
}

void InternetScreenTest::courseWithOneRoubleTooFewOrExactlyEnough()
{
    QFETCH(int, money);
    QFETCH(bool, passed);
    Online o({&G::modemAdsl, &G::installedWin98}, money);
    o.connectModem();
    o.click("lblProgr");
    o.completeLoad();
    o.click("Option15");
    QCOMPARE(o.screen->session().loading(), passed);
    if (passed)
        o.completeLoad();
    QCOMPARE(o.lastTold().text,
             passed ? QStringLiteral("Вы прошли дополнительный курс по VB 6.0, C++ 6.0, Fox Pro 6.0")
                    : QStringLiteral("Товарищ Вася, у Вас не хватает денег!"));
    QCOMPARE(o.h.game.passedCourseVbVcFox, toFlag(passed));
    QCOMPARE(o.h.game.money, Currency::fromRoubles(passed ? 0 : 699));
    QCOMPARE(o.tab(), 4);
}

void InternetScreenTest::basesAreUpdatedAndTheVirusDestroyed()
{
    Online o({&G::modemAdsl, &G::installedWinXp, &G::installedAntiDr});
    o.connectModem();
    o.click("lblAnti");
    o.completeLoad();
    o.click("lblAntiDa"); // no antivirus chosen: nothing at all
    QVERIFY(!o.screen->session().loading());
    QVERIFY(o.h.dialogs.asked.isEmpty());
    o.click("optNorton");
    o.click("lblAntiDa");
    QCOMPARE(o.lastTold().text, QStringLiteral("Этот антивирус у вас не установлен!"));
    QCOMPARE(o.h.game.antivirusUpdated, False);
    o.click("optDr");
    QTest::mousePress(o.control("lblAntiDa"), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(o.control("lblAntiDa"), Qt::LeftButton, {}, QPoint(-5, -5)); // beside
    QVERIFY(!o.screen->session().loading());
    o.click("lblAntiDa");
    QCOMPARE(o.control<QStatusBar>("StatusBar1")->currentMessage(),
             QStringLiteral("Выполняется обновление"));
    o.completeLoad();
    QCOMPARE(o.lastTold().text, QStringLiteral("Антивирусные базы обновлены"));
    QCOMPARE(o.h.game.antivirusUpdated, True);

    o.h.random.add(1); // this connection brought a virus
    o.press("cmdOtkl");
    VirusScreen* virus = o.screen->virusScreen();
    QVERIFY(virus && virus->isVisible());
    QVERIFY(virus->isModal());
    QVERIFY(o.screen->isVisible());
    QVERIFY(o.screen->session().connected()); // the disconnect waits for the virus screen
    QCOMPARE(o.tab(), 0);

    QTest::mouseClick(virus->control("lblUnictozh"), Qt::LeftButton);
    QCOMPARE(o.lastTold().text, QStringLiteral("Вам удалось уничтожить вирус!"));
    QCOMPARE(o.h.game.virusActive, False);
    QVERIFY(!o.screen->virusScreen());
    QVERIFY(!o.screen->isVisible());
    QVERIFY(o.main->isVisible());
    QVERIFY(!o.screen->session().connected());
    QCOMPARE(o.h.game.installedAntiDr, True); // destroyed, nothing lost
}

void InternetScreenTest::aStaleAntivirusCannotDestroyTheVirus()
{
    Online o({&G::modemAdsl, &G::installedWinXp, &G::installedAntiKasp});
    o.connectModem();
    o.h.random.add(1);
    o.h.random.add(4); // outcome 5: no damage
    o.press("cmdOtkl");
    VirusScreen* virus = o.screen->virusScreen();
    QVERIFY(virus);
    QTest::mouseClick(virus->control("lblUnictozh"), Qt::LeftButton);
    QCOMPARE(o.lastTold().text,
             QStringLiteral("Антивирус не установлен или обновление антивирусных баз устарело!"));
    QVERIFY(virus->isVisible());
    QVERIFY(o.screen->isVisible());
    QTest::mouseClick(virus->control("lblPropust"), Qt::LeftButton);
    QCOMPARE(o.lastTold().text,
             QStringLiteral("В ваш компьютер проник вирус. Вы не воспользовались антивирусом."));
    QVERIFY(!o.screen->virusScreen());
    QVERIFY(o.main->isVisible());
}

void InternetScreenTest::leavingResumesTheClockBySlider_data()
{
    addClockColumnsAndRows();
}

void InternetScreenTest::leavingResumesTheClockBySlider()
{
    QFETCH(int, slider);
    QFETCH(bool, running);
    Online o({&G::modemRadio, &G::installedWin98}, 550, slider);
    o.connectModem();
    for (int second = 0; second < 61; ++second)
        fire(o.timer("tmrVremiaDengi"));
    QCOMPARE(o.caption("lblMin"), QStringLiteral("1"));
    o.h.random.add(0); // no virus this time
    QSignalSpy left(o.screen, &InternetScreen::left);
    o.main->setWindowState(Qt::WindowMinimized); // left minimised with "-" before
    o.press("cmdOtkl");
    QCOMPARE(left.count(), 1);
    QVERIFY(!o.screen->isVisible());
    QVERIFY(o.main->isVisible());
    QVERIFY(!o.main->isMinimized());
    QCOMPARE(o.main->control<QTimer>("TimerMain")->isActive(), running);
    QVERIFY(!o.timer("tmrVremiaDengi")->isActive());
    for (const char* label : {"lblHour", "lblMin", "lblSec"})
        QCOMPARE(o.caption(label), QStringLiteral("00"));
    QVERIFY(!o.control("lblAnti")->isEnabled());
    QVERIFY(o.control("cmdPodkl")->isVisibleTo(o.screen));
    QCOMPARE(::caption(o.main->control("lblDengi")), QStringLiteral(" 489"));
    QVERIFY(o.h.dialogs.asked.isEmpty());
}

void InternetScreenTest::closeButtonLeavesLikeDisconnect()
{
    Online o({&G::modemRadio, &G::installedWin98});
    o.connectModem();
    o.click("lblPO_S");
    o.completeLoad();
    o.click("Option14"); // no project to sell, but the option stays chosen
    QCOMPARE(o.lastTold().text, QStringLiteral("Товарищ Вася, у Вас нет проекта!"));
    QVERIFY(o.control<QRadioButton>("Option14")->isChecked());
    o.h.random.add(0); // no virus this time
    o.press("cmdClose");
    QVERIFY(!o.control<QRadioButton>("Option14")->isChecked());
    QCOMPARE(o.tab(), 0);
    QVERIFY(!o.screen->session().connected());
    QVERIFY(!o.screen->isVisible());
    QVERIFY(o.main->isVisible());
}

void InternetScreenTest::detailsWidenAndLeavingNarrows()
{
    Online o({&G::modemRadio, &G::installedWin98});
    o.press("cmdDetali");
    QCOMPARE(o.screen->width(), 577);
    QCOMPARE(o.caption("cmdDetali"), QStringLiteral("<<"));
    QCOMPARE(o.control("cmdMin")->x(), 536);
    QCOMPARE(o.control("cmdClose")->x(), 553);
    QCOMPARE(o.control("Tavorel27")->width(), 577);
    QVERIFY(!o.control("lblSec")->visibleRegion().isEmpty()); // the wide part shows the clock
    o.press("cmdDetali");
    QCOMPARE(o.screen->width(), 438);
    QCOMPARE(o.caption("cmdDetali"), QStringLiteral(">>"));
    QCOMPARE(o.control("cmdMin")->x(), 397);
    QCOMPARE(o.control("cmdClose")->x(), 414);
    QVERIFY(o.control("lblSec")->visibleRegion().isEmpty());

    o.press("cmdDetali");
    o.press("cmdOtkl");
    o.main->toolbarKey(QStringLiteral("Inet"));
    QCOMPARE(o.screen->width(), 438);
    QCOMPARE(o.caption("cmdDetali"), QStringLiteral(">>"));
    o.press("cmdDetali");
    QCOMPARE(o.screen->width(), 577);
}

void InternetScreenTest::menuUnderlinesTheHoveredSection()
{
    Online o({&G::modemRadio, &G::installedWin98});
    o.connectModem();
    QTest::mouseMove(o.control("lblPO_S"), QPoint(5, 5));
    QTest::mouseMove(o.control("lblAnti"), QPoint(5, 5));
    QVERIFY(o.control("lblPO_S")->font().underline());
    QVERIFY(o.control("lblAnti")->font().underline());
    QVERIFY(!o.control("lblProgr")->font().underline());
    QTest::mouseMove(o.control("Tavorel1"), QPoint(5, 5));
    for (const char* label : {"lblPO_S", "lblPO_P", "lblAnti", "lblProgr", "lblRazvl"})
        QVERIFY(!o.control(label)->font().underline());
    // A section opens on a whole click: not on a press let go beside it, nor on a right click.
    QTest::mousePress(o.control("lblAnti"), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(o.control("lblAnti"), Qt::LeftButton, {}, QPoint(-5, -5));
    QTest::mouseClick(o.control("lblAnti"), Qt::RightButton, {}, QPoint(5, 5));
    QVERIFY(!o.screen->session().loading());
}

void InternetScreenTest::antivirusButtonHover()
{
    Online o({&G::modemRadio, &G::installedWin98});
    o.connectModem();
    o.click("lblAnti");
    o.completeLoad();
    QWidget* da = o.control("lblAntiDa");
    QTest::mouseMove(da, QPoint(5, 5));
    QCOMPARE(da->palette().color(QPalette::Window), QColor(224, 224, 224));
    QCOMPARE(o.control("Shape10")->property("Shape").toInt(), 4);
    QTest::mouseMove(o.control("Tavorel3"), QPoint(10, 300));
    QCOMPARE(da->palette().color(QPalette::Window), QColor(255, 255, 255));
    QCOMPARE(o.control("Shape10")->property("Shape").toInt(), 0);
}

void InternetScreenTest::coursePricesStandBesideTheirOptions_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("priceLabel");
    QTest::addColumn<QString>("price");
    QTest::newRow("VB, C++, Fox Pro") << "Option15" << "Label13" << "700 р.";
    QTest::newRow("DB intro 1") << "Option9" << "Label14" << "250 р.";
    QTest::newRow("DB intro 2") << "Option8" << "Label15" << "400 р.";
    QTest::newRow("Fox Pro DB 1") << "Option7" << "Label16" << "400 р.";
    QTest::newRow("Fox Pro DB 2") << "Option10" << "Label17" << "500 р.";
    QTest::newRow("DBMS 1") << "Option12" << "Label18" << "300 р.";
    QTest::newRow("DBMS 2") << "Option11" << "Label19" << "350 р.";
    QTest::newRow("DBMS 3") << "Option13" << "Label20" << "400 р.";
}

void InternetScreenTest::coursePricesStandBesideTheirOptions()
{
    QFETCH(QString, option);
    QFETCH(QString, priceLabel);
    QFETCH(QString, price);
    Online o({});
    QWidget* radio = o.screen->findChild<QWidget*>(option);
    QWidget* label = o.screen->findChild<QWidget*>(priceLabel);
    QVERIFY(radio && label);
    QCOMPARE(::caption(label), price);
    QCOMPARE(label->parentWidget(), radio->parentWidget());
    QCOMPARE(label->y(), radio->y());
    QVERIFY(label->x() >= radio->geometry().right());
    QVERIFY(o.control("tabProgr")->isAncestorOf(radio));
}

QTEST_MAIN(InternetScreenTest)
#include "tst_internetscreen.moc"
