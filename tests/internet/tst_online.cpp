// Going online: the connect rule, the online clock and its billing, the dial-up status, the
// two layouts, the page load on its clock, the disconnect's infection coin, and the services.
#include "support/RecordingRandom.h"

#include "internet/Online.h"
#include "internet/OnlineServices.h"
#include "state/GameState.h"
#include "state/Random.h"
#include "world/NewGame.h"

#include <QtTest>

#include <deque>

using G = GameState;
using FlagList = QList<Flag GameState::*>;
Q_DECLARE_METATYPE(FlagList)
Q_DECLARE_METATYPE(Flag GameState::*)

namespace {
GameState newPlayer(int money = 550)
{
    GameState g;
    g.playerName = QStringLiteral("Вася");
    newGame(g);
    g.money = Currency::fromRoubles(money);
    return g;
}

GameState onlineReady(Flag G::*modem = &G::modemNeo56k, int money = 550)
{
    GameState g = newPlayer(money);
    g.*modem = True;
    g.installedWin98 = True;
    return g;
}

GameState with(GameState g, const FlagList& flags)
{
    for (Flag G::*f : flags)
        g.*f = True;
    return g;
}

Currency roubles(int r)
{
    return Currency::fromRoubles(r);
}
} // namespace

class OnlineTest : public QObject {
    Q_OBJECT

private slots:
    void connectNeedsOneModemAndAnOperatingSystem_data();
    void connectNeedsOneModemAndAnOperatingSystem();

    void billingRunsTheOnlineClock_data();
    void billingRunsTheOnlineClock();
    void billingOnlyRunsWhileConnected();
    void dialUpStatusGainsItsSecondLineOnTheThirdTick_data();
    void dialUpStatusGainsItsSecondLineOnTheThirdTick();
    void detailsToggleBetweenNarrowAndWide();

    void pageLoadLastsItsStepsAtOneStepTime_data();
    void pageLoadLastsItsStepsAtOneStepTime();
    void pageLoadProgressFollowsTheClock_data();
    void pageLoadProgressFollowsTheClock();
    void pageLoadWithoutModemDoesNothing();
    void billingDueDuringALoadRunsOnceAfterIt_data();
    void billingDueDuringALoadRunsOnceAfterIt();

    void disconnectDrawsTheInfectionCoinOnlyWhenConnected_data();
    void disconnectDrawsTheInfectionCoinOnlyWhenConnected();
    void disconnectResetsTheClockAndLayout();

    void servicesChargeAndSetTheirFlags_data();
    void servicesChargeAndSetTheirFlags();
    void buyingTwiceChargesTwice();
    void visitsRaiseMoodUpToAHundred_data();
    void visitsRaiseMoodUpToAHundred();
    void sellingPaysByTheFinishedLevel_data();
    void sellingPaysByTheFinishedLevel();
    void sellingTwiceIsRefused();
    void sellingAnUnknownLevelIsRefused_data();
    void sellingAnUnknownLevelIsRefused();
    void antivirusUpdateNeedsTheChosenAntivirus_data();
    void antivirusUpdateNeedsTheChosenAntivirus();
    void entertainmentCaptionsCarryAddressAndPrice();
};

