// The development screen through real input: opened by "Razrab" over the hidden main screen
// with the clock running, options enabled by skills, the lists by the options, requirements,
// every refusal, a project named in the name box and developed by the clock to its end, "Да"
// and the close button, and a loaded game.
#include "support/GameHarness.h"

#include "development/Levels.h"
#include "kit/Colours.h"
#include "kit/Controls.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QRadioButton>
#include <QToolBar>

#include <algorithm>

using G = GameState;
using FlagList = QList<Flag GameState::*>;
Q_DECLARE_METATYPE(FlagList)

namespace {
void key(MainScreen* s, const char* name)
{
    s->control<QToolBar>("Toolbar1")->findChild<QAction*>(QString::fromLatin1(name))->trigger();
    QApplication::processEvents();
}

QWidget* developmentScreen()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("frmRazrabotka"))
            return w;
    }
    return nullptr;
}

// The options of one option array in the order of their Index.
QList<QRadioButton*> options(QWidget* screen, const char* name)
{
    QList<QRadioButton*> found = screen->findChildren<QRadioButton*>(QString::fromLatin1(name));
    std::sort(found.begin(), found.end(), [](QRadioButton* a, QRadioButton* b) {
        return a->property("Index").toInt() < b->property("Index").toInt();
    });
    return found;
}

QListWidget* list(QWidget* screen, const char* name)
{
    return screen->findChild<QListWidget*>(QString::fromLatin1(name));
}

QString text(QWidget* screen, const char* name)
{
    return caption(controlNamed(screen, name));
}

QPoint itemCentre(QListWidget* l, int row)
{
    return l->visualItemRect(l->item(row)).center();
}

void clickItem(QListWidget* l, int row)
{
    l->scrollToItem(l->item(row));
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, itemCentre(l, row));
}

void doubleClickItem(QListWidget* l, int row)
{
    clickItem(l, row);
    QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, itemCentre(l, row));
}

void choose(QRadioButton* option)
{
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
}

// A new game whose player knows every environment and web technology, on the development
// screen.
QWidget* openWithEverySkill(FlowHarness& h, MainScreen*& s)
{
    s = h.newGame();
    for (auto skill : {&G::knowsDelphi, &G::knowsVfp, &G::knowsPds, &G::knowsVb, &G::knowsVc,
                       &G::knowsPhp, &G::knowsApache, &G::knowsPerl})
        h.game.*skill = True;
    key(s, "Razrab");
    h.dialogs.asked.clear(); // the player's name at the new game
    return developmentScreen();
}

const QString hidden = QStringLiteral("Товарищ Вася, скрытые типы приложений в выбранной Вами среде НЕ доступны!");
} // namespace

class DevelopmentScreenTest : public QObject {
    Q_OBJECT

private slots:
    void razrabHidesTheMainScreenAndKeepsTheClock();
    void optionsFollowTheSkills();
    void disabledEntriesReadOnEveryScheme_data();
    void disabledEntriesReadOnEveryScheme();
    void optionsChooseTheList_data();
    void optionsChooseTheList();
    void pressingALevelShowsItsRequirements();
    void projectIsNamedAndDevelopedByTheClock();
    void webProjectGivesTheWebListBack();
    void everyRefusalIsMetOnce_data();
    void everyRefusalIsMetOnce();
    void daAndCloseReturnToTheMainScreen_data();
    void daAndCloseReturnToTheMainScreen();
    void clockCreatesTheScreenHidden();
    void loadedGameShowsItsProject_data();
    void loadedGameShowsItsProject();
};

void DevelopmentScreenTest::razrabHidesTheMainScreenAndKeepsTheClock()
{
    FlowHarness h;
    MainScreen* s = h.newGame();
    QVERIFY(s->control<QTimer>("TimerMain")->isActive());
    key(s, "Razrab");
    QWidget* d = developmentScreen();
    QVERIFY(d);
    QVERIFY(d->isVisible());
    QVERIFY(!s->isVisible());
    QVERIFY(s->control<QTimer>("TimerMain")->isActive());
    QCOMPARE(text(d, "Tavorel27"), QStringLiteral("Тревинор"));
    QCOMPARE(text(d, "Tavorel1"), QStringLiteral("Среды разработки приложений"));
    QCOMPARE(list(d, "lstTipProj")->count(), 15);
    QCOMPARE(list(d, "lstWeb")->count(), 5);
    QCOMPARE(options(d, "optWeb")[1]->text(), QStringLiteral("Apache Web Serer"));
    // Nothing to develop until a tool is chosen.
    QVERIFY(!list(d, "lstTipProj")->isEnabled());
    QVERIFY(!list(d, "lstWeb")->isEnabled());
}

