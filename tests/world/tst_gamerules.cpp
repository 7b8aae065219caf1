// The rules of a game day, a new game, experience and status, and the job line.
#include "hardware/Parts.h"
#include "software/Programs.h"
#include "career/Jobs.h"
#include "career/Skills.h"
#include "state/GameState.h"
#include "state/NumberFormat.h"
#include "world/DailyTick.h"
#include "world/NewGame.h"

#include <QtTest>

using G = GameState;
using FlagList = QList<Flag GameState::*>;
Q_DECLARE_METATYPE(FlagList)

namespace {
GameState startedGame(const QString& name = QStringLiteral("Вася"))
{
    GameState g;
    g.playerName = name;
    newGame(g);
    return g;
}
} // namespace

class GameRulesTest : public QObject {
    Q_OBJECT

private slots:
    void numbersShowWithASignPosition_data();
    void numbersShowWithASignPosition();
    void moodPercentIsTheFirstThreeCharacters_data();
    void moodPercentIsTheFirstThreeCharacters();

    void newGameShowsThePlayersStartingData();
    void newGameResetsColoursUnlessTheSettingsWereConfirmed_data();
    void newGameResetsColoursUnlessTheSettingsWereConfirmed();
    void secondNewGameStartsLikeTheFirst();

    void experienceAndStatusFollowTheSkills_data();
    void experienceAndStatusFollowTheSkills();
    void recomputingTwiceCountsEachSkillOnce();
    void experienceNeverPassesItsRange();

    void jobLineFollowsTheDailyPay_data();
    void jobLineFollowsTheDailyPay();

    void developmentDaysByLevel_data();
    void developmentDaysByLevel();
    void sliderSetsTheClock_data();
    void sliderSetsTheClock();

    void dayLabelShowsTheDayBeforeTheTick();
    void gameEndsOnThe199thTickWithoutRest();
    void aMoodBarOfOneOrLessEndsTheGame_data();
    void aMoodBarOfOneOrLessEndsTheGame();
    void gameOverStopsTheDayShort();
    void wageAndSeniorityArePaidEveryDay();
    void antivirusUpdateExpiresEverySeventhDay_data();
    void antivirusUpdateExpiresEverySeventhDay();
    void projectAdvancesAndFinishes_data();
    void projectAdvancesAndFinishes();
    void remainingDaysTextHasTwoBlanksBeforeOneDigit();
    void projectOnlyAdvancesWhenDevelopingIsExactlyTrue();
    void countersStopAtTheirLimits();
    void finishedProjectGivesBackTheListItCameFrom_data();
    void finishedProjectGivesBackTheListItCameFrom();
};

void GameRulesTest::numbersShowWithASignPosition_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("integer 550") << withSignPosition(int64_t(550)) << " 550";
    QTest::newRow("integer zero") << withSignPosition(int64_t(0)) << " 0";
    QTest::newRow("negative integer") << withSignPosition(int64_t(-12)) << "-12";
    QTest::newRow("no grouping") << withSignPosition(int64_t(1234567)) << " 1234567";
    QTest::newRow("float half") << withSignPosition(99.5f) << " 99.5";
    QTest::newRow("float whole") << withSignPosition(100.0f) << " 100";
    QTest::newRow("negative zero float") << withSignPosition(-0.0f) << " 0";
    QTest::newRow("negative float") << withSignPosition(-0.5f) << "-0.5";
    QTest::newRow("money whole") << withSignPosition(Currency::fromRoubles(550)) << " 550";
    QTest::newRow("money fraction") << withSignPosition(Currency::fromUnits(5500001))
                                    << " 550.0001";
    QTest::newRow("money trailing zeros") << withSignPosition(Currency::fromUnits(-35000))
                                          << "-3.5";
    QTest::newRow("money most negative")
        << withSignPosition(Currency::fromUnits(std::numeric_limits<int64_t>::min()))
        << "-922337203685477.5808";
}

void GameRulesTest::numbersShowWithASignPosition()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(text, expected);
}

void GameRulesTest::moodPercentIsTheFirstThreeCharacters_data()
{
    QTest::addColumn<float>("mood");
    QTest::addColumn<QString>("expected");
    QTest::newRow("99.5") << 99.5f << " 99";
    QTest::newRow("100") << 100.0f << " 100";
    QTest::newRow("9.5") << 9.5f << " 9.";
    QTest::newRow("1") << 1.0f << " 1";
    QTest::newRow("0.5") << 0.5f << " 0.";
    QTest::newRow("below zero") << -0.5f << " 0";
    QTest::newRow("above full") << 1e30f << " 100";
}

