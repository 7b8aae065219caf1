// Starting applications: the five start checks, the name box, second starts, web levels and
// the screen's option and list states.
#include "development/Development.h"
#include "world/DailyTick.h"
#include "world/NewGame.h"

#include <QtTest>

using G = GameState;
using FlagList = QList<Flag GameState::*>;
Q_DECLARE_METATYPE(FlagList)
Q_DECLARE_METATYPE(ProjectList)

namespace {
GameState gameWith(const FlagList& flags = {})
{
    GameState g;
    g.playerName = QStringLiteral("Вася");
    newGame(g);
    for (auto flag : flags)
        g.*flag = True;
    return g;
}

const FlagList allChapters{&G::passedDbIntro1, &G::passedDbIntro2, &G::passedFoxDb1,
                           &G::passedFoxDb2,   &G::passedDbms1,    &G::passedDbms2,
                           &G::passedDbms3};

// The name box answers with `answer` and counts how often it was asked.
struct ScriptedName {
    explicit ScriptedName(QString a) : answer(std::move(a)) {}
    QString answer;
    int asked = 0;
    NameBox box;
    std::function<QString(const NameBox&)> fn()
    {
        return [this](const NameBox& b) {
            ++asked;
            box = b;
            return answer;
        };
    }
};

const QString hidden = QStringLiteral("Товарищ Вася, скрытые типы приложений в выбранной Вами среде НЕ доступны!");
const QString noDatabases = QStringLiteral("Товарищ Вася, Вы не изучали БД в Visual Basic 6.0 и Visual C++ 6.0");
const QString noCourse = QStringLiteral("Товарищ Вася, Вы не прошли дополнительный курс повышения квалификации по Visual Basic 6.0, Visual C++ 6.0, Fox Pro 6.0");
const QString noChapter = QStringLiteral("Товарищ Вася, Вы не прошли дополнительный курс повышения квалификации.");

int ticksToFinish(GameState& g)
{
    for (int n = 1; n <= 300; ++n) {
        const DayResult day = dailyTick(g, 100.0f);
        if (day.development && day.development->finished)
            return n;
    }
    return -1;
}
} // namespace

class DevelopmentTest : public QObject {
    Q_OBJECT

private slots:
    void startChecksInTheirOrder_data();
    void startChecksInTheirOrder();
    void refusalAsksNoNameAndChangesNothing();
    void namedProjectStarts_data();
    void namedProjectStarts();
    void declinedNameEmptiesTheProject_data();
    void declinedNameEmptiesTheProject();
    void secondStartKeepsTheDaysDone();
    void webLevelCountsAsTheDesktopLevelOfItsNumeral_data();
    void webLevelCountsAsTheDesktopLevelOfItsNumeral();
    void webStartIsCheckedAgainstTheDesktopChoice();
    void durationsAndSalePrices_data();
    void durationsAndSalePrices();
    void requirementTextForTheSelectedItem_data();
    void requirementTextForTheSelectedItem();
    void choosingAnOptionPicksTheList_data();
    void choosingAnOptionPicksTheList();
    void openedScreenFollowsTheSkills_data();
    void openedScreenFollowsTheSkills();
    void captionAfterLoading_data();
    void captionAfterLoading();
};

void DevelopmentTest::startChecksInTheirOrder_data()
{
    QTest::addColumn<int>("environment");
    QTest::addColumn<int>("item");
    QTest::addColumn<FlagList>("passed");
    QTest::addColumn<QString>("refusal");
    const FlagList everything = FlagList{&G::passedCourseVbVcFox} + allChapters;
    QTest::newRow("Delphi, level VII") << int(Delphi) << 6 << FlagList{} << QString();
    QTest::newRow("Delphi, level VIII with the course") << int(Delphi) << 7 << everything << hidden;
    QTest::newRow("Delphi, level XV") << int(Delphi) << 14 << everything << hidden;
    QTest::newRow("Quick Basic, level XI") << int(QuickBasic) << 10 << everything << hidden;
    QTest::newRow("Quick Basic, level I") << int(QuickBasic) << 0 << FlagList{} << QString();
    QTest::newRow("Visual Basic, level XII with every chapter") << int(VisualBasic) << 11 << everything << noDatabases;
    QTest::newRow("Visual C++, level XV") << int(VisualCpp) << 14 << FlagList{} << noDatabases;
    QTest::newRow("Visual Basic, level VIII without the course") << int(VisualBasic) << 7 << allChapters << noCourse;
    QTest::newRow("Visual C++, level XI with the course") << int(VisualCpp) << 10 << FlagList{&G::passedCourseVbVcFox} << QString();
    QTest::newRow("Fox Pro, level IX without the course") << int(FoxPro) << 8 << FlagList{} << noCourse;
    QTest::newRow("Fox Pro, level XII without a chapter") << int(FoxPro) << 11 << FlagList{&G::passedCourseVbVcFox} << noChapter;
    QTest::newRow("Fox Pro, level XII with the first chapter") << int(FoxPro) << 11 << FlagList{&G::passedDbIntro1} << QString();
    QTest::newRow("Fox Pro, level XV with the last chapter") << int(FoxPro) << 14 << FlagList{&G::passedDbms3} << QString();
    QTest::newRow("no environment, level XV") << -1 << 14 << FlagList{} << QString();
    QTest::newRow("Delphi, no item") << int(Delphi) << -1 << FlagList{} << QString();
}