void DevelopmentScreenTest::optionsFollowTheSkills()
{
    FlowHarness h;
    MainScreen* s = h.newGame();
    h.game.knowsVfp = True;
    h.game.knowsPerl = True;
    key(s, "Razrab");
    QWidget* d = developmentScreen();
    QString enabled;
    for (QRadioButton* o : options(d, "optDS") + options(d, "optWeb"))
        enabled += o->isEnabled() ? '1' : '0';
    QCOMPARE(enabled, QStringLiteral("01000001"));

    // Learned later: the screen follows when it is opened again.
    pressTavorel(controlNamed(d, "Tavorel5"));
    h.game.knowsDelphi = True;
    key(s, "Razrab");
    QVERIFY(options(d, "optDS")[0]->isEnabled());
}

void DevelopmentScreenTest::disabledEntriesReadOnEveryScheme_data()
{
    QTest::addColumn<uint>("start"); // the panels' gradient, 0x00BBGGRR
    QTest::addColumn<uint>("end");
    QTest::newRow("default: dark red to red") << 0x000040u << 0x0000FFu;
    QTest::newRow("pale") << 0xE0F0FFu << 0xFFFFFFu;
    QTest::newRow("mid grey") << 0x767676u << 0x767676u;
    QTest::newRow("light to dark") << 0xFFFFFFu << 0x000000u;
    QTest::newRow("green to blue") << 0x00FF00u << 0xFF0000u;
}

void DevelopmentScreenTest::disabledEntriesReadOnEveryScheme()
{
    QFETCH(uint, start);
    QFETCH(uint, end);
    FlowHarness h;
    MainScreen* s = h.newGame();
    h.game.knowsVfp = True; // the other environments and every web technology stay disabled
    h.game.colourGradientStart = start;
    h.game.colourGradientEnd = end;
    key(s, "Razrab");
    QWidget* d = developmentScreen();
    for (QRadioButton* option : options(d, "optDS") + options(d, "optWeb")) {
        if (option->isEnabled())
            continue;
        const QPalette p = option->palette();
        const QColor text = p.color(QPalette::Disabled, QPalette::WindowText);
        // Against the backing of its own, or against every pixel its panel paints behind it.
        double worst = contrastRatio(text, p.color(QPalette::Disabled, option->backgroundRole()));
        if (!option->autoFillBackground()) {
            worst = 21.0;
            QWidget* panel = option->parentWidget();
            QImage behind(panel->size(), QImage::Format_RGB32);
            panel->render(&behind, {}, {}, QWidget::DrawWindowBackground);
            const QRect place = option->geometry();
            for (int y = place.top(); y <= place.bottom(); ++y)
                for (int x = place.left(); x <= place.right(); ++x)
                    worst = std::min(worst, contrastRatio(text, behind.pixelColor(x, y)));
        }
        QVERIFY2(worst >= 4.5, qPrintable(option->text()));
    }
    for (QListWidget* levels : {list(d, "lstTipProj"), list(d, "lstWeb")}) {
        QVERIFY(!levels->isEnabled());
        const QPalette p = levels->palette();
        QVERIFY(contrastRatio(p.color(QPalette::Disabled, QPalette::Text),
                              p.color(QPalette::Disabled, QPalette::Base)) >= 4.5);
    }
}

void DevelopmentScreenTest::optionsChooseTheList_data()
{
    QTest::addColumn<QString>("array");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("projectList");
    QTest::addColumn<bool>("notice");
    QTest::newRow("Delphi") << "optDS" << 0 << true << true;
    QTest::newRow("Fox Pro") << "optDS" << 1 << true << false;
    QTest::newRow("Quick Basic") << "optDS" << 2 << true << true;
    QTest::newRow("Visual Basic") << "optDS" << 3 << true << false;
    QTest::newRow("Visual C++") << "optDS" << 4 << true << false;
    QTest::newRow("Perl") << "optWeb" << 2 << false << false;
}

