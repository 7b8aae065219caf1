// A whole career played through the real screens, every step by mouse or keyboard on the
// named controls: a new game, a computer bought part by part, Windows 98, Office, Dr. Web and
// Visual Fox Pro installed, courses learned, the typesetter's job and a programmer's after a
// hundred days, a rest, a level I application developed and sold online with an online
// course, the antivirus bases updated and a virus destroyed, a save, a new game, a load that
// brings every page back exactly, the days after it down to a mood bar of 1, a rest that
// keeps the next day from ending the game, and the game over. Game days are ticks of TimerMain, the
// course, fill and page-load timers are fired by hand on the hand-moved clock: nothing waits.
#include "support/GameHarness.h"

#include "kit/Controls.h"
#include "internet/ui/InternetScreen.h"
#include "saves/SavedGameFile.h"
#include "software/ui/InstallDialog.h"
#include "virus/ui/VirusScreen.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBar>

#include <functional>

namespace {

} // namespace

// A saves folder at the path (CareerSaves.cpp).
SaveFolder& savesIn(const QString& path);

namespace {

template <class T = QWidget> T* child(QWidget* root, const char* name)
{
    T* found = root ? root->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    if (!found)
        qFatal("no control %s", name);
    return found;
}

QString text(QWidget* root, const char* name)
{
    return caption(child(root, name));
}

// A left press on a Tavorel button; it answers with a posted Scroll Lock key.
void press(QWidget* tavorel)
{
    QTest::mouseClick(tavorel, Qt::LeftButton, {}, QPoint(6, 6));
    QApplication::processEvents();
}

// The pointer onto a label, from its corner to its middle, then a click, as a player does.
void pointAndClick(QWidget* label)
{
    QTest::mouseMove(label, QPoint(1, 1));
    QTest::mouseMove(label);
    QTest::mouseClick(label, Qt::LeftButton);
}

// What every named control of the main screen's pages shows: text, value, enabled, hidden.
QStringList pagesOf(MainScreen* s)
{
    QStringList shown;
    for (QWidget* w : s->findChildren<QWidget*>()) {
        const QString name = w->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")))
            continue;
        QString state = name + (w->isEnabled() ? QLatin1String(" enabled") : QLatin1String(" disabled"))
                        + (w->isHidden() ? QLatin1String(" hidden") : QLatin1String(""));
        if (auto* label = qobject_cast<QLabel*>(w))
            state += QStringLiteral(" «%1»").arg(label->text());
        else if (qobject_cast<vuzedovi::Tavorel*>(w))
            state += QStringLiteral(" «%1»").arg(caption(w));
        else if (auto* bar = qobject_cast<QProgressBar*>(w))
            state += QStringLiteral(" %1 of %2").arg(bar->value()).arg(bar->maximum());
        else if (auto* box = qobject_cast<QComboBox*>(w))
            state += QStringLiteral(" «%1»").arg(box->currentText());
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            state += button->isChecked() ? QLatin1String(" checked") : QLatin1String("");
        shown << state;
    }
    shown.sort();
    return shown;
}

// The saved fields on which two games differ.
QStringList savedDifferences(const GameState& a, const GameState& b)
{
    QStringList names;
    for (const SavedField& f : savedFields()) {
        if (!std::visit([&](auto member) { return a.*member == b.*member; }, f.member))
            names << QString::fromLatin1(f.name);
    }
    return names;
}

// The player, the game built headless with its saves in a folder of its own, and the main
// screen once there is one.
struct Player {
    QTemporaryDir dir;
    FlowHarness h{[this](GameContext& c) { c.services.saves = &savesIn(dir.path()); }};
    MainScreen* s = nullptr;

    void toolbar(const char* key)
    {
        auto* bar = s->control<QToolBar>("Toolbar1");
        QTest::mouseClick(bar->widgetForAction(bar->findChild<QAction*>(QString::fromLatin1(key))),
                          Qt::LeftButton);
        QApplication::processEvents();
    }
    QWidget* control(const char* name) const { return child(s, name); }
    QLabel* label(const char* name) const { return child<QLabel>(s, name); }
    QString shown(const char* name) const { return text(s, name); }
    Currency money() const { return h.game.money; }

    void days(int n)
    {
        for (int day = 0; day < n; ++day)
            fire(s->control<QTimer>("TimerMain"));
    }