void DevelopmentTest::startChecksInTheirOrder()
{
    QFETCH(int, environment);
    QFETCH(int, item);
    QFETCH(FlagList, passed);
    QFETCH(QString, refusal);
    const GameState g = gameWith(passed);
    const auto message = startRefusal(g, {environment, item});
    QCOMPARE(message ? message->text : QString(), refusal);
    if (message)
        QCOMPARE(message->icon, Message::Icon::Exclamation);
}

void DevelopmentTest::refusalAsksNoNameAndChangesNothing()
{
    GameState g = gameWith();
    g.projectName = QStringLiteral("Старый");
    const GameState before = g;
    ScriptedName name(QStringLiteral("Новый"));
    const ProjectStart start = startProject(g, {int(Delphi), 7}, ProjectList::Desktop, 7, name.fn());
    QVERIFY(!start.started);
    QCOMPARE(start.message->text, hidden);
    QCOMPARE(name.asked, 0);
    QVERIFY(g == before);
    QCOMPARE(start.message->caption, QStringLiteral("Предупреждение"));
}

void DevelopmentTest::namedProjectStarts_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("lblInform");
    QTest::newRow("level IV") << 3 << "Project1" << "Приложение IV уровня \"Project1\"";
    QTest::newRow("level XV") << 14 << "База" << "Приложение XV уровня \"База\"";
}

void DevelopmentTest::namedProjectStarts()
{
    QFETCH(int, level);
    QFETCH(QString, name);
    QFETCH(QString, lblInform);
    GameState g = gameWith({&G::passedDbms1});
    ScriptedName answer(name);
    const ProjectStart start = startProject(g, {int(FoxPro), level}, ProjectList::Desktop, level, answer.fn());
    QVERIFY(start.started);
    QVERIFY(!start.message);
    QCOMPARE(answer.asked, 1);
    QCOMPARE(answer.box.prompt, QStringLiteral("Имя проекта"));
    QCOMPARE(answer.box.title, QStringLiteral("Новый проект"));
    QCOMPARE(answer.box.defaultText, QStringLiteral("Project1"));
    QCOMPARE(start.lblInform, lblInform);
    QCOMPARE(g.developing, True);
    QCOMPARE(g.devProjectType, level);
    QCOMPARE(g.projectName, name);
    QCOMPARE(g.devSourceList, DevSource::ProjectList);
    QCOMPARE(g.devDaysDone, uint8_t(0));
}

void DevelopmentTest::declinedNameEmptiesTheProject_data()
{
    QTest::addColumn<bool>("developingBefore");
    QTest::newRow("idle") << false;
    QTest::newRow("a project under way") << true;
}

void DevelopmentTest::declinedNameEmptiesTheProject()
{
    QFETCH(bool, developingBefore);
    GameState g = gameWith();
    g.developing = toFlag(developingBefore);
    g.devProjectType = 5;
    g.devDaysDone = 12;
    g.projectName = QStringLiteral("Продаваемый");
    ScriptedName cancel{QString()};
    const ProjectStart start = startProject(g, {}, ProjectList::Desktop, 1, cancel.fn());
    QVERIFY(!start.started);
    QCOMPARE(start.message->text, QStringLiteral("Товарищ, вы отказались от разработки приложения."));
    QCOMPARE(start.message->icon, Message::Icon::Information);
    QVERIFY(g.projectName.isEmpty());
    QCOMPARE(g.developing, toFlag(developingBefore));
    QCOMPARE(g.devProjectType, 5);
    QCOMPARE(g.devDaysDone, uint8_t(12));
}

