// The training and jobs pages through real input: every label in its panel and readable, the
// hover texts and verdicts, a timed course run to its end by its timer, an immediate course,
// taking jobs up the ladder, the pages' "Да" and a loaded game.
#include "support/GameHarness.h"

#include "career/Courses.h"
#include "career/Jobs.h"
#include "kit/Colours.h"
#include "kit/Controls.h"

#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <QTabWidget>
#include <QToolBar>

namespace {
constexpr uint32_t Red = 0x0000FF;

void key(MainScreen* s, const char* name)
{
    s->control<QToolBar>("Toolbar1")->findChild<QAction*>(QString::fromLatin1(name))->trigger();
    QApplication::processEvents();
}

QLabel* label(MainScreen* s, const char* name)
{
    return s->control<QLabel>(name);
}

QString text(MainScreen* s, const char* name)
{
    return caption(s->control(name));
}

// Moves the pointer onto a label: from its corner to its middle, so that it moves even when it
// rested on the same spot before.
void pointAt(QWidget* w)
{
    QTest::mouseMove(w, QPoint(1, 1));
    QTest::mouseMove(w);
}

// Points at a label, then clicks it, as a player would.
void pointAndClick(MainScreen* s, const char* name)
{
    pointAt(label(s, name));
    QTest::mouseClick(label(s, name), Qt::LeftButton);
}

bool panelsVisible(MainScreen* s)
{
    for (const CoursePanel& p : coursePanels) {
        if (!s->control(p.name)->isVisibleTo(s->page(1)))
            return false;
    }
    return true;
}
} // namespace

class CareerPagesTest : public QObject {
    Q_OBJECT

private slots:
    void everyLabelSitsInItsPanelUnclipped_data();
    void everyLabelSitsInItsPanelUnclipped();
    void courseHoverShowsPriceProgramAndVerdict_data();
    void courseHoverShowsPriceProgramAndVerdict();
    void timedCourseRuns101TicksWithThePanelsHidden();
    void courseKeepsRunningWhenThePageIsLeft();
    void paidCourseShowsItsPriceGoneAndNoToolTip();
    void immediateCourseIsBoughtAtTheClick();
    void unaffordableCourseIgnoresTheClick();
    void daCountsTheNewSkills();
    void jobsAreTakenUpTheLadder();
    void failingHoverReplacesTheVerdict();
    void panelsResetTheHover();
    void loadedGameDisablesKnownCoursesAndTheJobHeld();
};

void CareerPagesTest::everyLabelSitsInItsPanelUnclipped_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("caption");
    for (const Course& c : courses)
        QTest::newRow(c.label) << c.label << c.panel << QString::fromUtf8(c.caption);
    for (const Job& j : jobs)
        QTest::newRow(j.label) << j.label << "Tavorel6" << QString::fromUtf8(j.caption);
}

void CareerPagesTest::everyLabelSitsInItsPanelUnclipped()
{
    QFETCH(QString, name);
    QFETCH(QString, panel);
    QFETCH(QString, caption);
    FlowHarness h;
    MainScreen* s = h.newGame();
    auto* l = s->findChild<QLabel*>(name);
    QVERIFY(l);
    QCOMPARE(l->text(), caption);
    QCOMPARE(l->parentWidget()->objectName(), panel);
    QVERIFY(l->parentWidget()->rect().contains(l->geometry()));
    QVERIFY2(l->sizeHint().width() <= l->width(), "the caption fits its label");
    QVERIFY(l->isEnabled());
    QCOMPARE(backColour(l), uint32_t(DefaultColours::ChoiceButtons));
}

void CareerPagesTest::courseHoverShowsPriceProgramAndVerdict_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("money");
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QString>("toolTip");
    QTest::newRow("VB with exactly 400") << "lblVB" << 400 << true
        << "Стоимость обучения: 400 p.\nУстановить Microsoft Visual Basic" << "Обучение невозможно"
        << "Версия 6 и выше - профессиональное программирование в удобной среде";
    QTest::newRow("VB with 401") << "lblVB" << 401 << true
        << "Стоимость обучения: 400 p.\nУстановить Microsoft Visual Basic" << "Обучение возможно"
        << "Версия 6 и выше - профессиональное программирование в удобной среде";
    QTest::newRow("Fox Pro") << "lblVFP" << 550 << true
        << "Стоимость обучения: 400 p.\nУстановить Microsoft Visual Fox Pro" << "Обучение возможно"
        << "Программирование на профессиональном уровне";
}