void DevelopmentScreenTest::optionsChooseTheList()
{
    QFETCH(QString, array);
    QFETCH(int, index);
    QFETCH(bool, projectList);
    QFETCH(bool, notice);
    FlowHarness h;
    MainScreen* s = nullptr;
    QWidget* d = openWithEverySkill(h, s);
    choose(options(d, qPrintable(array))[index]);
    QCOMPARE(list(d, "lstTipProj")->isEnabled(), projectList);
    QCOMPARE(list(d, "lstWeb")->isEnabled(), !projectList);
    QCOMPARE(controlNamed(d, "Picture1")->isVisible(), notice);
    if (notice)
        QCOMPARE(text(d, "Label3"), QStringLiteral("В данной среде разработки скрытая часть типов приложений для разработки не доступна."));
}

void DevelopmentScreenTest::pressingALevelShowsItsRequirements()
{
    FlowHarness h;
    MainScreen* s = nullptr;
    QWidget* d = openWithEverySkill(h, s);
    choose(options(d, "optDS")[1]);
    QListWidget* levels = list(d, "lstTipProj");
    clickItem(levels, 11);
    QCOMPARE(text(d, "lblTrebovania"), QStringLiteral("Введение в БД и БД в Fox Pro и \nСУБД Access, Paradox, DBISAM"));
    clickItem(levels, 2);
    QCOMPARE(text(d, "lblTrebovania"), QStringLiteral("Стандартные требования"));
    // The arrow key moves the selection; letting it go shows the new level's requirements.
    QTest::keyClick(levels, Qt::Key_Down);
    QTest::keyClick(levels, Qt::Key_Down);
    QTest::keyClick(levels, Qt::Key_Down);
    QTest::keyClick(levels, Qt::Key_Down);
    QTest::keyClick(levels, Qt::Key_Down);
    QCOMPARE(text(d, "lblTrebovania"), QStringLiteral("Дополнительный курс повышения квалификации"));
}

void DevelopmentScreenTest::projectIsNamedAndDevelopedByTheClock()
{
    FlowHarness h;
    MainScreen* s = nullptr;
    QWidget* d = openWithEverySkill(h, s);
    choose(options(d, "optDS")[3]);
    h.dialogs.names = {QStringLiteral("<h1>Project1</h1>")}; // markup shows as typed
    doubleClickItem(list(d, "lstTipProj"), 0);

    QCOMPARE(h.dialogs.count("text"), 1);
    const auto& box = h.dialogs.asked.first();
    QCOMPARE(box.text, QStringLiteral("Имя проекта"));
    QCOMPARE(box.caption, QStringLiteral("Новый проект"));
    QCOMPARE(box.defaultText, QStringLiteral("Project1"));
    QCOMPARE(h.dialogs.count("tell"), 0);
    QCOMPARE(text(d, "lblInform"), QStringLiteral("Приложение I уровня \"<h1>Project1</h1>\""));
    QWidget* inform = controlNamed(d, "lblInform");
    QVERIFY(inform->heightForWidth(inform->width()) < 2 * inform->fontMetrics().height());
    QVERIFY(!list(d, "lstTipProj")->isEnabled());
    QCOMPARE(h.game.developing, True);

    auto* bar = d->findChild<QProgressBar*>(QStringLiteral("prgRazrabotka"));
    QTimer* clock = s->control<QTimer>("TimerMain");
    fire(clock);
    QCOMPARE(bar->maximum(), 10);
    QCOMPARE(bar->value(), 1);
    QCOMPARE(text(d, "lblRazrabotka"), QStringLiteral("Приложение разрабатывается ... Осталось  9 дней."));
    for (int day = 2; day <= 9; ++day)
        fire(clock);
    QCOMPARE(bar->value(), 9);
    QVERIFY(!list(d, "lstTipProj")->isEnabled());
    fire(clock);
    QCOMPARE(text(d, "lblRazrabotka"), QStringLiteral("Готово. Приложение разработано!"));
    QCOMPARE(bar->value(), 0);
    QVERIFY(list(d, "lstTipProj")->isEnabled());
    QVERIFY(!list(d, "lstWeb")->isEnabled());
    QCOMPARE(h.game.developing, False);
    QCOMPARE(h.game.finishedProjectType, 0);
    QCOMPARE(h.game.projectName, QStringLiteral("<h1>Project1</h1>"));
}