void DevelopmentTest::secondStartKeepsTheDaysDone()
{
    GameState g = gameWith();
    ScriptedName first(QStringLiteral("Первый"));
    QVERIFY(startProject(g, {int(VisualBasic), 4}, ProjectList::Desktop, 4, first.fn()).started);
    for (int day = 0; day < 5; ++day)
        dailyTick(g, 100.0f);
    QCOMPARE(g.devDaysDone, uint8_t(5));

    ScriptedName second(QStringLiteral("Второй"));
    const ProjectStart again = startProject(g, {int(VisualBasic), 1}, ProjectList::Desktop, 1, second.fn());
    QVERIFY(again.started);
    QCOMPARE(g.devDaysDone, uint8_t(5));
    QCOMPARE(g.devProjectType, 1);
    QCOMPARE(g.projectName, QStringLiteral("Второй"));
    // Level II takes 50 days, five of them done already.
    QCOMPARE(ticksToFinish(g), 45);
    QCOMPARE(g.finishedProjectType, 1);
}

void DevelopmentTest::webLevelCountsAsTheDesktopLevelOfItsNumeral_data()
{
    QTest::addColumn<int>("web");
    QTest::addColumn<QString>("lblInform");
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("price");
    QTest::newRow("web I") << 0 << "Приложение I уровня \"Сайт\"" << 10 << 50;
    QTest::newRow("web III") << 2 << "Приложение III уровня \"Сайт\"" << 55 << 90;
    QTest::newRow("web V") << 4 << "Приложение V уровня \"Сайт\"" << 70 << 120;
}

void DevelopmentTest::webLevelCountsAsTheDesktopLevelOfItsNumeral()
{
    QFETCH(int, web);
    QFETCH(QString, lblInform);
    QFETCH(int, days);
    QFETCH(int, price);
    GameState g = gameWith();
    g.devProjectType = 13; // left from an earlier desktop project
    ScriptedName name(QStringLiteral("Сайт"));
    // No desktop item and no environment chosen: every web level starts.
    const ProjectStart start = startProject(g, {}, ProjectList::Web, web, name.fn());
    QVERIFY(start.started);
    QCOMPARE(start.lblInform, lblInform);
    QCOMPARE(g.devWebType, web);
    QCOMPARE(g.devProjectType, web);
    QCOMPARE(g.devSourceList, DevSource::WebList);
    QCOMPARE(webLevelDays(web), days);
    QCOMPARE(ticksToFinish(g), days);
    QCOMPARE(salePrice(g.finishedProjectType), std::optional<int16_t>(price));
    QCOMPARE(currentProjectCaption(g), lblInform);
}

void DevelopmentTest::webStartIsCheckedAgainstTheDesktopChoice()
{
    GameState g = gameWith();
    ScriptedName name(QStringLiteral("Сайт"));
    const ProjectStart start = startProject(g, {int(Delphi), 9}, ProjectList::Web, 0, name.fn());
    QVERIFY(!start.started);
    QCOMPARE(start.message->text, hidden);
    QCOMPARE(name.asked, 0);
}

void DevelopmentTest::durationsAndSalePrices_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("price");
    QTest::newRow("I") << 0 << 10 << 50;
    QTest::newRow("VII") << 6 << 80 << 139;
    QTest::newRow("XI, the longest") << 10 << 100 << 250;
    QTest::newRow("XII, shorter than XI") << 11 << 80 << 500;
    QTest::newRow("XIV") << 13 << 90 << 537;
    QTest::newRow("XV") << 14 << 95 << 570;
    QTest::newRow("above the table") << 15 << 0 << -1;
    QTest::newRow("below the table") << -1 << 0 << -1;
}

void DevelopmentTest::durationsAndSalePrices()
{
    QFETCH(int, level);
    QFETCH(int, days);
    QFETCH(int, price);
    QCOMPARE(levelDays(level), days);
    QCOMPARE(salePrice(level).value_or(-1), price);
}

void DevelopmentTest::requirementTextForTheSelectedItem_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("text");
    QTest::newRow("I") << 0 << "Стандартные требования";
    QTest::newRow("VII") << 6 << "Стандартные требования";
    QTest::newRow("VIII") << 7 << "Дополнительный курс повышения квалификации";
    QTest::newRow("XI") << 10 << "Дополнительный курс повышения квалификации";
    QTest::newRow("XII") << 11 << "Введение в БД и БД в Fox Pro и \rСУБД Access, Paradox, DBISAM";
    QTest::newRow("none") << -1 << "";
}

void DevelopmentTest::requirementTextForTheSelectedItem()
{
    QFETCH(int, item);
    QFETCH(QString, text);
    QCOMPARE(levelRequirement(item), text);
}