void CareerPagesTest::courseHoverShowsPriceProgramAndVerdict()
{
    QFETCH(QString, name);
    QFETCH(int, money);
    QFETCH(bool, installed);
    QFETCH(QString, description);
    QFETCH(QString, verdict);
    QFETCH(QString, toolTip);
    FlowHarness h;
    MainScreen* s = h.newGame();
    key(s, "Obuchenie");
    const Course& c = *courseNamed(name);
    h.game.money = Currency::fromRoubles(money);
    if (c.requiredProgram)
        h.game.*c.requiredProgram = toFlag(installed);
    QLabel* l = s->findChild<QLabel*>(name);
    QCOMPARE(text(s, "lblVozmozhno"), QStringLiteral("."));
    pointAt(l);
    QCOMPARE(backColour(l), Red);
    QCOMPARE(text(s, "lblOpisanie"), description);
    QCOMPARE(text(s, "lblVozmozhno"), verdict);
    QCOMPARE(l->toolTip(), toolTip);
}

void CareerPagesTest::timedCourseRuns101TicksWithThePanelsHidden()
{
    FlowHarness h;
    MainScreen* s = h.newGame();
    key(s, "Obuchenie");
    h.game.money = Currency::fromRoubles(100);
    auto* timer = s->control<QTimer>("tmrObuchenie");
    auto* bar = s->control<QProgressBar>("prgObuchenie");
    QCOMPARE(timer->interval(), 250);
    QVERIFY(!timer->isActive());
    QVERIFY(!bar->isVisibleTo(s));

    pointAndClick(s, "lblHTML");
    QVERIFY(timer->isActive());
    QVERIFY(bar->isVisibleTo(s));
    QCOMPARE(h.game.knowsHtml, True);
    QCOMPARE(h.game.money, Currency::fromRoubles(100));

    for (int tick = 1; tick <= 100; ++tick) {
        fire(timer);
        QCOMPARE(bar->value(), tick - 1);
        QVERIFY(!panelsVisible(s));
        QCOMPARE(text(s, "Label2"), QStringLiteral("Идёт процесс обучения"));
    }
    QCOMPARE(h.game.money, Currency::fromRoubles(100));
    fire(timer); // the 101st
    QVERIFY(!timer->isActive());
    QVERIFY(!bar->isVisibleTo(s));
    QCOMPARE(bar->value(), 0);
    QVERIFY(panelsVisible(s));
    QCOMPARE(text(s, "Label2"), QString());
    QCOMPARE(h.game.money, Currency::fromRoubles(45));
    QVERIFY(!label(s, "lblHTML")->isEnabled());
}

void CareerPagesTest::courseKeepsRunningWhenThePageIsLeft()
{
    FlowHarness h;
    MainScreen* s = h.newGame();
    key(s, "Obuchenie");
    pointAndClick(s, "lblWin98");
    pressTavorel(s->control("cmdDa"));
    QCOMPARE(s->control<QTabWidget>("SSTab1")->currentIndex(), 0);
    auto* timer = s->control<QTimer>("tmrObuchenie");
    QVERIFY(timer->isActive());
    // Days pass meanwhile, and the course is charged when it ends, even into debt.
    for (int n = 0; n < 50; ++n)
        fire(timer);
    h.game.money = Currency::fromRoubles(30);
    for (int n = 0; n < 51; ++n)
        fire(timer);
    QVERIFY(!timer->isActive());
    QCOMPARE(h.game.money, Currency::fromRoubles(-70));
}