void GameRulesTest::moodPercentIsTheFirstThreeCharacters()
{
    QFETCH(float, mood);
    QFETCH(QString, expected);
    QCOMPARE(moodPercentText(mood), expected);
}

void GameRulesTest::newGameShowsThePlayersStartingData()
{
    GameState g;
    g.playerName = QStringLiteral("  ");
    const PlayerLabels labels = newGame(g);
    QCOMPARE(labels.lblName, QStringLiteral("  "));
    QCOMPARE(labels.lblStatus, QStringLiteral("Ламер"));
    QCOMPARE(labels.lblOpit, QStringLiteral(" 0"));
    QCOMPARE(labels.lblRab, QStringLiteral("Безработный, пособие - 1p./день"));
    QCOMPARE(labels.lblDengi, QStringLiteral(" 550"));
    QCOMPARE(g.mood, 100.0f);
    QCOMPARE(g.dayCounter, int16_t(1));
    QCOMPARE(g.dailyPay, int16_t(1));
    QCOMPARE(g.money, Currency::fromUnits(5500000));
    // The "p" of the job line is a Latin letter.
    QVERIFY(g.jobTitle.contains(QLatin1String("1p./")));
}

void GameRulesTest::newGameResetsColoursUnlessTheSettingsWereConfirmed_data()
{
    QTest::addColumn<Flag>("confirmed");
    QTest::addColumn<uint>("expectedStart");
    QTest::newRow("not confirmed") << False << uint(DefaultColours::GradientStart);
    QTest::newRow("confirmed") << True << 0x123456u;
    QTest::newRow("confirmed, any non-zero") << Flag(1) << 0x123456u;
}

void GameRulesTest::newGameResetsColoursUnlessTheSettingsWereConfirmed()
{
    QFETCH(Flag, confirmed);
    QFETCH(uint, expectedStart);
    GameState g;
    g.settingsConfirmed = confirmed;
    g.colourGradientStart = 0x123456u;
    newGame(g);
    QCOMPARE(g.colourGradientStart.value(), expectedStart);
}

void GameRulesTest::secondNewGameStartsLikeTheFirst()
{
    GameState first = startedGame();

    GameState played = first;
    for (const Skill& s : skills) {
        played.*s.knows = True;
        played.*s.scored = True;
    }
    for (const Program& p : programs)
        played.*p.installed = True;
    for (const Part& p : parts)
        played.*p.owned = True;
    for (auto f : onlinePurchaseFlags)
        played.*f = True;
    played.hddCapacityGb = 120;
    played.hddFreeGb = 77.5f;
    played.finishedProjectType = 9;
    played.projectName = QStringLiteral("Бухгалтерия");
    played.devProjectType = 4;
    played.developing = True;
    played.devDaysDone = 40;
    played.seniority = 300;
    played.seniorityPerDay = 2;
    played.antivirusUpdated = True;
    played.money = Currency::fromRoubles(99999);
    played.experience = 65;
    played.mood = 3.0f;
    played.dayCounter = 500;
    played.dailyPay = 37;

    newGame(played);
    QCOMPARE(played, first);
}

void GameRulesTest::experienceAndStatusFollowTheSkills_data()
{
    QTest::addColumn<FlagList>("known");
    QTest::addColumn<int>("experience");
    QTest::addColumn<QString>("status");
    QTest::newRow("nothing known keeps the title") << FlagList{} << 0 << "Ламер";
    QTest::newRow("Windows 98") << FlagList{&G::knowsWin98} << 1 << "Пользователь";
    QTest::newRow("web") << FlagList{&G::knowsPerl} << 2 << "Веб-мастер";
    QTest::newRow("design after systems")
        << FlagList{&G::knowsPhotoshop, &G::knowsWin98} << 3 << "Пользователь+";
    QTest::newRow("programming") << FlagList{&G::knowsVc} << 10 << "Программист";
    QTest::newRow("programming over design")
        << FlagList{&G::knowsVfp, &G::knowsOffice} << 10 << "Программист";
    QTest::newRow("web and programming") << FlagList{&G::knowsHtml, &G::knowsVb} << 11 << "Умный";
    QTest::newRow("web, programming and design")
        << FlagList{&G::knowsHtml, &G::knowsVb, &G::knowsPhotoshop} << 13 << "Умный+";
    QTest::newRow("Pds and Delphi") << FlagList{&G::knowsPds, &G::knowsDelphi} << 11
                                    << "Программист";
    FlagList all;
    for (const Skill& s : skills)
        all << s.knows;
    QTest::newRow("all nineteen") << all << 65 << "Умный+";
}

