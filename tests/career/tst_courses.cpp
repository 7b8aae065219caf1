// Buying courses: the price rule, the two kinds of course and the 101 ticks of a timed one.
#include "career/Courses.h"
#include "career/Skills.h"
#include "world/NewGame.h"

#include <QtTest>

#include <algorithm>

using G = GameState;
using FlagList = QList<Flag GameState::*>;
Q_DECLARE_METATYPE(FlagList)

namespace {
GameState gameWith(Currency money, const FlagList& flags = {})
{
    GameState g;
    g.playerName = QStringLiteral("Вася");
    newGame(g);
    g.money = money;
    for (auto flag : flags)
        g.*flag = True;
    return g;
}

const Course& course(const char* label)
{
    const Course* c = courseNamed(QString::fromLatin1(label));
    if (!c)
        qFatal("no course %s", label);
    return *c;
}

Currency roubles(int64_t r) { return Currency::fromRoubles(r); }

// Runs the timer until the course completes; returns the number of ticks it took.
int runToCompletion(GameState& g, CourseRun& run, QList<CourseTick>* ticks = nullptr)
{
    for (int n = 1; n <= 1000; ++n) {
        const CourseTick t = courseTick(g, run);
        if (ticks)
            ticks->append(t);
        if (t.finished)
            return n;
    }
    return -1;
}
} // namespace

class CoursesTest : public QObject {
    Q_OBJECT

private slots:
    void courseNeedsMoreThanItsPriceAndItsProgram_data();
    void courseNeedsMoreThanItsPriceAndItsProgram();
    void descriptionGivesPriceAndProgramToInstall_data();
    void descriptionGivesPriceAndProgramToInstall();
    void everySkillHasExactlyOneCourse();

    void timedCourseLearnsAtOnceAndChargesAfter101Ticks();
    void timedCourseIsChargedEvenIntoDebt();
    void immediateCourseIsPaidAndLearnedAtTheClick();
    void unavailableCourseChangesNothing_data();
    void unavailableCourseChangesNothing();
    void secondTimedCourseWaitsForTheFirst();
    void cancelledCourseIsNeverCharged();
    void labelStaysEnabledUntilTheSkillIsKnown();
};

void CoursesTest::courseNeedsMoreThanItsPriceAndItsProgram_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<qint64>("moneyUnits");
    QTest::addColumn<FlagList>("installed");
    QTest::addColumn<bool>("available");
    const qint64 r = Currency::UnitsPerRouble;
    QTest::newRow("VB with exactly its price") << "lblVB" << 400 * r << FlagList{&G::installedVb} << false;
    QTest::newRow("VB with a kopeck more") << "lblVB" << 400 * r + 100 << FlagList{&G::installedVb} << true;
    QTest::newRow("VB without Visual Basic") << "lblVB" << 1000 * r << FlagList{} << false;
    QTest::newRow("VB with another program") << "lblVB" << 1000 * r << FlagList{&G::installedVc} << false;
    QTest::newRow("Windows 98 needs only money") << "lblWin98" << 101 * r << FlagList{} << true;
    QTest::newRow("Windows 98 with exactly 100") << "lblWin98" << 100 * r << FlagList{} << false;
    QTest::newRow("Dreamweaver with 60") << "lblMacroDream" << 60 * r << FlagList{&G::installedDreamweaver} << false;
    QTest::newRow("Dreamweaver with 96") << "lblMacroDream" << 96 * r << FlagList{&G::installedDreamweaver} << true;
    QTest::newRow("Office with 150") << "lblOffice" << 150 * r << FlagList{&G::installedOffice} << true;
    QTest::newRow("PHP with 78.0001") << "lblPHP" << 78 * r + 1 << FlagList{} << true;
    QTest::newRow("debt") << "lblHTML" << -5 * r << FlagList{} << false;
}

void CoursesTest::courseNeedsMoreThanItsPriceAndItsProgram()
{
    QFETCH(QString, label);
    QFETCH(qint64, moneyUnits);
    QFETCH(FlagList, installed);
    QFETCH(bool, available);
    GameState g = gameWith(Currency::fromUnits(moneyUnits), installed);
    const Course& c = *courseNamed(label);
    QCOMPARE(courseAvailable(g, c), available);
    QCOMPARE(hoverCourse(g, c).lblVozmozhno,
             available ? QStringLiteral("Обучение возможно") : QStringLiteral("Обучение невозможно"));

    // A click does exactly what the verdict promised.
    CourseRun run;
    const Currency before = g.money;
    const CourseStart start = startCourse(g, run, c);
    QCOMPARE(start != CourseStart::Refused, available);
    QCOMPARE(isSet(g.*c.skill), available);
    if (c.kind == CourseKind::Timed)
        QCOMPARE(g.money, before);
}

void CoursesTest::descriptionGivesPriceAndProgramToInstall_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("description");
    QTest::newRow("no program") << "lblWin98" << "Стоимость обучения: 100 p.";
    QTest::newRow("HTML") << "lblHTML" << "Стоимость обучения: 55 p.";
    QTest::newRow("Delphi") << "lblDel" << "Стоимость обучения: 350 p.\rУстановить Borland Delphi 5";
    QTest::newRow("PDS") << "lblPDS" << "Стоимость обучения: 300 p.\rУстановить Microsoft Basic PDS 7.1";
    QTest::newRow("Corel Draw") << "lblCDr" << "Стоимость обучения: 55 p.\rУстановить Corel Draw";
}