void OnlineTest::connectNeedsOneModemAndAnOperatingSystem_data()
{
    QTest::addColumn<FlagList>("flags");
    QTest::addColumn<bool>("connects");
    QTest::newRow("nothing") << FlagList{} << false;
    QTest::newRow("56K, no system") << FlagList{&G::modemNeo56k} << false;
    QTest::newRow("system, no modem") << FlagList{&G::installedWinXp} << false;
    QTest::newRow("56K and Win98") << FlagList{&G::modemNeo56k, &G::installedWin98} << true;
    QTest::newRow("ADSL and Linux") << FlagList{&G::modemAdsl, &G::installedLinux} << true;
    QTest::newRow("radio and Longhorn") << FlagList{&G::modemRadio, &G::installedLonghorn}
                                        << true;
    QTest::newRow("radio and Win2000") << FlagList{&G::modemRadio, &G::installedWin2000} << true;
    QTest::newRow("two modems") << FlagList{&G::modemNeo56k, &G::modemAdsl, &G::installedWinXp}
                                << false;
    QTest::newRow("ADSL and radio") << FlagList{&G::modemAdsl, &G::modemRadio, &G::installedWin98}
                                    << false;
    QTest::newRow("three modems")
        << FlagList{&G::modemNeo56k, &G::modemAdsl, &G::modemRadio, &G::installedWin98} << false;
    QTest::newRow("modem and only programs")
        << FlagList{&G::modemNeo56k, &G::installedVb, &G::installedAntiDr} << false;
}

void OnlineTest::connectNeedsOneModemAndAnOperatingSystem()
{
    QFETCH(FlagList, flags);
    QFETCH(bool, connects);
    const GameState g = with(newPlayer(), flags);
    OnlineSession session;
    const auto refusal = session.connect(g);
    QCOMPARE(session.connected(), connects);
    QCOMPARE(session.dialling(), connects);
    QCOMPARE(refusal.has_value(), !connects);
    if (refusal) {
        QCOMPARE(refusal->text, QStringLiteral("Товарищ, модем не установлен"));
        QCOMPARE(*refusal, Message::warning(refusal->text));
    }
}

void OnlineTest::billingRunsTheOnlineClock_data()
{
    QTest::addColumn<int>("money");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("lblSec");
    QTest::addColumn<QString>("lblMin");
    QTest::addColumn<QString>("lblHour"); // empty: the last tick did not show the hour
    QTest::addColumn<int>("moneyAfter");
    QTest::newRow("first second shows 0") << 550 << 1 << "0" << "0" << "" << 549;
    QTest::newRow("a minute") << 550 << 60 << "59" << "1" << "" << 490;
    QTest::newRow("61 seconds") << 550 << 61 << "0" << "1" << "" << 489;
    QTest::newRow("10 roubles for 15 seconds") << 10 << 15 << "14" << "0" << "" << -5;
    QTest::newRow("already in debt") << -3 << 2 << "1" << "0" << "" << -5;
    QTest::newRow("an hour") << 4000 << 3600 << "59" << "0" << "1" << 400;
    QTest::newRow("an hour and a minute") << 4000 << 3660 << "59" << "1" << "" << 340;
}

void OnlineTest::billingRunsTheOnlineClock()
{
    QFETCH(int, money);
    QFETCH(int, ticks);
    QFETCH(QString, lblSec);
    QFETCH(QString, lblMin);
    QFETCH(QString, lblHour);
    QFETCH(int, moneyAfter);
    GameState g = onlineReady(&G::modemAdsl, money);
    OnlineSession session;
    QVERIFY(!session.connect(g));
    OnlineClockLabels last;
    for (int i = 0; i < ticks; ++i) {
        const auto labels = session.billingTick(g);
        QVERIFY(labels);
        last = *labels;
    }
    QCOMPARE(last.lblSec, lblSec);
    QCOMPARE(last.lblMin, lblMin);
    QCOMPARE(last.lblHour.value_or(QString()), lblHour);
    QCOMPARE(g.money, roubles(moneyAfter));
    QVERIFY(session.connected()); // running out of money does not cut the line
}

void OnlineTest::billingOnlyRunsWhileConnected()
{
    GameState g = onlineReady();
    OnlineSession session;
    QVERIFY(!session.billingTick(g));
    QCOMPARE(g.money, roubles(550));
}