    // Clicks a program's label, which opens the installation dialog modally, presses
    // "Установить" in it and runs the bar's fill to its end.
    void install(const char* programLabel)
    {
        bool installed = false;
        std::function<void()> inside = [&] {
            auto* dialog = s->findChild<InstallDialog*>(QStringLiteral("frmUstanovka"));
            if (!dialog || !dialog->isVisible()) {
                QTimer::singleShot(0, s, inside); // not up yet
                return;
            }
            QTest::mouseClick(child(dialog, "Command1"), Qt::LeftButton);
            QApplication::processEvents();
            for (int frame = 0; frame < 100 && dialog->isVisible(); ++frame) {
                h.clock.advance(InstallDialog::FillFrameMs);
                fire(child<QTimer>(dialog, "tmrZapolnenie"));
            }
            installed = !dialog->isVisible();
            if (!installed)
                dialog->done(QDialog::Rejected);
        };
        QTest::mouseMove(label(programLabel), QPoint(1, 1));
        QTest::mouseMove(label(programLabel));
        QTimer::singleShot(0, s, inside);
        QTest::mouseClick(label(programLabel), Qt::LeftButton);
        QVERIFY2(installed, programLabel);
    }

    // A course clicked on the training page; a timed one runs its 101 ticks.
    void learn(const char* courseLabel)
    {
        pointAndClick(label(courseLabel));
        auto* timer = s->control<QTimer>("tmrObuchenie");
        for (int tick = 0; tick < 101 && timer->isActive(); ++tick)
            fire(timer);
        QVERIFY(!timer->isActive());
        QVERIFY2(!label(courseLabel)->isEnabled(), courseLabel);
    }

    // With TREVINOR_CAREER_SEEDS naming a folder, the game as it stands is saved there as
    // "career-<stage>": the saved-game fuzzer's seeds from every stage of this career.
    void stage(const char* name) const
    {
        const QString folder = qEnvironmentVariable("TREVINOR_CAREER_SEEDS");
        if (!folder.isEmpty())
            QCOMPARE(saveGame(h.game, folder + QStringLiteral("/career-") + QLatin1String(name)), QString());
    }

    MenuScreen* menu()
    {
        toolbar("Menu");
        return h.flow->menu();
    }
    void menuButton(const char* name)
    {
        QTest::mouseClick(child<QPushButton>(h.flow->menu(), name), Qt::LeftButton);
        QApplication::processEvents();
    }
};

// The internet screen's own helpers: a page load run to its end on the hand-moved clock.
struct Online {
    Player& p;
    InternetScreen* screen = nullptr;

    QWidget* control(const char* name) const { return child(screen, name); }
    void click(const char* name)
    {
        QTest::mouseClick(control(name), Qt::LeftButton, {}, QPoint(8, 8));
        QApplication::processEvents();
    }
    void completeLoad()
    {
        QVERIFY(screen->session().loading());
        p.h.clock.advance(60000);
        fire(child<QTimer>(screen, "tmrZagruzka"));
        QVERIFY(!screen->session().loading());
    }
    QString lastTold() const { return p.h.dialogs.asked.last().text; }
};

const char* const cheapComputer[] = {
    "lblSoket478_ECS", "lblHDD_40GB_MAXTOR_7200rpm", "lblCELERON_1200_MHz",
    "lblDIMM_128MB_168pin_SDRAM", "lblAGP_32M_RIVA_TNT2_M64", "lblm15_LG_500E",
    "lblCD_ROM_SAMSUNG_x52"};

} // namespace

class CareerTest : public QObject {
    Q_OBJECT

private slots:
    void aWholeCareerThroughTheScreens();
};

