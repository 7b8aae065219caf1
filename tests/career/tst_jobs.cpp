// Jobs: the take rules with their either-or conditions, seniority, and changing jobs.
#include "career/Jobs.h"
#include "world/DailyTick.h"
#include "world/NewGame.h"

#include <QtTest>

using G = GameState;
using FlagList = QList<Flag GameState::*>;
Q_DECLARE_METATYPE(FlagList)

namespace {
GameState gameWith(const FlagList& flags, int32_t seniority = 0)
{
    GameState g;
    g.playerName = QStringLiteral("Вася");
    newGame(g);
    for (auto flag : flags)
        g.*flag = True;
    g.seniority = seniority;
    return g;
}

GameState knowingEverything(int32_t seniority)
{
    GameState g = gameWith({}, seniority);
    for (const Job& job : jobs)
        for (const auto& group : job.skills)
            for (SkillFlag skill : group)
                g.*skill = True;
    return g;
}

const Job& job(const char* label)
{
    const Job* j = jobNamed(QString::fromLatin1(label));
    if (!j)
        qFatal("no job %s", label);
    return *j;
}

const FlagList webMasterButPhotoshop{&G::knowsWin98, &G::knowsHtml, &G::knowsPhp, &G::knowsPerl,
                                     &G::knowsSql, &G::knowsApache, &G::knowsFlash,
                                     &G::knowsDreamweaver, &G::knowsCorelDraw};
const FlagList seniorProgrammer{&G::knowsWinXp, &G::knowsVc, &G::knowsVb, &G::knowsPds,
                                &G::knowsVfp};
} // namespace

class JobsTest : public QObject {
    Q_OBJECT

private slots:
    void takeRuleWithItsEitherOrConditions_data();
    void takeRuleWithItsEitherOrConditions();
    void seniorityBelowTheMinimumClosesTheJob_data();
    void seniorityBelowTheMinimumClosesTheJob();
    void firstJobIsAlwaysTheTypesetter();
    void requirementLinesAreJoinedByCarriageReturns_data();
    void requirementLinesAreJoinedByCarriageReturns();
    void failingHoverAlwaysSaysUnavailable();
    void takingJobsUpTheLadder();
    void unavailableOrHeldJobIsNotTaken_data();
    void unavailableOrHeldJobIsNotTaken();
    void everyJobHasTheLineOfItsPay();
};