void OnlineTest::dialUpStatusGainsItsSecondLineOnTheThirdTick_data()
{
    QTest::addColumn<int>("tick");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("stops");
    const QString dialling = QStringLiteral("Набор номера") + QString(33, QLatin1Char(' '));
    QTest::newRow("first") << 1 << dialling << false;
    QTest::newRow("second") << 2 << dialling << false;
    QTest::newRow("third")
        << 3 << dialling + QStringLiteral("Проверак имени пользователя и пвроля\r") << true;
}

void OnlineTest::dialUpStatusGainsItsSecondLineOnTheThirdTick()
{
    QFETCH(int, tick);
    QFETCH(QString, text);
    QFETCH(bool, stops);
    const GameState g = onlineReady();
    OnlineSession session;
    QVERIFY(!session.connect(g));
    DialStatus status;
    for (int i = 0; i < tick; ++i) {
        QVERIFY(!session.watchHidesStatusPanel());
        status = session.dialTick();
    }
    QCOMPARE(status.txtSostoanie, text);
    QCOMPARE(status.stopsDialling, stops);
    QCOMPARE(session.watchHidesStatusPanel(), stops);
}

void OnlineTest::detailsToggleBetweenNarrowAndWide()
{
    OnlineSession session;
    const DetailsView wide{true, QStringLiteral("<<")};
    const DetailsView narrow{false, QStringLiteral(">>")};
    QCOMPARE(session.toggleDetails(), wide);
    QVERIFY(session.detailsShown());
    QCOMPARE(session.toggleDetails(), narrow);
    QVERIFY(!session.detailsShown());
    QCOMPARE(session.toggleDetails(), wide);
}

void OnlineTest::pageLoadLastsItsStepsAtOneStepTime_data()
{
    QTest::addColumn<FlagList>("modems");
    QTest::addColumn<qint64>("durationMs");
    QTest::newRow("56K") << FlagList{&G::modemNeo56k} << qint64(5000);
    QTest::newRow("ADSL") << FlagList{&G::modemAdsl} << qint64(500);
    QTest::newRow("radio") << FlagList{&G::modemRadio} << qint64(10);
    QTest::newRow("56K before radio") << FlagList{&G::modemRadio, &G::modemNeo56k} << qint64(5000);
    QTest::newRow("ADSL before radio") << FlagList{&G::modemRadio, &G::modemAdsl} << qint64(500);
    QTest::newRow("56K before ADSL") << FlagList{&G::modemAdsl, &G::modemNeo56k} << qint64(5000);
    QTest::newRow("no modem") << FlagList{} << qint64(0);
}

void OnlineTest::pageLoadLastsItsStepsAtOneStepTime()
{
    QFETCH(FlagList, modems);
    QFETCH(qint64, durationMs);
    const Modem modem = loadingModem(with(newPlayer(), modems));
    QCOMPARE(pageLoadDurationMs(modem), durationMs);
    QCOMPARE(qint64(pageLoadSteps(modem)) * PageLoadStepMicroseconds, durationMs * 1000);
}

void OnlineTest::pageLoadProgressFollowsTheClock_data()
{
    QTest::addColumn<Flag G::*>("modem");
    QTest::addColumn<qint64>("elapsedMs");
    QTest::addColumn<int>("progress");
    QTest::addColumn<bool>("done");
    QTest::newRow("56K at start") << &G::modemNeo56k << qint64(0) << 0 << false;
    QTest::newRow("56K after 1 s") << &G::modemNeo56k << qint64(1000) << 20 << false;
    QTest::newRow("56K just before the end") << &G::modemNeo56k << qint64(4999) << 99 << false;
    QTest::newRow("56K at the end") << &G::modemNeo56k << qint64(5000) << 100 << true;
    QTest::newRow("ADSL halfway") << &G::modemAdsl << qint64(250) << 50 << false;
    QTest::newRow("ADSL done at 56K's 10%") << &G::modemAdsl << qint64(500) << 100 << true;
    QTest::newRow("radio after 3 ms") << &G::modemRadio << qint64(3) << 30 << false;
    QTest::newRow("radio long over") << &G::modemRadio << qint64(60000) << 100 << true;
}