void GameRulesTest::experienceAndStatusFollowTheSkills()
{
    QFETCH(FlagList, known);
    QFETCH(int, experience);
    QFETCH(QString, status);
    GameState g = startedGame();
    for (auto f : known)
        g.*f = True;
    const StatusLabels labels = recomputeExperience(g);
    QCOMPARE(int(g.experience), experience);
    QCOMPARE(g.statusTitle, status);
    QCOMPARE(labels.lblStatus, status);
    QCOMPARE(labels.lblOpit, QString::number(experience)); // plain digits, no blank
    for (const Skill& s : skills)
        QCOMPARE(g.*s.scored, known.contains(s.knows) ? True : False);
}

void GameRulesTest::recomputingTwiceCountsEachSkillOnce()
{
    GameState g = startedGame();
    g.knowsWin98 = True;
    recomputeExperience(g);
    recomputeExperience(g);
    QCOMPARE(g.experience, int16_t(1));
    g.knowsUnix = 1; // any non-zero value counts as known
    recomputeExperience(g);
    QCOMPARE(g.experience, int16_t(3));
    QCOMPARE(g.scoredUnix, True);
}

void GameRulesTest::experienceNeverPassesItsRange()
{
    GameState g = startedGame();
    g.experience = 32760;
    g.knowsVc = True;
    recomputeExperience(g);
    QCOMPARE(g.experience, int16_t(32767));
}

void GameRulesTest::jobLineFollowsTheDailyPay_data()
{
    QTest::addColumn<int>("pay");
    QTest::addColumn<QString>("line");
    QTest::newRow("3") << 3 << "Верстальщик, 3 р./день";
    QTest::newRow("5") << 5 << "Детский учитель по Delphi, 5 р./день";
    QTest::newRow("10") << 10 << "Веб-дизайнер, 10 р./день";
    QTest::newRow("12") << 12 << "Дизайнер, 12 р./день";
    QTest::newRow("18") << 18 << "Веб -программист, 18 р./день";
    QTest::newRow("20") << 20 << "Программист, 20 р./день";
    QTest::newRow("25") << 25 << "Программист, 25 р./день";
    QTest::newRow("30") << 30 << "Веб -мастер, 30 р./день";
    QTest::newRow("37") << 37 << "Программист, 37 р./день";
    QTest::newRow("benefit leaves the label") << 1 << QString();
    QTest::newRow("no job pays 7") << 7 << QString();
    QTest::newRow("negative") << -3 << QString();
}

void GameRulesTest::jobLineFollowsTheDailyPay()
{
    QFETCH(int, pay);
    QFETCH(QString, line);
    const auto text = jobLineForPay(int16_t(pay));
    QCOMPARE(text.has_value(), !line.isEmpty());
    if (text)
        QCOMPARE(*text, line);
}

void GameRulesTest::developmentDaysByLevel_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("days");
    const int expected[] = {10, 50, 55, 60, 70, 75, 80, 85, 90, 95, 100, 80, 85, 90, 95};
    for (int i = 0; i < 15; ++i)
        QTest::addRow("level %d", i + 1) << i << expected[i];
    QTest::newRow("below") << -1 << 0;
    QTest::newRow("above") << 15 << 0;
    QTest::newRow("far above") << std::numeric_limits<int32_t>::max() << 0;
}

void GameRulesTest::developmentDaysByLevel()
{
    QFETCH(int, type);
    QFETCH(int, days);
    QCOMPARE(int(developmentDays(type)), days);
}

void GameRulesTest::sliderSetsTheClock_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("interval"); // -1: left as it is
    QTest::addColumn<bool>("resumes");
    QTest::newRow("slow") << 0 << true << 5000 << true;
    QTest::newRow("normal") << 1 << true << 1000 << true;
    QTest::newRow("pause") << 2 << false << -1 << false;
}