void CoursesTest::descriptionGivesPriceAndProgramToInstall()
{
    QFETCH(QString, label);
    QFETCH(QString, description);
    const QString text = courseDescription(*courseNamed(label));
    QCOMPARE(text, description);
    // The rouble sign is a Latin p, and the lines are split by a lone carriage return.
    QVERIFY(text.contains(QLatin1String(" p.")));
    QVERIFY(!text.contains(QChar('\n')));
}

void CoursesTest::everySkillHasExactlyOneCourse()
{
    // Experience counts the skills; each must be learnable, and by one course only.
    for (const Skill& s : skills) {
        const auto teaching = std::count_if(courses.begin(), courses.end(),
                                            [&](const Course& c) { return c.skill == s.knows; });
        QCOMPARE(teaching, 1);
    }
    for (const Course& c : courses) {
        QCOMPARE(c.installLine != nullptr, c.requiredProgram != nullptr);
        QCOMPARE(c.kind == CourseKind::Immediate, QByteArray(c.panel) == "Tavorel4");
    }
}

void CoursesTest::timedCourseLearnsAtOnceAndChargesAfter101Ticks()
{
    GameState g = gameWith(roubles(100));
    CourseRun run;
    QCOMPARE(startCourse(g, run, course("lblHTML")), CourseStart::Timed);
    QCOMPARE(g.knowsHtml, True);
    QCOMPARE(g.money, roubles(100));

    QList<CourseTick> ticks;
    QCOMPARE(runToCompletion(g, run, &ticks), 101);
    for (int n = 0; n < 100; ++n) {
        QCOMPARE(ticks[n].progress, n);
        QVERIFY(!ticks[n].panelsVisible);
        QCOMPARE(ticks[n].label2, QStringLiteral("Идёт процесс обучения"));
        QVERIFY(!ticks[n].finished);
    }
    const CourseTick& last = ticks.last();
    QCOMPARE(last.progress, 0);
    QVERIFY(last.panelsVisible);
    QVERIFY(last.label2.isEmpty());
    QCOMPARE(last.completed, &course("lblHTML"));
    QCOMPARE(g.money, roubles(45));
    QCOMPARE(g.trainingTicks, int16_t(0));
    QVERIFY(!run.running());
}

void CoursesTest::timedCourseIsChargedEvenIntoDebt()
{
    GameState g = gameWith(roubles(401), {&G::installedVc});
    CourseRun run;
    QCOMPARE(startCourse(g, run, course("lblVC")), CourseStart::Timed);
    for (int n = 0; n < 50; ++n)
        courseTick(g, run);
    g.money = roubles(10); // spent elsewhere while the course runs
    runToCompletion(g, run);
    QCOMPARE(g.money, roubles(10 - 400));
}

void CoursesTest::immediateCourseIsPaidAndLearnedAtTheClick()
{
    GameState g = gameWith(roubles(150), {&G::installedOffice});
    CourseRun run;
    QCOMPARE(startCourse(g, run, course("lblOffice")), CourseStart::Immediate);
    QCOMPARE(g.knowsOffice, True);
    QCOMPARE(g.money, roubles(50));
    QVERIFY(!run.running());
    QVERIFY(!courseLabelEnabled(g, course("lblOffice")));
}

void CoursesTest::unavailableCourseChangesNothing_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("money");
    QTest::newRow("timed, exact price") << "lblUnix" << 390;
    QTest::newRow("timed, program missing") << "lblDel" << 1000;
    QTest::newRow("immediate, exact price") << "lblPhoto" << 55;
    QTest::newRow("immediate, program missing") << "lblStudio" << 1000;
}

void CoursesTest::unavailableCourseChangesNothing()
{
    QFETCH(QString, label);
    QFETCH(int, money);
    GameState g = gameWith(roubles(money), {&G::installedPhotoshop});
    const GameState before = g;
    CourseRun run;
    QCOMPARE(startCourse(g, run, *courseNamed(label)), CourseStart::Refused);
    QVERIFY(g == before);
    QVERIFY(!run.running());
}

void CoursesTest::secondTimedCourseWaitsForTheFirst()
{
    GameState g = gameWith(roubles(500));
    CourseRun run;
    QCOMPARE(startCourse(g, run, course("lblHTML")), CourseStart::Timed);
    // Clicked before the first tick has hidden the panels.
    QCOMPARE(startCourse(g, run, course("lblPHP")), CourseStart::Refused);
    QCOMPARE(g.knowsPhp, False);
    runToCompletion(g, run);
    QCOMPARE(g.money, roubles(445));
    // Once it is over the next one may start.
    QCOMPARE(startCourse(g, run, course("lblPHP")), CourseStart::Timed);
}

void CoursesTest::cancelledCourseIsNeverCharged()
{
    GameState g = gameWith(roubles(500));
    CourseRun run;
    startCourse(g, run, course("lblWinXP"));
    for (int n = 0; n < 30; ++n)
        courseTick(g, run);
    cancelCourse(g, run);
    QCOMPARE(g.trainingTicks, int16_t(0));
    const CourseTick stray = courseTick(g, run);
    QVERIFY(stray.finished);
    QVERIFY(stray.panelsVisible);
    QVERIFY(!stray.completed);
    QCOMPARE(g.money, roubles(500));
}

void CoursesTest::labelStaysEnabledUntilTheSkillIsKnown()
{
    GameState g = gameWith(roubles(500));
    QVERIFY(courseLabelEnabled(g, course("lblSQL")));
    g.knowsSql = 1; // any non-zero value is a known skill
    QVERIFY(!courseLabelEnabled(g, course("lblSQL")));
}

QTEST_APPLESS_MAIN(CoursesTest)
#include "tst_courses.moc"