void OnlineTest::pageLoadProgressFollowsTheClock()
{
    QFETCH(Flag G::*, modem);
    QFETCH(qint64, elapsedMs);
    QFETCH(int, progress);
    QFETCH(bool, done);
    GameState g = onlineReady(modem);
    OnlineSession session;
    QVERIFY(!session.connect(g));
    const qint64 start = 123456;
    QVERIFY(session.loadPage(g, 4, OpeningPageText, start));
    QVERIFY(!session.loadPage(g, 2, OpeningPageText, start + 1)); // one load at a time
    const LoadView view = session.loadView(start + elapsedMs);
    QCOMPARE(view.progress, progress);
    QCOMPARE(view.status, OpeningPageText);
    QCOMPARE(session.loadDone(start + elapsedMs), done);
    QCOMPARE(session.finishLoad(g).tab, 4);
    QVERIFY(!session.loading());
}

void OnlineTest::pageLoadWithoutModemDoesNothing()
{
    const GameState g = newPlayer();
    OnlineSession session;
    QVERIFY(!session.loadPage(g, 3, OpeningPageText, 0));
    QVERIFY(!session.loading());
}

void OnlineTest::billingDueDuringALoadRunsOnceAfterIt_data()
{
    QTest::addColumn<int>("ticksDuringLoad");
    QTest::addColumn<bool>("heldTickRuns");
    QTest::newRow("none fell due") << 0 << false;
    QTest::newRow("one fell due") << 1 << true;
    QTest::newRow("five fell due, one runs") << 5 << true;
}

void OnlineTest::billingDueDuringALoadRunsOnceAfterIt()
{
    QFETCH(int, ticksDuringLoad);
    QFETCH(bool, heldTickRuns);
    GameState g = onlineReady(&G::modemNeo56k, 100);
    OnlineSession session;
    QVERIFY(!session.connect(g));
    QVERIFY(session.billingTick(g)); // one second online before the load
    QVERIFY(session.loadPage(g, 1, OpeningPageText, 0));
    for (int i = 0; i < ticksDuringLoad; ++i) {
        QVERIFY(!session.billingTick(g));
        QVERIFY(!session.statusTickRuns(StatusTimer::Dial));
        QVERIFY(!session.statusTickRuns(StatusTimer::Watch));
    }
    QCOMPARE(g.money, roubles(99));
    const LoadEnd end = session.finishLoad(g);
    QCOMPARE(end.heldBilling.has_value(), heldTickRuns);
    QCOMPARE(end.heldDial, heldTickRuns);
    QCOMPARE(end.heldWatch, heldTickRuns);
    QCOMPARE(g.money, roubles(heldTickRuns ? 98 : 99));
    if (heldTickRuns)
        QCOMPARE(end.heldBilling->lblSec, QStringLiteral("1"));
    QVERIFY(session.billingTick(g)); // billing goes on as before
    QVERIFY(session.statusTickRuns(StatusTimer::Dial));
    QVERIFY(!session.finishLoad(g).heldBilling); // nothing is held twice
}

void OnlineTest::disconnectDrawsTheInfectionCoinOnlyWhenConnected_data()
{
    QTest::addColumn<bool>("connected");
    QTest::addColumn<int>("coin");
    QTest::addColumn<bool>("virus");
    QTest::newRow("online, heads") << true << 1 << true;
    QTest::newRow("online, tails") << true << 0 << false;
    QTest::newRow("offline") << false << 1 << false;
}

void OnlineTest::disconnectDrawsTheInfectionCoinOnlyWhenConnected()
{
    QFETCH(bool, connected);
    QFETCH(int, coin);
    QFETCH(bool, virus);
    GameState g = onlineReady();
    OnlineSession session;
    if (connected)
        QVERIFY(!session.connect(g));
    RecordingRandom random;
    random.values = {coin};
    QCOMPARE(session.disconnectMeetsVirus(g, random), virus);
    QCOMPARE(random.asked, connected ? QList<int>{2} : QList<int>{});
    if (connected)
        QCOMPARE(g.virusActive, toFlag(virus));
}