void JobsTest::takeRuleWithItsEitherOrConditions_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<FlagList>("known");
    QTest::addColumn<int>("seniority");
    QTest::addColumn<bool>("available");
    QTest::newRow("typesetter knows Office") << "lblVerst" << FlagList{&G::knowsOffice} << 0 << true;
    QTest::newRow("typesetter without Office") << "lblVerst" << FlagList{&G::knowsWin98} << 500 << false;
    QTest::newRow("Delphi teacher with 98") << "lblProg1" << FlagList{&G::knowsWin98, &G::knowsDelphi} << 100 << true;
    QTest::newRow("Delphi teacher with XP only") << "lblProg1" << FlagList{&G::knowsWinXp, &G::knowsDelphi} << 100 << false;
    QTest::newRow("web designer accepts XP") << "lblWebD"
        << FlagList{&G::knowsWinXp, &G::knowsDreamweaver, &G::knowsFlash, &G::knowsHtml} << 100 << true;
    QTest::newRow("web designer without HTML") << "lblWebD"
        << FlagList{&G::knowsWin98, &G::knowsDreamweaver, &G::knowsFlash} << 100 << false;
    QTest::newRow("designer with Corel Draw") << "lblDiz"
        << FlagList{&G::knowsWin98, &G::knowsStudio3d, &G::knowsCorelDraw, &G::knowsFlash} << 100 << true;
    QTest::newRow("designer with Photoshop") << "lblDiz"
        << FlagList{&G::knowsWinXp, &G::knowsStudio3d, &G::knowsPhotoshop, &G::knowsFlash} << 100 << true;
    QTest::newRow("designer without drawing") << "lblDiz"
        << FlagList{&G::knowsWinXp, &G::knowsStudio3d, &G::knowsFlash} << 100 << false;
    QTest::newRow("designer without any Windows") << "lblDiz"
        << FlagList{&G::knowsUnix, &G::knowsStudio3d, &G::knowsPhotoshop, &G::knowsFlash} << 100 << false;
    QTest::newRow("web programmer") << "lblWebProg"
        << FlagList{&G::knowsWinXp, &G::knowsHtml, &G::knowsPhp, &G::knowsPerl, &G::knowsSql, &G::knowsApache} << 100 << true;
    QTest::newRow("web programmer without Apache") << "lblWebProg"
        << FlagList{&G::knowsWinXp, &G::knowsHtml, &G::knowsPhp, &G::knowsPerl, &G::knowsSql} << 100 << false;
    QTest::newRow("programmer 20 with XP and Fox Pro") << "lblProg2" << FlagList{&G::knowsWinXp, &G::knowsVfp} << 100 << true;
    QTest::newRow("programmer 25") << "lblProg3" << FlagList{&G::knowsWin98, &G::knowsVc, &G::knowsPds} << 100 << true;
    QTest::newRow("programmer 25 without PDS") << "lblProg3" << FlagList{&G::knowsWin98, &G::knowsVc} << 100 << false;
    QTest::newRow("web master with Corel Draw only") << "lblWebM" << webMasterButPhotoshop << 100 << true;
    QTest::newRow("web master without Dreamweaver") << "lblWebM"
        << FlagList{&G::knowsWin98, &G::knowsHtml, &G::knowsPhp, &G::knowsPerl, &G::knowsSql,
                    &G::knowsApache, &G::knowsFlash, &G::knowsCorelDraw} << 100 << false;
    QTest::newRow("programmer 37 with XP at 200") << "lblProg4" << seniorProgrammer << 200 << true;
    QTest::newRow("programmer 37 at 199") << "lblProg4" << seniorProgrammer << 199 << false;
    QTest::newRow("programmer 37 without Fox Pro") << "lblProg4"
        << FlagList{&G::knowsWinXp, &G::knowsVc, &G::knowsVb, &G::knowsPds} << 300 << false;
}

void JobsTest::takeRuleWithItsEitherOrConditions()
{
    QFETCH(QString, label);
    QFETCH(FlagList, known);
    QFETCH(int, seniority);
    QFETCH(bool, available);
    const GameState g = gameWith(known, seniority);
    const Job& j = *jobNamed(label);
    QCOMPARE(jobAvailable(g, j), available);
    QCOMPARE(hoverJob(g, j).lblDostupna,
             available ? QStringLiteral("Трудоустройство возможно")
                       : QStringLiteral("С вашими знаниями эта работа недоступна!"));
}

void JobsTest::seniorityBelowTheMinimumClosesTheJob_data()
{
    QTest::addColumn<int>("seniority");
    QTest::addColumn<QStringList>("open");
    QTest::newRow("0") << 0 << QStringList{"lblVerst"};
    QTest::newRow("99") << 99 << QStringList{"lblVerst"};
    QTest::newRow("100") << 100
        << QStringList{"lblVerst", "lblProg1", "lblWebD", "lblDiz", "lblWebProg", "lblProg2",
                       "lblProg3", "lblWebM"};
    QTest::newRow("199") << 199
        << QStringList{"lblVerst", "lblProg1", "lblWebD", "lblDiz", "lblWebProg", "lblProg2",
                       "lblProg3", "lblWebM"};
    QTest::newRow("200") << 200
        << QStringList{"lblVerst", "lblProg1", "lblWebD", "lblDiz", "lblWebProg", "lblProg2",
                       "lblProg3", "lblWebM", "lblProg4"};
}

void JobsTest::seniorityBelowTheMinimumClosesTheJob()
{
    QFETCH(int, seniority);
    QFETCH(QStringList, open);
    const GameState g = knowingEverything(seniority);
    QStringList available;
    for (const Job& j : jobs) {
        if (jobAvailable(g, j))
            available << QString::fromLatin1(j.label);
    }
    QCOMPARE(available, open);
}

void JobsTest::firstJobIsAlwaysTheTypesetter()
{
    // A new game has no seniority and earns none until a job is taken.
    GameState g = knowingEverything(0);
    for (int day = 0; day < 300; ++day)
        dailyTick(g, 100.0f);
    QCOMPARE(g.seniority, 0);
    for (const Job& j : jobs)
        QCOMPARE(takeJob(g, j).taken, j.pay == 3);
    QCOMPARE(g.dailyPay, int16_t(3));
}

