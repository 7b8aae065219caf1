// The game by keyboard alone: Tab walks each screen in reading order, Enter and Space press
// what has the focus, and the dialogs keep the desktop's habits.
#include "support/GameHarness.h"

#include "kit/Controls.h"
#include "saves/SaveTestSupport.h"

#include <QAction>
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
                              "Razrab", "Inet", "Otdih", "Menu", "Slider1"}));
        s->toolbarKey(QStringLiteral("Menu"));
        h.flow->menu()->button(1)->click();
        QWidget* save = shownWindow("frmSave");
        QVERIFY(save);
        QCOMPARE(tabChain(save, save->findChild<QWidget*>(QStringLiteral("File1"))),
                 QStringList({"File1", "txtSave", "cmdSave", "cmdCancel"}));
    }

    // New game, the computer page and its "Да", by keyboard alone.
    void aGameByKeyboardAlone()
    {
        FlowHarness h;
        h.dialogs.names = {QStringLiteral("Вася")};
        MenuScreen* menu = h.openMenu();
        menu->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(menu));
        menu->button(2)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), menu->button(3)); // "Новая игра"
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        MainScreen* s = h.flow->mainScreen();
        QVERIFY(s && s->isVisible());
        s->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s));
        s->control("cmdMin")->setFocus();
        auto focusedName = [] {
            auto* tool = qobject_cast<QToolButton*>(QApplication::focusWidget());
            return tool ? tool->defaultAction()->objectName()
                        : QApplication::focusWidget()->objectName();
        };
        while (focusedName() != QLatin1String("Komp"))
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        auto* clock = s->control<QTimer>("TimerMain");
        QVERIFY(!clock->isActive());
        while (focusedName() != QLatin1String("cmdKompDa"))
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(clock->isActive()); // back on the home page, the days running
        QCOMPARE(s->control<QTabWidget>("SSTab1")->currentIndex(), 0);
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