void CareerPagesTest::paidCourseShowsItsPriceGoneAndNoToolTip()
{
    FlowHarness h;
    MainScreen* s = h.newGame();
    key(s, "Obuchenie");
    h.game.installedVb = True;
    h.game.money = Currency::fromRoubles(1000);
    const QString toolTip = label(s, "lblVB")->toolTip();
    pointAndClick(s, "lblVB");
    for (int n = 0; n < 101; ++n)
        fire(s->control<QTimer>("tmrObuchenie"));
    QCOMPARE(text(s, "lblDengi"), QStringLiteral(" 600")); // at once, not on the next day
    QCOMPARE(label(s, "lblVB")->toolTip(), QString());
    h.newGame();
    QCOMPARE(label(s, "lblVB")->toolTip(), toolTip);
}

void CareerPagesTest::immediateCourseIsBoughtAtTheClick()
{
    FlowHarness h;
    MainScreen* s = h.newGame();
    key(s, "Obuchenie");
    h.game.money = Currency::fromRoubles(150);
    h.game.installedOffice = True;
    pointAndClick(s, "lblOffice");
    QCOMPARE(h.game.knowsOffice, True);
    QCOMPARE(h.game.money, Currency::fromRoubles(50));
    QVERIFY(!label(s, "lblOffice")->isEnabled());
    QVERIFY(!s->control<QTimer>("tmrObuchenie")->isActive());
    QVERIFY(!s->control<QProgressBar>("prgObuchenie")->isVisibleTo(s));
    // A second click on the disabled label buys nothing.
    pointAndClick(s, "lblOffice");
    QCOMPARE(h.game.money, Currency::fromRoubles(50));
}

void CareerPagesTest::unaffordableCourseIgnoresTheClick()
{
    FlowHarness h;
    MainScreen* s = h.newGame();
    key(s, "Obuchenie");
    h.game.money = Currency::fromRoubles(390);
    const GameState before = h.game;
    pointAndClick(s, "lblUnix");
    QVERIFY(h.game == before);
    QVERIFY(!s->control<QTimer>("tmrObuchenie")->isActive());
    QVERIFY(label(s, "lblUnix")->isEnabled());
}

void CareerPagesTest::daCountsTheNewSkills()
{
    FlowHarness h;
    MainScreen* s = h.newGame();
    key(s, "Obuchenie");
    h.game.installedPhotoshop = True;
    pointAndClick(s, "lblPhoto");
    pointAndClick(s, "lblWin98");
    pressTavorel(s->control("cmdDa"));
    QCOMPARE(text(s, "lblStatus"), QStringLiteral("Пользователь+"));
    QCOMPARE(text(s, "lblOpit"), QStringLiteral("3"));
    QVERIFY(s->control<QTimer>("TimerMain")->isActive());
}

void CareerPagesTest::jobsAreTakenUpTheLadder()
{
    FlowHarness h;
    MainScreen* s = h.newGame();
    h.game.knowsOffice = True;
    h.game.knowsWinXp = True;
    h.game.knowsVfp = True;
    key(s, "Rabota");

    pointAt(label(s, "lblProg2"));
    QCOMPARE(text(s, "lblDostupna"), QStringLiteral("С вашими знаниями эта работа недоступна!"));
    QCOMPARE(text(s, "lblTreb"), QStringLiteral("Знать Microsoft Windows 98 или XP\nЗнать Microsoft Visual Fox Pro\nСтаж предыдущей работы - 100"));
    QTest::mouseClick(label(s, "lblProg2"), Qt::LeftButton);
    QCOMPARE(h.game.dailyPay, int16_t(1));

    pointAndClick(s, "lblVerst");
    QCOMPARE(h.game.dailyPay, int16_t(3));
    QVERIFY(!label(s, "lblVerst")->isEnabled());
    // The job held reads as such: its text fades into its background.
    const QPalette held = label(s, "lblVerst")->palette();
    QVERIFY(held.color(QPalette::Disabled, QPalette::WindowText) != held.color(QPalette::Active, QPalette::WindowText));
    // The home page keeps the old line until the page is left.
    QCOMPARE(text(s, "lblRab"), QStringLiteral("Безработный, пособие - 1p./день"));
    pressTavorel(s->control("cmdDa2"));
    QCOMPARE(text(s, "lblRab"), QStringLiteral("Верстальщик, 3 р./день"));

    // A hundred days later the programmer's job is open.
    for (int day = 0; day < 100; ++day)
        s->dailyTick();
    key(s, "Rabota");
    pointAt(label(s, "lblProg2"));
    QCOMPARE(text(s, "lblDostupna"), QStringLiteral("Трудоустройство возможно"));
    QTest::mouseClick(label(s, "lblProg2"), Qt::LeftButton);
    QCOMPARE(h.game.dailyPay, int16_t(20));
    QCOMPARE(h.game.seniority, 0);
    QVERIFY(label(s, "lblVerst")->isEnabled());
    QVERIFY(!label(s, "lblProg2")->isEnabled());
    pressTavorel(s->control("cmdDa2"));
    QCOMPARE(text(s, "lblRab"), QStringLiteral("Программист, 20 р./день"));
}