void CareerTest::aWholeCareerThroughTheScreens()
{
    Player p;

    // A new game from the start menu; the clock paused by the slider, so that only the
    // ticks fired here make days.
    p.h.openMenu();
    p.h.dialogs.names = {QStringLiteral("Вася")};
    p.menuButton("cmdNevG");
    p.s = p.h.flow->mainScreen();
    QVERIFY(p.s && p.s->isVisible());
    QCOMPARE(p.shown("lblName"), QStringLiteral("Вася"));
    QCOMPARE(p.shown("lblDengi"), QStringLiteral(" 550"));
    QCOMPARE(p.shown("lblStatus"), QStringLiteral("Ламер"));
    p.stage("new-game");
    auto* slider = p.s->control<QSlider>("Slider1");
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_End);
    QCOMPARE(slider->value(), int(SliderPause));
    QVERIFY(!p.s->control<QTimer>("TimerMain")->isActive());

    // A complete computer, part by part, with the 40 GB disk.
    p.toolbar("Komp");
    QTest::mouseMove(p.label("lblSoket478_ECS"));
    QCOMPARE(p.shown("lblShowTsena"), QStringLiteral("90 p."));
    for (const char* part : cheapComputer)
        pointAndClick(p.label(part));
    QCOMPARE(p.money(), Currency::fromRoubles(92));
    press(p.control("cmdKompDa"));
    QCOMPARE(p.s->control<QTabWidget>("SSTab1")->currentIndex(), 0);
    QCOMPARE(p.shown("lblMBoard"), QStringLiteral("Soket-478 ECS"));
    QCOMPARE(p.shown("lblCDROM"), QStringLiteral("CD-ROM SAMSUNG x52"));
    QCOMPARE(p.shown("lblObiomVint"), QStringLiteral("40"));
    p.stage("computer");

    // Windows 98, Office, Dr. Web and Visual Fox Pro fill the disk.
    p.toolbar("Program");
    for (const char* program : {"lblOSWin98", "lblPrOffice", "lblAntiDr", "lblDSFox"})
        p.install(program);
    for (const char* indicator : {"shpWin98", "shpOffice", "shpAntiDr", "shpVFP"})
        QVERIFY2(!p.control(indicator)->isHidden(), indicator);
    QCOMPARE(p.h.game.hddFreeGb, 0.0f);
    QCOMPARE(p.s->control<QProgressBar>("prgVint")->value(), 40);
    press(p.control("cmdProgDa"));
    p.stage("software");

    // Nine days on the benefit pay for the Office course; it opens the typesetter's job.
    p.days(9);
    QCOMPARE(p.shown("lblDengi"), QStringLiteral(" 101"));
    p.toolbar("Obuchenie");
    p.learn("lblOffice");
    QCOMPARE(p.money(), Currency::fromRoubles(1));
    press(p.control("cmdDa"));
    QCOMPARE(p.shown("lblStatus"), QStringLiteral("Пользователь+"));
    p.toolbar("Rabota");
    QTest::mouseMove(p.label("lblVerst"));
    QCOMPARE(p.shown("lblDostupna"), QStringLiteral("Трудоустройство возможно"));
    pointAndClick(p.label("lblVerst"));
    press(p.control("cmdDa2"));
    QCOMPARE(p.shown("lblRab"), QStringLiteral("Верстальщик, 3 р./день"));
    p.stage("typesetter");

    // Windows, then Visual Fox Pro: each paid when its 101 ticks are over.
    p.days(34);
    p.toolbar("Obuchenie");
    p.learn("lblWin98");
    QCOMPARE(p.money(), Currency::fromRoubles(3));
    press(p.control("cmdDa"));
    p.days(133);
    p.toolbar("Obuchenie");
    p.learn("lblVFP");
    QCOMPARE(p.money(), Currency::fromRoubles(2));
    press(p.control("cmdDa"));
    QCOMPARE(p.shown("lblStatus"), QStringLiteral("Программист"));
    QCOMPARE(p.shown("lblOpit"), QStringLiteral("11"));
    p.stage("courses");

    // After more than a hundred days as a typesetter, the programmer's job.
    QVERIFY(p.h.game.seniority >= 100);
    p.toolbar("Rabota");
    QTest::mouseMove(p.label("lblProg2"));
    QCOMPARE(p.shown("lblDostupna"), QStringLiteral("Трудоустройство возможно"));
    pointAndClick(p.label("lblProg2"));
    press(p.control("cmdDa2"));
    QCOMPARE(p.shown("lblRab"), QStringLiteral("Программист, 20 р./день"));
    p.stage("programmer");
    QCOMPARE(p.h.game.mood, 12.0f);

    // A rest in the dear restaurant, just in time.
    p.days(14);
    p.toolbar("Otdih");
    QWidget* rest = shownWindow("frmOtdyh");
    QVERIFY(rest && !p.s->isVisible());
    pointAndClick(child(rest, "Label5"));
    QCOMPARE(p.h.dialogs.asked.last().text, QStringLiteral("Настроение повысилось до 100 %>"));
    QCOMPARE(p.h.game.mood, 100.0f);
    QCOMPARE(p.money(), Currency::fromRoubles(12));
    press(child(rest, "cmdDa"));
    QVERIFY(p.s->isVisible() && !rest->isVisible());
    p.stage("rested");

    // A modem, and a level I application in Visual Fox Pro developed by the clock.
    p.days(3);
    p.toolbar("Komp");
    pointAndClick(p.label("lblZyXEL_OMNI_NEO_56K"));
    press(p.control("cmdKompDa"));
    QCOMPARE(p.shown("lblModem"), QStringLiteral("ZyXEL OMNI NEO 56K"));
    p.toolbar("Razrab");
    QWidget* development = shownWindow("frmRazrabotka");
    QVERIFY(development);
    QRadioButton* foxPro = nullptr;
    for (auto* option : development->findChildren<QRadioButton*>(QStringLiteral("optDS"))) {
        if (option->property("Index").toInt() == 1)
            foxPro = option;
    }
    QVERIFY(foxPro && foxPro->isEnabled());
    QTest::mouseClick(foxPro, Qt::LeftButton, {}, QPoint(8, foxPro->height() / 2));
    auto* levels = child<QListWidget>(development, "lstTipProj");
    const QPoint first = levels->visualItemRect(levels->item(0)).center();
    p.h.dialogs.names = {QStringLiteral("Калькулятор")};
    QTest::mouseClick(levels->viewport(), Qt::LeftButton, {}, first);
    QTest::mouseDClick(levels->viewport(), Qt::LeftButton, {}, first);
    QCOMPARE(text(development, "lblInform"), QStringLiteral("Приложение I уровня \"Калькулятор\""));
    p.stage("developing");
    press(child(development, "Tavorel5"));
    QVERIFY(p.s->isVisible());
    p.days(10);
    QCOMPARE(text(development, "lblRazrabotka"), QStringLiteral("Готово. Приложение разработано!"));
    QCOMPARE(p.h.game.developing, False);
    p.stage("developed");
    p.days(10);
    const Currency beforeOnline = p.money();
    QCOMPARE(beforeOnline, Currency::fromRoubles(12 + 23 * 20 - 37));

    // Online: the sale, a chapter of the database course, the antivirus bases, a few billed
    // seconds, and a virus met on the way out and destroyed.
    p.toolbar("Inet");
    Online o{p, qobject_cast<InternetScreen*>(shownWindow("frmInter"))};
    QVERIFY(o.screen);
    o.click("cmdPodkl");
    QVERIFY(o.screen->session().connected());
    for (int tick = 0; tick < 3; ++tick)
        fire(child<QTimer>(o.screen, "tmrSost"));
    o.click("lblPO_S");
    o.completeLoad();
    o.click("Option14");
    o.completeLoad();
    QCOMPARE(o.lastTold(), QStringLiteral("Товарищ Вася, Вы продали свою программу \"Калькулятор\" за 50 рублей."));
    o.click("lblProgr");
    o.completeLoad();
    o.click("Option9");
    o.completeLoad();
    QCOMPARE(o.lastTold(), QStringLiteral("Вы прошли дополнительный курс по введению в БД (Глава 1)"));
    o.click("lblAnti");
    o.completeLoad();
    o.click("optDr");
    o.click("lblAntiDa");
    o.completeLoad();
    QCOMPARE(o.lastTold(), QStringLiteral("Антивирусные базы обновлены"));
    for (int second = 0; second < 5; ++second)
        fire(child<QTimer>(o.screen, "tmrVremiaDengi"));
    const int seconds = o.screen->session().onlineSeconds() + 60 * o.screen->session().onlineMinutes();
    QVERIFY(seconds >= 5);
    p.h.random.add(1); // this connection brought a virus
    o.click("cmdOtkl");
    VirusScreen* virus = o.screen->virusScreen();
    QVERIFY(virus && virus->isVisible());
    QTest::mouseClick(child(virus, "lblUnictozh"), Qt::LeftButton);
    QCOMPARE(o.lastTold(), QStringLiteral("Вам удалось уничтожить вирус!"));
    QVERIFY(p.s->isVisible() && !o.screen->isVisible());
    QCOMPARE(p.money(), beforeOnline + Currency::fromRoubles(50 - 250 - seconds));
    QCOMPARE(p.h.game.passedDbIntro1, True);
    QCOMPARE(p.h.game.antivirusUpdated, True);
    p.stage("online");

    // Saved from the menu as "Kariera".
    mouseOverTavorel(p.control("Tavorel17")); // the pointer rests on no catalogue
    const QStringList savedPages = pagesOf(p.s);
    const GameState savedGame = p.h.game;
    p.menu();
    p.menuButton("cmdSave");
    QWidget* save = shownWindow("frmSave");
    QVERIFY(save);
    QTest::keyClicks(child(save, "txtSave"), QStringLiteral("Kariera"));
    press(child(save, "cmdSave"));
    QTRY_VERIFY(!shownWindow("frmSave"));
    QVERIFY(QFileInfo::exists(p.dir.filePath(QStringLiteral("Kariera.sav"))));

    // A new game wipes every page ...
    p.h.dialogs.names = {QStringLiteral("Петя")};
    p.menuButton("cmdNevG");
    QTRY_VERIFY(!p.h.flow->menu());
    QCOMPARE(p.h.flow->mainScreen(), p.s);
    QCOMPARE(p.shown("lblName"), QStringLiteral("Петя"));
    QCOMPARE(p.shown("lblDengi"), QStringLiteral(" 550"));
    QVERIFY(p.label("lblVerst")->isEnabled());
    QVERIFY(p.control("shpWin98")->isHidden());
    mouseOverTavorel(p.control("Tavorel17"));
    QVERIFY(pagesOf(p.s) != savedPages);

    // ... and the load brings every one of them back exactly. Two labels are written as a
    // load writes them: the day (the clock shows the day before its tick counted it, a load
    // the day itself) and the experience (the training page's "Да" writes plain digits, a
    // load a sign position).
    p.menu();
    p.menuButton("cmdLoad");
    QWidget* load = shownWindow("frmLoad");
    QVERIFY(load);
    auto* files = child<QListWidget>(load, "File1");
    const QList<QListWidgetItem*> listed = files->findItems(QStringLiteral("Kariera.sav"), Qt::MatchExactly);
    QCOMPARE(listed.size(), 1);
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(listed.first()).center());
    press(child(load, "cmdYes"));
    QTRY_VERIFY(!p.h.flow->menu());
    QVERIFY(p.s->isVisible());
    QCOMPARE(savedDifferences(p.h.game, savedGame), QStringList());
    QCOMPARE(p.shown("Label1"), QStringLiteral(" %1").arg(savedGame.dayCounter));
    QCOMPARE(p.shown("lblOpit"), QStringLiteral(" 11"));
    mouseOverTavorel(p.control("Tavorel17"));
    const auto asLoadWritesThem = [](QStringList pages) {
        pages.removeIf([](const QString& line) {
            return line.startsWith(QLatin1String("Label1 ")) || line.startsWith(QLatin1String("lblOpit "));
        });
        return pages;
    };
    QCOMPARE(asLoadWritesThem(pagesOf(p.s)), asLoadWritesThem(savedPages));

    // After the load the days go on; they pass until the mood bar shows 1. Then, paused, a
    // rest in front of the television, and the game goes on.
    QCOMPARE(slider->value(), int(SliderPause)); // this player keeps the game paused
    QVERIFY(!child<QTimer>(p.s, "TimerMain")->isActive());
    while (p.h.game.mood > 1.0f)
        p.days(1);
    QCOMPARE(p.s->moodBar(), 1.0f);
    p.toolbar("Otdih");
    QWidget* tv = shownWindow("frmOtdyh");
    QVERIFY(tv);
    pointAndClick(child(tv, "Label1"));
    QCOMPARE(p.h.game.mood, 11.0f);
    press(child(tv, "cmdDa"));
    QVERIFY(p.s->isVisible());
    QCOMPARE(p.shown("lblPercent"), QStringLiteral(" 11"));
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Left); // a day a second now
    QVERIFY(child<QTimer>(p.s, "TimerMain")->isActive());
    p.days(1);
    QCOMPARE(p.h.quits, 0);

    // The game goes on until the mood has run out.
    const qsizetype told = p.h.dialogs.asked.size();
    for (int day = 0; day < 400 && p.h.quits == 0; ++day)
        p.days(1);
    QCOMPARE(p.h.quits, 1);
    QCOMPARE(p.h.dialogs.asked.size(), told + 1);
    QCOMPARE(p.h.dialogs.asked.last().text, QStringLiteral("Game Over"));
    QVERIFY(!p.h.dialogs.ranOut);
}

QTEST_MAIN(CareerTest)
#include "tst_career.moc"