void DevelopmentScreenTest::webProjectGivesTheWebListBack()
{
    FlowHarness h;
    MainScreen* s = nullptr;
    QWidget* d = openWithEverySkill(h, s);
    choose(options(d, "optWeb")[0]);
    h.dialogs.names = {QStringLiteral("Сайт")};
    doubleClickItem(list(d, "lstWeb"), 1);
    QCOMPARE(text(d, "lblInform"), QStringLiteral("Приложение II уровня \"Сайт\""));
    QVERIFY(!list(d, "lstWeb")->isEnabled());
    // A web level II takes as long as a desktop level II: 50 days.
    QTimer* clock = s->control<QTimer>("TimerMain");
    for (int day = 1; day < 50; ++day)
        fire(clock);
    QCOMPARE(h.game.developing, True);
    fire(clock);
    QCOMPARE(h.game.developing, False);
    QCOMPARE(h.game.finishedProjectType, 1);
    QVERIFY(list(d, "lstWeb")->isEnabled());
    QVERIFY(!list(d, "lstTipProj")->isEnabled());
}

void DevelopmentScreenTest::everyRefusalIsMetOnce_data()
{
    QTest::addColumn<int>("environment");  // -1: none chosen
    QTest::addColumn<int>("item");         // the desktop level selected
    QTest::addColumn<int>("webItem");      // -1: the desktop level is double-clicked
    QTest::addColumn<FlagList>("passed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("icon");
    const int exclamation = int(Dialogs::Icon::Exclamation);
    QTest::newRow("Delphi, level VIII") << 0 << 7 << -1 << FlagList{&G::passedCourseVbVcFox} << hidden << exclamation;
    QTest::newRow("Quick Basic, level XV") << 2 << 14 << -1 << FlagList{} << hidden << exclamation;
    QTest::newRow("Visual C++, level XIII")
        << 4 << 12 << -1 << FlagList{&G::passedDbms2}
        << "Товарищ Вася, Вы не изучали БД в Visual Basic 6.0 и Visual C++ 6.0" << exclamation;
    QTest::newRow("Visual Basic, level X without the course")
        << 3 << 9 << -1 << FlagList{}
        << "Товарищ Вася, Вы не прошли дополнительный курс повышения квалификации по Visual Basic 6.0, Visual C++ 6.0, Fox Pro 6.0"
        << exclamation;
    QTest::newRow("Fox Pro, level XII without a chapter")
        << 1 << 11 << -1 << FlagList{&G::passedCourseVbVcFox}
        << "Товарищ Вася, Вы не прошли дополнительный курс повышения квалификации." << exclamation;
    QTest::newRow("web level checked against Delphi and level IX")
        << 0 << 8 << 0 << FlagList{} << hidden << exclamation;
}

void DevelopmentScreenTest::everyRefusalIsMetOnce()
{
    QFETCH(int, environment);
    QFETCH(int, item);
    QFETCH(int, webItem);
    QFETCH(FlagList, passed);
    QFETCH(QString, message);
    QFETCH(int, icon);
    FlowHarness h;
    MainScreen* s = nullptr;
    QWidget* d = openWithEverySkill(h, s);
    for (auto flag : passed)
        h.game.*flag = True;
    choose(options(d, "optDS")[environment]);
    clickItem(list(d, "lstTipProj"), item);
    if (webItem >= 0) {
        choose(options(d, "optWeb")[0]);
        doubleClickItem(list(d, "lstWeb"), webItem);
    } else {
        doubleClickItem(list(d, "lstTipProj"), item);
    }
    QCOMPARE(h.dialogs.count("text"), 0);
    QCOMPARE(h.dialogs.asked.size(), 1);
    QCOMPARE(h.dialogs.asked[0].text, message);
    QCOMPARE(h.dialogs.asked[0].caption, QStringLiteral("Предупреждение"));
    QCOMPARE(int(h.dialogs.asked[0].icon), icon);
    QCOMPARE(h.game.developing, False);
    QCOMPARE(text(d, "lblInform"), QString());
}

void DevelopmentScreenTest::daAndCloseReturnToTheMainScreen_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("Да") << "Tavorel5";
    QTest::newRow("close") << "cmdClose";
}