void GameRulesTest::sliderSetsTheClock()
{
    QFETCH(int, position);
    QFETCH(bool, enabled);
    QFETCH(int, interval);
    QFETCH(bool, resumes);
    const ClockSetting clock = clockForSlider(position);
    QCOMPARE(clock.enabled, enabled);
    QCOMPARE(clock.intervalMs.value_or(-1), interval);
    QCOMPARE(clockResumes(position), resumes);
}

void GameRulesTest::dayLabelShowsTheDayBeforeTheTick()
{
    GameState g = startedGame();
    const DayResult day = dailyTick(g, 100.0f);
    QCOMPARE(day.label1, QStringLiteral(" 1"));
    QCOMPARE(g.dayCounter, int16_t(2));
    QCOMPARE(day.moodBar, 99.5f);
    QCOMPARE(day.lblPercent, QStringLiteral(" 99"));
    QCOMPARE(day.lblDengi, QStringLiteral(" 551"));
    QCOMPARE(day.lblStazh, QStringLiteral(" 0"));
}

void GameRulesTest::gameEndsOnThe199thTickWithoutRest()
{
    GameState g = startedGame();
    float bar = clockLabels(g).moodBar; // the bar before the first tick
    for (int tick = 1; tick <= 198; ++tick) {
        const DayResult day = dailyTick(g, bar);
        QVERIFY2(!day.gameOver, qPrintable(QString::number(tick)));
        bar = day.moodBar;
    }
    QCOMPARE(bar, 1.0f);
    QVERIFY(dailyTick(g, bar).gameOver);
}

void GameRulesTest::aMoodBarOfOneOrLessEndsTheGame_data()
{
    QTest::addColumn<float>("bar");
    QTest::addColumn<bool>("over");
    QTest::newRow("1.5") << 1.5f << false;
    QTest::newRow("1") << 1.0f << true;
    QTest::newRow("0.5") << 0.5f << true;
    QTest::newRow("0") << 0.0f << true;
}

void GameRulesTest::aMoodBarOfOneOrLessEndsTheGame()
{
    QFETCH(float, bar);
    QFETCH(bool, over);
    GameState g = startedGame();
    g.mood = bar - 0.5f;
    QCOMPARE(dailyTick(g, bar).gameOver, over);
}

void GameRulesTest::gameOverStopsTheDayShort()
{
    GameState g = startedGame();
    g.mood = 0.5f;
    g.dayCounter = 6;
    g.antivirusUpdated = True;
    g.developing = True;
    const GameState before = g;
    const DayResult day = dailyTick(g, 1.0f);
    QVERIFY(day.gameOver);
    // The first four steps happened, nothing after the message.
    QCOMPARE(g.mood, 0.0f);
    QCOMPARE(g.dayCounter, int16_t(7));
    QCOMPARE(g.money, before.money);
    QCOMPARE(g.antivirusUpdated, True);
    QCOMPARE(g.devDaysDone, before.devDaysDone);
    QVERIFY(!day.development);
}

void GameRulesTest::wageAndSeniorityArePaidEveryDay()
{
    GameState g = startedGame();
    dailyTick(g, 100.0f);
    QCOMPARE(g.money, Currency::fromRoubles(551)); // unemployment benefit: 1 rouble a day
    g.dailyPay = 37;
    g.seniorityPerDay = 3;
    g.money = Currency::fromUnits(-5000);
    const DayResult day = dailyTick(g, 100.0f);
    QCOMPARE(g.money, Currency::fromUnits(365000));
    QCOMPARE(day.lblDengi, QStringLiteral(" 36.5"));
    QCOMPARE(g.seniority, 3);
    QCOMPARE(day.lblStazh, QStringLiteral(" 3"));
}

void GameRulesTest::antivirusUpdateExpiresEverySeventhDay_data()
{
    QTest::addColumn<int>("dayBefore");
    QTest::addColumn<bool>("expires");
    QTest::newRow("to day 7") << 6 << true;
    QTest::newRow("to day 8") << 7 << false;
    QTest::newRow("to day 14") << 13 << true;
    QTest::newRow("to day 21") << 20 << true;
    QTest::newRow("to day 2") << 1 << false;
    QTest::newRow("last day again") << 32767 << false;
}