void OnlineTest::disconnectResetsTheClockAndLayout()
{
    GameState g = onlineReady();
    OnlineSession session;
    QVERIFY(!session.connect(g));
    for (int i = 0; i < 75; ++i)
        session.billingTick(g);
    session.toggleDetails();
    QVERIFY(session.loadPage(g, 2, OpeningPageText, 0));
    session.disconnect();
    QVERIFY(!session.connected());
    QVERIFY(!session.dialling());
    QVERIFY(!session.detailsShown());
    QVERIFY(!session.loading());
    QCOMPARE(session.onlineSeconds(), uint8_t(0));
    QCOMPARE(session.onlineMinutes(), uint8_t(0));
    QCOMPARE(session.onlineHours(), uint8_t(0));
    // Online again, the clock starts from the beginning.
    QVERIFY(!session.connect(g));
    QCOMPARE(session.billingTick(g)->lblSec, QStringLiteral("0"));
    QCOMPARE(session.toggleDetails().cmdDetali, QStringLiteral("<<"));
}

void OnlineTest::servicesChargeAndSetTheirFlags_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("money");
    QTest::addColumn<FlagList>("owned");
    QTest::addColumn<QString>("refusal"); // empty: the service goes ahead
    QTest::addColumn<Flag G::*>("flag");
    QTest::addColumn<int>("moneyAfter");
    QTest::addColumn<QString>("message");

    const QString shortOfMoney = QStringLiteral("Товарищ Вася, у Вас не хватает денег!");
    const QString notAllConditions = QStringLiteral("Товарищ Вася, не все условия выполнены!");
    const FlagList allThree{&G::downloadedParadox, &G::downloadedDbisam, &G::downloadedAccess};

    QTest::newRow("course with 699") << "Option15" << 699 << FlagList{} << shortOfMoney
                                     << &G::passedCourseVbVcFox << 699 << "";
    QTest::newRow("course with 700")
        << "Option15" << 700 << FlagList{} << "" << &G::passedCourseVbVcFox << 0
        << "Вы прошли дополнительный курс по VB 6.0, C++ 6.0, Fox Pro 6.0";
    QTest::newRow("DB intro 1") << "Option9" << 250 << FlagList{} << "" << &G::passedDbIntro1
                                << 0 << "Вы прошли дополнительный курс по введению в БД (Глава 1)";
    QTest::newRow("DB intro 2 before 1")
        << "Option8" << 1000 << FlagList{} << "" << &G::passedDbIntro2 << 600
        << "Вы прошли дополнительный курс по введению в БД (Глава 2)";
    QTest::newRow("DB intro 2 one short")
        << "Option8" << 399 << FlagList{} << shortOfMoney << &G::passedDbIntro2 << 399 << "";
    QTest::newRow("Fox Pro 1") << "Option7" << 400 << FlagList{} << "" << &G::passedFoxDb1 << 0
                               << "Вы прошли дополнительный курс по БД в Fox Pro 6.0 (Глава 1)";
    QTest::newRow("Fox Pro 2") << "Option10" << 501 << FlagList{} << "" << &G::passedFoxDb2 << 1
                               << "Вы прошли дополнительный курс по БД в Fox Pro 6.0 (Глава 2)";
    QTest::newRow("Fox Pro 2 one short")
        << "Option10" << 499 << FlagList{} << shortOfMoney << &G::passedFoxDb2 << 499 << "";
    QTest::newRow("DBMS 1 with the three") << "Option12" << 300 << allThree << ""
                                           << &G::passedDbms1 << 0
                                           << "Вы прошли дополнительный курс по изучению СУБД (Глава 1)";
    QTest::newRow("DBMS 2 with the three") << "Option11" << 350 << allThree << ""
                                           << &G::passedDbms2 << 0
                                           << "Вы прошли дополнительный курс по изучению СУБД (Глава 2)";
    QTest::newRow("DBMS 3 with the three") << "Option13" << 1000 << allThree << ""
                                           << &G::passedDbms3 << 600
                                           << "Вы прошли дополнительный курс по изучению СУБД (Глава 3)";
    QTest::newRow("DBMS 1 without Access")
        << "Option12" << 5000 << FlagList{&G::downloadedParadox, &G::downloadedDbisam}
        << notAllConditions << &G::passedDbms1 << 5000 << "";
    QTest::newRow("DBMS 3 without Paradox")
        << "Option13" << 5000 << FlagList{&G::downloadedAccess, &G::downloadedDbisam}
        << notAllConditions << &G::passedDbms3 << 5000 << "";
    QTest::newRow("DBMS 2 one rouble short") << "Option11" << 349 << allThree << notAllConditions
                                             << &G::passedDbms2 << 349 << "";
    QTest::newRow("Paradox") << "Option4" << 250 << FlagList{} << "" << &G::downloadedParadox
                             << 0 << "Вы скачали Paradox";
    QTest::newRow("DBISAM into debt") << "Option5" << 100 << FlagList{} << ""
                                      << &G::downloadedDbisam << -170 << "Вы скачали DBISAM";
    QTest::newRow("Access") << "Option6" << 300 << FlagList{} << "" << &G::downloadedAccess
                            << 50 << "Вы скачали Microsoft Access";
}