void JobsTest::requirementLinesAreJoinedByCarriageReturns_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::newRow("one line") << "lblVerst" << "Знать Microsoft Office";
    QTest::newRow("Delphi teacher")
        << "lblProg1" << "Знать Microsoft Windows 98\rЗнать Borland Delphi\rСтаж предыдущей работы - 100";
    QTest::newRow("programmer 37 keeps its blank in C ++")
        << "lblProg4"
        << "Знать Microsoft Windows 98 или XP\rЗнать Microsoft Visual C ++\rЗнать Microsoft Visual Basic\r"
           "Знать Microsoft Basic PDS 7.1\rЗнать Microsoft Visual Fox Pro\rСтаж предыдущей работы - 200";
}

void JobsTest::requirementLinesAreJoinedByCarriageReturns()
{
    QFETCH(QString, label);
    QFETCH(QString, text);
    QCOMPARE(hoverJob(GameState{}, *jobNamed(label)).lblTreb, text);
}

void JobsTest::failingHoverAlwaysSaysUnavailable()
{
    GameState g = gameWith({&G::knowsOffice, &G::knowsWinXp, &G::knowsVfp}, 100);
    QCOMPARE(hoverJob(g, job("lblProg2")).lblDostupna, QStringLiteral("Трудоустройство возможно"));
    QCOMPARE(hoverJob(g, job("lblProg1")).lblDostupna,
             QStringLiteral("С вашими знаниями эта работа недоступна!"));
}

void JobsTest::takingJobsUpTheLadder()
{
    GameState g = gameWith({&G::knowsOffice, &G::knowsWinXp, &G::knowsVfp});
    QVERIFY(!jobForPay(g.dailyPay));

    const JobTaken first = takeJob(g, job("lblVerst"));
    QVERIFY(first.taken);
    QCOMPARE(first.enable, nullptr);
    QCOMPARE(first.disable, &job("lblVerst"));
    QCOMPARE(g.dailyPay, int16_t(3));
    QCOMPARE(g.seniority, 0);
    QCOMPARE(g.seniorityPerDay, uint8_t(1));
    QVERIFY(!jobLabelEnabled(g, job("lblVerst")));

    for (int day = 0; day < 99; ++day)
        dailyTick(g, 100.0f);
    QCOMPARE(g.seniority, 99);
    QVERIFY(!takeJob(g, job("lblProg2")).taken);
    dailyTick(g, 100.0f);
    QCOMPARE(g.seniority, 100);

    const JobTaken second = takeJob(g, job("lblProg2"));
    QVERIFY(second.taken);
    QCOMPARE(second.enable, &job("lblVerst"));
    QCOMPARE(second.disable, &job("lblProg2"));
    QCOMPARE(g.dailyPay, int16_t(20));
    QCOMPARE(g.seniority, 0);
    QVERIFY(jobLabelEnabled(g, job("lblVerst")));
    QVERIFY(!jobLabelEnabled(g, job("lblProg2")));
}

void JobsTest::unavailableOrHeldJobIsNotTaken_data()
{
    QTest::addColumn<QString>("label");
    QTest::newRow("skills missing") << "lblWebD";
    QTest::newRow("the job held") << "lblVerst";
}

void JobsTest::unavailableOrHeldJobIsNotTaken()
{
    QFETCH(QString, label);
    GameState g = gameWith({&G::knowsOffice}, 150);
    g.dailyPay = 3;
    g.seniorityPerDay = 1;
    const GameState before = g;
    const JobTaken taken = takeJob(g, *jobNamed(label));
    QVERIFY(!taken.taken);
    QVERIFY(!taken.enable && !taken.disable);
    QVERIFY(g == before);
}

void JobsTest::everyJobHasTheLineOfItsPay()
{
    // The job held is known only by its pay: no two jobs may pay alike, and the home page's
    // line names the pay of its own job.
    for (const Job& j : jobs) {
        QCOMPARE(jobForPay(j.pay), &j);
        QVERIFY2(jobLineForPay(j.pay)->endsWith(QStringLiteral(", %1 р./день").arg(j.pay)), j.label);
    }
}

QTEST_APPLESS_MAIN(JobsTest)
#include "tst_jobs.moc"