void GameRulesTest::antivirusUpdateExpiresEverySeventhDay()
{
    QFETCH(int, dayBefore);
    QFETCH(bool, expires);
    GameState g = startedGame();
    g.dayCounter = int16_t(dayBefore);
    g.antivirusUpdated = True;
    dailyTick(g, 100.0f);
    QCOMPARE(g.antivirusUpdated, expires ? False : True);
}

void GameRulesTest::projectAdvancesAndFinishes_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("ticksToFinish");
    QTest::newRow("level I") << 0 << 10;
    QTest::newRow("level XI") << 10 << 100;
    QTest::newRow("level XV") << 14 << 95;
    QTest::newRow("unknown level finishes at once") << 15 << 1;
    QTest::newRow("negative level finishes at once") << -7 << 1;
}

void GameRulesTest::projectAdvancesAndFinishes()
{
    QFETCH(int, type);
    QFETCH(int, ticksToFinish);
    GameState g = startedGame();
    g.developing = True;
    g.devProjectType = type;
    g.finishedProjectType = 99;
    for (int tick = 1; tick < ticksToFinish; ++tick) {
        const DayResult day = dailyTick(g, 100.0f);
        QVERIFY(day.development && !day.development->finished);
        QCOMPARE(day.development->value, tick);
        QCOMPARE(int(day.development->maximum), ticksToFinish);
        QCOMPARE(g.finishedProjectType, 99);
    }
    const DayResult last = dailyTick(g, 100.0f);
    QVERIFY(last.development && last.development->finished);
    QCOMPARE(last.development->value, 0);
    QCOMPARE(last.development->lblRazrabotka, QStringLiteral("Готово. Приложение разработано!"));
    QCOMPARE(g.finishedProjectType, type);
    QCOMPARE(g.developing, False);
    QCOMPARE(g.devDaysDone, uint8_t(0));
    QVERIFY(!dailyTick(g, 100.0f).development);
}

void GameRulesTest::remainingDaysTextHasTwoBlanksBeforeOneDigit()
{
    GameState g = startedGame();
    g.developing = True;
    g.devProjectType = 0;
    const DayResult day = dailyTick(g, 100.0f);
    QCOMPARE(day.development->lblRazrabotka,
             QStringLiteral("Приложение разрабатывается ... Осталось  9 дней."));
}

void GameRulesTest::projectOnlyAdvancesWhenDevelopingIsExactlyTrue()
{
    GameState g = startedGame();
    g.developing = 1; // non-zero, but not -1
    QVERIFY(!dailyTick(g, 100.0f).development);
    QCOMPARE(g.devDaysDone, uint8_t(0));
}

void GameRulesTest::countersStopAtTheirLimits()
{
    GameState g = startedGame();
    g.dayCounter = 32767;
    g.seniority = std::numeric_limits<int32_t>::max() - 1;
    g.seniorityPerDay = 255;
    g.money = Currency::fromUnits(std::numeric_limits<int64_t>::max() - 1);
    g.developing = True;
    g.devProjectType = 14;
    g.devDaysDone = 255; // from a modified saved game
    const DayResult day = dailyTick(g, 100.0f);
    QCOMPARE(day.label1, QStringLiteral(" 32767"));
    QCOMPARE(g.dayCounter, int16_t(32767));
    QCOMPARE(g.seniority, std::numeric_limits<int32_t>::max());
    QCOMPARE(g.money.units(), std::numeric_limits<int64_t>::max());
    QVERIFY(day.development->finished);
    QCOMPARE(g.finishedProjectType, 14);
}

void GameRulesTest::finishedProjectGivesBackTheListItCameFrom_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("expected");
    QTest::newRow("project list") << "Приложение I уровня" << int(ListsAfterFinish::EnableProjectList);
    QTest::newRow("web list") << "Сайт" << int(ListsAfterFinish::EnableWebList);
    QTest::newRow("neither") << "" << int(ListsAfterFinish::Unchanged);
}

void GameRulesTest::finishedProjectGivesBackTheListItCameFrom()
{
    QFETCH(QString, source);
    QFETCH(int, expected);
    QCOMPARE(int(listsAfterFinish(source, QStringLiteral("Приложение I уровня"),
                                  QStringLiteral("Сайт"))),
             expected);
}

QTEST_APPLESS_MAIN(GameRulesTest)
#include "tst_gamerules.moc"