void OnlineTest::servicesChargeAndSetTheirFlags()
{
    QFETCH(QString, control);
    QFETCH(int, money);
    QFETCH(FlagList, owned);
    QFETCH(QString, refusal);
    QFETCH(Flag G::*, flag);
    QFETCH(int, moneyAfter);
    QFETCH(QString, message);

    const OnlineService* service = onlineService(control);
    QVERIFY(service);
    GameState g = with(newPlayer(money), owned);
    const GameState before = g;
    const ServiceStart start = beginService(g, *service);
    if (!refusal.isEmpty()) {
        QVERIFY(!start.goesAhead);
        QVERIFY(start.refusal);
        QCOMPARE(start.refusal->text, refusal);
        QCOMPARE(*start.refusal, Message::plain(start.refusal->text));
        QVERIFY(g == before); // a refusal changes nothing
        return;
    }
    QVERIFY(start.goesAhead);
    QVERIFY(!start.refusal);
    QVERIFY(g == before); // nothing happens before the page has loaded
    const ServiceEnd end = finishService(g, *service);
    QCOMPARE(end.message.text, message);
    QCOMPARE(end.message, Message::plain(end.message.text));
    QVERIFY(!end.saleLogLine);
    QCOMPARE(g.*flag, True);
    QCOMPARE(g.money, roubles(moneyAfter));
}

void OnlineTest::buyingTwiceChargesTwice()
{
    GameState g = newPlayer(550);
    const OnlineService& paradox = *onlineService(QStringLiteral("Option4"));
    for (int i = 0; i < 2; ++i) {
        QVERIFY(beginService(g, paradox).goesAhead);
        finishService(g, paradox);
    }
    QCOMPARE(g.money, roubles(50));
    QCOMPARE(g.downloadedParadox, True);
}