void CareerPagesTest::failingHoverReplacesTheVerdict()
{
    FlowHarness h;
    MainScreen* s = h.newGame();
    h.game.knowsOffice = True;
    key(s, "Rabota");
    pointAt(label(s, "lblVerst"));
    QCOMPARE(text(s, "lblDostupna"), QStringLiteral("Трудоустройство возможно"));
    pointAt(label(s, "lblWebM"));
    QCOMPARE(text(s, "lblDostupna"), QStringLiteral("С вашими знаниями эта работа недоступна!"));
}

void CareerPagesTest::panelsResetTheHover()
{
    FlowHarness h;
    MainScreen* s = h.newGame();
    key(s, "Obuchenie");
    QLabel* unixCourse = label(s, "lblUnix");
    pointAt(unixCourse);
    QVERIFY(!text(s, "lblOpisanie").isEmpty());
    QWidget* panel = s->control("Tavorel1");
    QTest::mouseMove(panel, QPoint(panel->width() - 4, panel->height() - 3));
    QCOMPARE(backColour(unixCourse), uint32_t(DefaultColours::ChoiceButtons));
    QCOMPARE(text(s, "lblOpisanie"), QString());
    QCOMPARE(text(s, "lblVozmozhno"), QString());

    key(s, "Rabota");
    pointAt(label(s, "lblDiz"));
    QVERIFY(!text(s, "lblTreb").isEmpty());
    QWidget* offers = s->control("Tavorel6");
    QTest::mouseMove(offers, QPoint(offers->width() - 4, offers->height() - 3));
    QCOMPARE(text(s, "lblTreb"), QString());
    QCOMPARE(text(s, "lblDostupna"), QString());
}

void CareerPagesTest::loadedGameDisablesKnownCoursesAndTheJobHeld()
{
    FlowHarness h;
    MainScreen* s = h.newGame();
    key(s, "Obuchenie");
    h.game.installedOffice = True;
    pointAndClick(s, "lblOffice");
    pointAndClick(s, "lblUnix"); // a course still running when the other game is loaded
    key(s, "Rabota");
    pointAndClick(s, "lblVerst");

    GameState loaded = h.game;
    loaded.knowsOffice = False;
    loaded.knowsUnix = False;
    loaded.knowsVc = True;
    loaded.dailyPay = 25;
    loaded.money = Currency::fromRoubles(1000);
    h.game = loaded;
    h.flow->context().showLoadedGame();

    QVERIFY(label(s, "lblOffice")->isEnabled());
    QVERIFY(label(s, "lblUnix")->isEnabled());
    QVERIFY(!label(s, "lblVC")->isEnabled());
    QVERIFY(label(s, "lblVerst")->isEnabled());
    QVERIFY(!label(s, "lblProg3")->isEnabled());
    QCOMPARE(text(s, "lblRab"), QStringLiteral("Программист, 25 р./день"));
    // The previous game's course is over and is charged to nobody.
    QVERIFY(!s->control<QTimer>("tmrObuchenie")->isActive());
    QVERIFY(panelsVisible(s));
    QCOMPARE(h.game.money, Currency::fromRoubles(1000));
    QCOMPARE(h.game.trainingTicks, int16_t(0));
}

QTEST_MAIN(CareerPagesTest)
#include "tst_careerpages.moc"
