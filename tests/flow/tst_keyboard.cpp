// The game by keyboard alone: Tab walks each screen in reading order, Enter and Space press
// what has the focus, and the dialogs keep the desktop's habits.
#include "support/GameHarness.h"

#include "internet/ui/InternetScreen.h"
#include "kit/Controls.h"
#include "saves/SaveTestSupport.h"
#include "software/ui/InstallDialog.h"
#include "virus/ui/VirusScreen.h"

#include <QAccessible>
#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>

namespace {
// The names of the controls Tab reaches on the window, from the first, once round.
QStringList tabChain(QWidget* window, QWidget* first)
{
    QStringList names;
    QWidget* at = first;
    do {
        if (at->isVisibleTo(window) && at->isEnabled() && (at->focusPolicy() & Qt::TabFocus)) {
            const auto* tool = qobject_cast<QToolButton*>(at);
            names << (tool && tool->defaultAction() ? tool->defaultAction()->objectName()
                                                    : at->objectName());
        }
        at = at->nextInFocusChain();
    } while (at != first && names.size() < 100);
    return names;
}
// The name of the control that has the focus (a toolbar key by its action's).
QString focusedName()
{
    QWidget* focused = QApplication::focusWidget();
    auto* tool = qobject_cast<QToolButton*>(focused);
    return tool ? tool->defaultAction()->objectName() : focused ? focused->objectName() : QString();
}

void activate(QWidget* window)
{
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

// Tab until the named control has the focus, then the key on it, if any.
void press(const char* name, Qt::Key key = Qt::Key_unknown)
{
    for (int tab = 0; tab < 200 && focusedName() != QLatin1String(name); ++tab)
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow(), Qt::Key_Tab);
    QCOMPARE(focusedName(), QString::fromLatin1(name));
    if (key != Qt::Key_unknown)
        QTest::keyClick(QApplication::focusWidget(), key);
}
} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT

private slots:
    void tabFollowsReadingOrder()
    {
        QTemporaryDir dir;
        FixedFolder folder(dir.path());
        FlowHarness h([&](GameContext& c) { c.services.saves = &folder; });
        MainScreen* s = h.newGame();
        QCOMPARE(tabChain(s, s->control("cmdMin")),
                 QStringList({"cmdMin", "cmdClose", "Obuchenie", "Rabota", "Komp", "Program",
                              "Razrab", "Inet", "Otdih", "Menu", "Slider1", "lblPO"}));
        s->toolbarKey(QStringLiteral("Menu"));
        h.flow->menu()->button(1)->click();
        QWidget* save = shownWindow("frmSave");
        QVERIFY(save);
        QCOMPARE(tabChain(save, save->findChild<QWidget*>(QStringLiteral("File1"))),
                 QStringList({"File1", "txtSave", "cmdSave", "cmdCancel"}));
    }

    // A career by keyboard alone, not one mouse event: a new game, a computer bought part by
    // part, Windows and Office installed, the Office course, the typesetter's job, a rest, a
    // modem, online and off again past a virus, whose both choices are answered.
    void aGameByKeyboardAlone()
    {
        FlowHarness h;
        h.dialogs.names = {QStringLiteral("Вася")};
        MenuScreen* menu = h.openMenu();
        activate(menu);
        menu->button(2)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), menu->button(3)); // "Новая игра"
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        MainScreen* s = h.flow->mainScreen();
        QVERIFY(s && s->isVisible());
        activate(s);
        press("Slider1", Qt::Key_End); // paused: only the days fired here pass
        press("Komp", Qt::Key_Space);
        for (const char* part : {"lblSoket478_ECS", "lblHDD_40GB_MAXTOR_7200rpm", "lblCELERON_1200_MHz",
                                 "lblDIMM_128MB_168pin_SDRAM", "lblAGP_32M_RIVA_TNT2_M64",
                                 "lblm15_LG_500E", "lblCD_ROM_SAMSUNG_x52", "lblZyXEL_OMNI_NEO_56K"})
            press(part, part[3] == 'S' ? Qt::Key_Return : Qt::Key_Space);
        QCOMPARE(h.game.money, Currency::fromRoubles(550 - 458 - 37));
        press("cmdKompDa", Qt::Key_Return);
        QCOMPARE(s->control<QTabWidget>("SSTab1")->currentIndex(), 0);
        press("Program", Qt::Key_Space);
        for (const char* program : {"lblOSWin98", "lblPrOffice"}) {
            press(program);
            QTimer::singleShot(0, s, [&h] {
                QWidget* dialog = shownWindow("frmUstanovka");
                QTest::keyClick(dialog->findChild<QWidget*>(QStringLiteral("Command1")), Qt::Key_Space);
                for (int frame = 0; frame < 100 && dialog->isVisible(); ++frame) {
                    h.clock.advance(InstallDialog::FillFrameMs);
                    fire(dialog->findChild<QTimer*>(QStringLiteral("tmrZapolnenie")));
                }
            });
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            activate(s); // again after the installation dialog
        }
        const auto days = [s](int n) { while (n--) fire(s->control<QTimer>("TimerMain")); };
        days(60);
        press("Obuchenie", Qt::Key_Space);
        press("lblOffice", Qt::Key_Space);
        press("Rabota", Qt::Key_Space);
        press("lblVerst", Qt::Key_Return);
        press("cmdDa2", Qt::Key_Space);
        QCOMPARE(caption(s->control("lblRab")), QStringLiteral("Верстальщик, 3 р./день"));
        days(10);
        press("Otdih", Qt::Key_Space);
        activate(shownWindow("frmOtdyh"));
        press("Label1", Qt::Key_Space);
        QCOMPARE(h.dialogs.asked.last().text, QStringLiteral("Настроение повысилось на 10 %>"));
        press("cmdDa", Qt::Key_Space);
        activate(s);
        press("Inet", Qt::Key_Space);
        auto* online = qobject_cast<InternetScreen*>(shownWindow("frmInter"));
        activate(online);
        QTest::keyClick(online->control("cmdPodkl"), Qt::Key_Space); // keys straight to the controls
        for (int tick = 0; tick < 3; ++tick)
            fire(online->control<QTimer>("tmrSost"));
        QTest::keyClick(online->control("lblAnti"), Qt::Key_Return);
        h.clock.advance(60000);
        fire(online->control<QTimer>("tmrZagruzka"));
        for (int draw : {1, 4}) // a virus on the way out, let in without damage
            h.random.add(draw);
        QTest::keyClick(online->control("cmdOtkl"), Qt::Key_Space);
        QTest::keyClick(online->virusScreen()->findChild<QWidget*>(QStringLiteral("lblUnictozh")), Qt::Key_Space);
        QVERIFY(h.dialogs.asked.last().text.startsWith(QStringLiteral("Антивирус не установлен")));
        QTest::keyClick(online->virusScreen()->findChild<QWidget*>(QStringLiteral("lblPropust")), Qt::Key_Return);
        QVERIFY(!online->isVisible() && !online->virusScreen() && s->isVisible());
        QVERIFY(h.dialogs.asked.last().text.startsWith(QStringLiteral("В ваш компьютер проник вирус")));
    }

    // A screen reader presses one label of each kind through its accessible Press action: it
    // acts as the click does, and a disabled label offers no action.
    void labelsPressedByScreenReader_data()
    {
        QTest::addColumn<QString>("opener"); // the toolbar key, or "virus"
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("acts");
        QTest::newRow("part") << "Komp" << "lblSoket478_ECS" << true;
        QTest::newRow("program: its installation dialog") << "Program" << "lblOSWin98" << true;
        QTest::newRow("course") << "Obuchenie" << "lblHTML" << true;
        QTest::newRow("job, not for these skills") << "Rabota" << "lblVerst" << false;
        QTest::newRow("rest") << "Otdih" << "Label3" << true;
        QTest::newRow("software panel") << "" << "lblPO" << true;
        QTest::newRow("legend") << "Program" << "lblLegenda" << true;
        QTest::newRow("internet menu, offline: disabled") << "Inet" << "lblAnti" << false;
        QTest::newRow("virus") << "virus" << "lblPropust" << true;
    }
    void labelsPressedByScreenReader()
    {
        QFETCH(QString, opener);
        QFETCH(QString, label);
        QFETCH(bool, acts);
        FlowHarness h;
        MainScreen* s = h.newGame();
        h.game.money = Currency::fromRoubles(1000);
        if (opener == QLatin1String("virus"))
            (new VirusScreen(h.flow->context(), *s, s))->open();
        else if (!opener.isEmpty())
            s->toolbarKey(opener);
        QLabel* item = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets())
            item = item || !window->isVisible() ? item : window->findChild<QLabel*>(label);
        QVERIFY(item);
        QAccessibleInterface* button = QAccessible::queryAccessibleInterface(item);
        QCOMPARE(button->role(), QAccessible::Button);
        bool dialog = false; // a dialog the press opened, closed again as it comes up
        std::function<void()> closeDialog = [&] { auto* up = qobject_cast<QDialog*>(QApplication::activeModalWidget()); up ? void(dialog = (up->reject(), true)) : QTimer::singleShot(0, s, closeDialog); };
        QTimer::singleShot(0, s, closeDialog);
        const auto state = [&] { return QStringList{h.game.money.toString(), QString::number(h.dialogs.asked.size()), dialog ? "dialog" : "", item->text(), s->findChild<QTimer*>("tmrObuchenie")->isActive() ? "course" : ""}; };
        const QStringList before = state();
        QCOMPARE(button->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()),
                 item->isEnabled());
        button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(state() != before, acts);
    }

    // Enter, a double click and Escape in the dialogs.
    void dialogsKeepTheDesktopsHabits_data()
    {
        QTest::addColumn<int>("menuButton"); // the menu's button that opens the dialog
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("input");  // "enter", "double click" or "escape"
        QTest::newRow("Enter in the name box saves") << 1 << "frmSave" << "enter";
        QTest::newRow("Escape leaves the save dialog") << 1 << "frmSave" << "escape";
        QTest::newRow("Enter on a saved game loads it") << 2 << "frmLoad" << "enter";
        QTest::newRow("a double click on it too") << 2 << "frmLoad" << "double click";
        QTest::newRow("Escape leaves the load dialog") << 2 << "frmLoad" << "escape";
        QTest::newRow("Escape is the settings' \"Нет\"") << 5 << "frmNastroiki" << "escape";
        QTest::newRow("Enter on a menu button presses it") << 6 << "frmAbout" << "menu enter";
        QTest::newRow("Escape on the About box's focused OK") << 6 << "frmAbout" << "escape";
    }
    void dialogsKeepTheDesktopsHabits()
    {
        QFETCH(int, menuButton);
        QFETCH(QString, dialog);
        QFETCH(QString, input);
        QTemporaryDir dir;
        FixedFolder folder(dir.path());
        FlowHarness h([&](GameContext& c) { c.services.saves = &folder; });
        MainScreen* s = h.newGame(QStringLiteral("Сохранённый"));
        QVERIFY(saveToFolder(h.game, folder, QStringLiteral("Игра")) == std::nullopt);
        h.game.playerName = QStringLiteral("Текущий");
        s->toolbarKey(QStringLiteral("Menu"));
        MenuScreen* menu = h.flow->menu();
        if (input == QLatin1String("menu enter")) {
            menu->button(menuButton)->setFocus();
            QTimer::singleShot(0, [] {
                if (QWidget* about = shownWindow("frmAbout"))
                    about->close();
            });
            QTest::keyClick(menu->button(menuButton), Qt::Key_Return);
            QVERIFY(menu->findChild<QWidget*>(QStringLiteral("frmAbout")));
            return;
        }
        menu->button(menuButton)->click();
        QWidget* window = shownWindow(dialog.toLatin1().constData());
        QVERIFY(window);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        auto* list = window->findChild<QListWidget*>(QStringLiteral("File1"));
        if (input == QLatin1String("escape")) {
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window,
                            Qt::Key_Escape);
            QTRY_VERIFY(!shownWindow(dialog.toLatin1().constData()));
            QCOMPARE(h.game.settingsCancelled, toFlag(dialog == QLatin1String("frmNastroiki")));
            QCOMPARE(h.game.playerName, QStringLiteral("Текущий"));
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);
        } else if (dialog == QLatin1String("frmSave")) {
            auto* name = window->findChild<QLineEdit*>(QStringLiteral("txtSave"));
            QTest::keyClicks(name, QStringLiteral("second"));
            QTest::keyClick(name, Qt::Key_Return);
            QTRY_VERIFY(!shownWindow("frmSave"));
            QVERIFY(QFile::exists(dir.filePath(QStringLiteral("second.sav"))));
        } else {
            const QRect item = list->visualItemRect(list->item(0));
            list->setCurrentRow(0);
            if (input == QLatin1String("enter"))
                QTest::keyClick(list, Qt::Key_Return);
            else { // as the pointer sends it: a click, then the second press
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
                QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, item.center());
            }
            QTRY_VERIFY(!shownWindow("frmLoad"));
            QCOMPARE(h.game.playerName, QStringLiteral("Сохранённый"));
        }
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