void DevelopmentTest::choosingAnOptionPicksTheList_data()
{
    QTest::addColumn<int>("environment"); // -1: a web technology
    QTest::addColumn<bool>("projectList");
    QTest::addColumn<bool>("webList");
    QTest::addColumn<int>("notice");      // -1: left as it is
    QTest::newRow("Delphi") << int(Delphi) << true << false << 1;
    QTest::newRow("Fox Pro") << int(FoxPro) << true << false << 0;
    QTest::newRow("Quick Basic") << int(QuickBasic) << true << false << 1;
    QTest::newRow("Visual Basic") << int(VisualBasic) << true << false << 0;
    QTest::newRow("Visual C++") << int(VisualCpp) << true << false << 0;
    QTest::newRow("web") << -1 << false << true << -1;
}

void DevelopmentTest::choosingAnOptionPicksTheList()
{
    QFETCH(int, environment);
    QFETCH(bool, projectList);
    QFETCH(bool, webList);
    QFETCH(int, notice);
    const ListStates s = environment < 0 ? chooseWebTechnology() : chooseEnvironment(environment);
    QCOMPARE(s.lstTipProj, projectList);
    QCOMPARE(s.lstWeb, webList);
    QCOMPARE(s.picture1 ? int(*s.picture1) : -1, notice);
}

void DevelopmentTest::openedScreenFollowsTheSkills_data()
{
    QTest::addColumn<FlagList>("known");
    QTest::addColumn<bool>("developing");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("selectedWeb");
    QTest::addColumn<QString>("options"); // optDS then optWeb, 1 = enabled
    QTest::addColumn<QString>("kept");    // environment, web technology
    QTest::addColumn<int>("projectList"); // -1: as it is
    QTest::addColumn<int>("webList");     // -1: as it is
    QTest::newRow("nothing known") << FlagList{} << false << -1 << -1 << "00000000" << "00" << -1 << -1;
    QTest::newRow("Fox Pro and Perl, Fox Pro chosen")
        << FlagList{&G::knowsVfp, &G::knowsPerl} << false << int(FoxPro) << -1 << "01000001" << "10" << 1 << -1;
    QTest::newRow("project under way")
        << FlagList{&G::knowsVfp, &G::knowsPhp} << true << int(FoxPro) << 0 << "01000100" << "11" << 0 << -1;
    QTest::newRow("chosen options not known")
        << FlagList{&G::knowsDelphi, &G::knowsPhp, &G::knowsApache} << false << int(VisualCpp) << 2
        << "10000110" << "00" << 0 << 0;
    QTest::newRow("every skill") << FlagList{&G::knowsDelphi, &G::knowsVfp, &G::knowsPds, &G::knowsVb,
                                             &G::knowsVc, &G::knowsPhp, &G::knowsApache, &G::knowsPerl}
                                 << false << int(VisualBasic) << 1 << "11111111" << "11" << 1 << -1;
}

void DevelopmentTest::openedScreenFollowsTheSkills()
{
    QFETCH(FlagList, known);
    QFETCH(bool, developing);
    QFETCH(int, selected);
    QFETCH(int, selectedWeb);
    QFETCH(QString, options);
    QFETCH(QString, kept);
    QFETCH(int, projectList);
    QFETCH(int, webList);
    GameState g = gameWith(known);
    g.developing = toFlag(developing);
    const DevelopmentView v = developmentView(g, selected, selectedWeb);
    QString enabled;
    for (bool e : v.optDS)
        enabled += e ? '1' : '0';
    for (bool e : v.optWeb)
        enabled += e ? '1' : '0';
    QCOMPARE(enabled, options);
    QCOMPARE(QString("%1%2").arg(int(v.keepEnvironment)).arg(int(v.keepWebTechnology)), kept);
    QCOMPARE(v.lstTipProj ? int(*v.lstTipProj) : -1, projectList);
    QCOMPARE(v.lstWeb ? int(*v.lstWeb) : -1, webList);
}

void DevelopmentTest::captionAfterLoading_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("caption");
    QTest::newRow("no project") << "" << 3 << "";
    QTest::newRow("level IV") << "Project1" << 3 << "Приложение IV уровня \"Project1\"";
    QTest::newRow("level from a damaged file") << "Project1" << 99 << "";
}

void DevelopmentTest::captionAfterLoading()
{
    QFETCH(QString, name);
    QFETCH(int, type);
    QFETCH(QString, caption);
    GameState g;
    g.projectName = name;
    g.devProjectType = type;
    QCOMPARE(currentProjectCaption(g), caption);
}

QTEST_APPLESS_MAIN(DevelopmentTest)
#include "tst_development.moc"