void OnlineTest::visitsRaiseMoodUpToAHundred_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<float>("mood");
    QTest::addColumn<int>("money");
    QTest::addColumn<float>("moodAfter");
    QTest::addColumn<int>("moneyAfter");
    QTest::addColumn<QString>("message");
    const QString site = QStringLiteral("Вы посетили сайт <") + SiteAddress + QLatin1Char('>');
    const QString chat = QStringLiteral("Вы посетили чат <Тольмарская болталка>");
    QTest::newRow("site at 70") << "Option2" << 70.0f << 550 << 90.0f << 450 << site;
    QTest::newRow("site at 90.5") << "Option2" << 90.5f << 550 << 100.0f << 450 << site;
    QTest::newRow("site without money") << "Option2" << 50.0f << 30 << 70.0f << -70 << site;
    QTest::newRow("chat at 95") << "Option1" << 95.0f << 550 << 100.0f << 500 << chat;
    QTest::newRow("chat at 40.5") << "Option1" << 40.5f << 50 << 50.5f << 0 << chat;
    QTest::newRow("chat at 100 still paid") << "Option1" << 100.0f << 550 << 100.0f << 500 << chat;
}

void OnlineTest::visitsRaiseMoodUpToAHundred()
{
    QFETCH(QString, control);
    QFETCH(float, mood);
    QFETCH(int, money);
    QFETCH(float, moodAfter);
    QFETCH(int, moneyAfter);
    QFETCH(QString, message);
    GameState g = newPlayer(money);
    g.mood = mood;
    const OnlineService& visit = *onlineService(control);
    QVERIFY(beginService(g, visit).goesAhead);
    QCOMPARE(finishService(g, visit).message.text, message);
    QCOMPARE(g.mood, moodAfter);
    QCOMPARE(g.money, roubles(moneyAfter));
}

void OnlineTest::sellingPaysByTheFinishedLevel_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("logLine");
    QTest::addColumn<int>("price");
    QTest::newRow("I") << 0 << "Приложение I уровня Калькулятор Продано за 50 р.\r\n" << 50;
    QTest::newRow("IV") << 3 << "Приложение IV уровня Калькулятор Продано за 110 р.\r\n" << 110;
    QTest::newRow("VII") << 6 << "Приложение VII уровня Калькулятор Продано за 139 р.\r\n" << 139;
    QTest::newRow("VIII") << 7 << "Приложение VIII уровня Калькулятор Продано за 200 р.\r\n"
                          << 200;
    QTest::newRow("XII") << 11 << "Приложение XII уровня Калькулятор Продано за 500 р.\r\n"
                         << 500;
    QTest::newRow("XIV") << 13 << "Приложение XIV уровня Калькулятор Продано за 537 р.\r\n"
                         << 537;
    QTest::newRow("XV") << 14 << "Приложение XV уровня Калькулятор Продано за 570 р.\r\n" << 570;
}

void OnlineTest::sellingPaysByTheFinishedLevel()
{
    QFETCH(int, level);
    QFETCH(QString, logLine);
    QFETCH(int, price);
    GameState g = newPlayer(-20);
    g.finishedProjectType = level;
    g.projectName = QStringLiteral("Калькулятор");
    g.developing = True; // a project still in development sells at the last finished level
    const OnlineService& sale = *onlineService(QStringLiteral("Option14"));
    const GameState before = g;
    QVERIFY(beginService(g, sale).goesAhead);
    QVERIFY(g == before);
    const ServiceEnd end = finishService(g, sale);
    QCOMPARE(end.saleLogLine.value_or(QString()), logLine);
    QCOMPARE(end.message.text, QStringLiteral("Товарищ Вася, Вы продали свою программу "
                                              "\"Калькулятор\" за %1 рублей.")
                                   .arg(price));
    QCOMPARE(g.money, roubles(price - 20));
    QVERIFY(g.projectName.isEmpty());
    QCOMPARE(g.finishedProjectType, level);
    QCOMPARE(g.developing, True);
}

void OnlineTest::sellingTwiceIsRefused()
{
    GameState g = newPlayer();
    g.projectName = QStringLiteral("Project1");
    const OnlineService& sale = *onlineService(QStringLiteral("Option14"));
    QVERIFY(beginService(g, sale).goesAhead);
    finishService(g, sale);
    QCOMPARE(g.money, roubles(600));
    const GameState before = g;
    const ServiceStart again = beginService(g, sale);
    QVERIFY(!again.goesAhead);
    QCOMPARE(again.refusal->text, QStringLiteral("Товарищ Вася, у Вас нет проекта!"));
    QVERIFY(g == before);
}