void DevelopmentScreenTest::daAndCloseReturnToTheMainScreen()
{
    QFETCH(QString, button);
    FlowHarness h;
    MainScreen* s = h.newGame();
    s->move(40, 30);
    const QPointer<MainScreen> same(s);
    key(s, "Razrab");
    QWidget* d = developmentScreen();
    s->setWindowState(Qt::WindowMinimized); // left minimised with "-" before
    pressTavorel(controlNamed(d, qPrintable(button)));
    QVERIFY(!d->isVisible());
    QVERIFY(same);
    QVERIFY(s->isVisible());
    QVERIFY(!s->isMinimized());
    QCOMPARE(s->pos(), QPoint(40, 30));
    QVERIFY(s->control<QTimer>("TimerMain")->isActive());
    // Opened again, it is the same screen.
    key(s, "Razrab");
    QCOMPARE(developmentScreen(), d);
    QVERIFY(d->isVisible());
}

void DevelopmentScreenTest::clockCreatesTheScreenHidden()
{
    FlowHarness h;
    MainScreen* s = h.newGame();
    QVERIFY(!developmentScreen());
    h.game.developing = True;
    h.game.devProjectType = 0;
    h.game.devDaysDone = 3;
    fire(s->control<QTimer>("TimerMain"));
    QWidget* d = developmentScreen();
    QVERIFY(d);
    QVERIFY(!d->isVisible());
    QCOMPARE(d->findChild<QProgressBar*>(QStringLiteral("prgRazrabotka"))->value(), 4);
}

void DevelopmentScreenTest::loadedGameShowsItsProject_data()
{
    QTest::addColumn<bool>("startedBefore");
    QTest::newRow("nothing started in this run") << false;
    QTest::newRow("a desktop project started before the load") << true;
}

void DevelopmentScreenTest::loadedGameShowsItsProject()
{
    QFETCH(bool, startedBefore);
    FlowHarness h;
    MainScreen* s = nullptr;
    QWidget* d = openWithEverySkill(h, s);
    choose(options(d, "optDS")[3]);
    if (startedBefore) {
        h.dialogs.names = {QStringLiteral("Project1")};
        doubleClickItem(list(d, "lstTipProj"), 0);
    }
    pressTavorel(controlNamed(d, "Tavorel5"));

    GameState loaded = h.game;
    loaded.knowsVb = False; // the chosen environment is not known in the loaded game
    loaded.projectName = QStringLiteral("Бухгалтерия");
    loaded.devProjectType = 6;
    loaded.developing = True;
    loaded.devDaysDone = 20;
    if (!startedBefore)
        loaded.devSourceList = DevSource::None; // a load keeps the list of this run's start
    h.game = loaded;
    h.flow->context().showLoadedGame();

    QCOMPARE(text(d, "lblInform"), QStringLiteral("Приложение VII уровня \"Бухгалтерия\""));
    auto* bar = d->findChild<QProgressBar*>(QStringLiteral("prgRazrabotka"));
    QCOMPARE(bar->maximum(), 80);
    QCOMPARE(bar->value(), 20);
    QVERIFY(!options(d, "optDS")[3]->isEnabled());
    QVERIFY(!options(d, "optDS")[3]->isChecked());
    QVERIFY(!list(d, "lstTipProj")->isEnabled());

    // The project ends; no environment is chosen, so no list comes back to start from.
    QTimer* clock = s->control<QTimer>("TimerMain");
    for (int day = 20; day < 80; ++day)
        fire(clock);
    QCOMPARE(h.game.developing, False);
    QCOMPARE(text(d, "lblRazrabotka"), QStringLiteral("Готово. Приложение разработано!"));
    QVERIFY(!list(d, "lstTipProj")->isEnabled());
}

QTEST_MAIN(DevelopmentScreenTest)
#include "tst_developmentscreen.moc"