void OnlineTest::sellingAnUnknownLevelIsRefused_data()
{
    QTest::addColumn<int>("level");
    QTest::newRow("past XV") << 15;
    QTest::newRow("negative") << -1;
    QTest::newRow("far out") << 2147483647;
}

void OnlineTest::sellingAnUnknownLevelIsRefused()
{
    QFETCH(int, level);
    GameState g = newPlayer();
    g.projectName = QStringLiteral("Project1");
    g.finishedProjectType = level;
    const GameState before = g;
    const OnlineService& sale = *onlineService(QStringLiteral("Option14"));
    const ServiceStart start = beginService(g, sale);
    QVERIFY(!start.goesAhead);
    QCOMPARE(start.refusal->text, QStringLiteral("Товарищ Вася, у Вас нет проекта!"));
    const ServiceEnd end = finishService(g, sale);
    QVERIFY(!end.saleLogLine);
    QVERIFY(g == before);
}

void OnlineTest::antivirusUpdateNeedsTheChosenAntivirus_data()
{
    QTest::addColumn<FlagList>("installed");
    QTest::addColumn<int>("chosen"); // index into the options, -1: none chosen
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<bool>("goesAhead");
    const QString notInstalled = QStringLiteral("Этот антивирус у вас не установлен!");
    QTest::newRow("Dr. Web installed") << FlagList{&G::installedAntiDr} << 0 << "" << true;
    QTest::newRow("Kaspersky installed") << FlagList{&G::installedAntiKasp} << 2 << "" << true;
    QTest::newRow("Norton chosen, Dr. Web installed")
        << FlagList{&G::installedAntiDr} << 1 << notInstalled << false;
    QTest::newRow("nothing installed") << FlagList{} << 2 << notInstalled << false;
    QTest::newRow("none chosen") << FlagList{&G::installedAntiNorton} << -1 << "" << false;
}

void OnlineTest::antivirusUpdateNeedsTheChosenAntivirus()
{
    QFETCH(FlagList, installed);
    QFETCH(int, chosen);
    QFETCH(QString, refusal);
    QFETCH(bool, goesAhead);
    GameState g = with(newPlayer(), installed);
    const GameState before = g;
    const OnlineService& update = *onlineService(QStringLiteral("lblAntiDa"));
    const AntivirusOption* option = chosen < 0 ? nullptr : &antivirusOptions[size_t(chosen)];
    const ServiceStart start = beginService(g, update, option);
    QCOMPARE(start.goesAhead, goesAhead);
    QCOMPARE(start.refusal.has_value(), !refusal.isEmpty());
    if (start.refusal)
        QCOMPARE(start.refusal->text, refusal);
    if (!goesAhead) {
        QVERIFY(g == before);
        return;
    }
    QCOMPARE(g.antivirusUpdated, True); // set before the page loads
    const ServiceEnd end = finishService(g, update);
    QCOMPARE(end.message.text, QStringLiteral("Антивирусные базы обновлены"));
    QCOMPARE(g.money, before.money); // free of charge
}

void OnlineTest::entertainmentCaptionsCarryAddressAndPrice()
{
    QVERIFY(siteCaption().startsWith(SiteAddress + QLatin1Char(' ')));
    QVERIFY(siteCaption().endsWith(QStringLiteral(" (платно - 100 р.)")));
    QVERIFY(chatCaption().startsWith(ChatAddress + QLatin1Char(' ')));
    QVERIFY(chatCaption().endsWith(QStringLiteral(" (платно - 50р.)")));
}

QTEST_GUILESS_MAIN(OnlineTest)
#include "tst_online.moc"
