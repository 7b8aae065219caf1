// The main menu: its highlighting, the name question of a new game, the exit question and the
// buttons that only a running game offers.
#include "support/GameHarness.h"

#include "kit/Colours.h"

#include <QFocusEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QToolBar>


class TestMenu : public QObject {
    Q_OBJECT

private:
    static void moveMouse(QWidget* widget, QPoint at)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(widget->mapToGlobal(at)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }
    static void sendFocus(QWidget* widget, QEvent::Type type)
    {
        QFocusEvent focus(type, Qt::TabFocusReason);
        QApplication::sendEvent(widget, &focus);
    }
    // The highlighted buttons' numbers, "?" for a button in neither colour.
    static QString highlighted(const MenuScreen* menu)
    {
        QStringList lit;
        for (int k = 1; k <= 7; ++k) {
            if (backColour(menu->button(k)) == MenuScreen::HighlightColour)
                lit << QString::number(k);
            else if (backColour(menu->button(k)) != MenuScreen::NormalColour)
                lit << QStringLiteral("?");
        }
        return lit.join(QLatin1Char(' '));
    }

private slots:
    void highlightFollowsMouseAndFocus_data()
    {
        // Steps: mK the mouse over button K, fK / oK button K gains / loses the focus,
        // b the mouse over the background, dK button K is disabled. All buttons start enabled.
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("lit");
        QTest::newRow("from 3 to 4 only 4 stays lit") << "m3 m4" << "4";
        QTest::newRow("from 4 back to 3") << "m4 m3" << "3";
        QTest::newRow("from 1 straight to 7 both stay lit") << "m1 m7" << "1 7";
        QTest::newRow("background returns only the last one") << "m1 m7 b" << "1";
        QTest::newRow("1 stays lit until the mouse passes 2") << "m1 m7 b m2" << "2";
        QTest::newRow("from 7 to 6, there is no button 8") << "m7 m6" << "6";
        QTest::newRow("from 2 to 1, there is no button 0") << "m2 m1" << "1";
        QTest::newRow("background twice") << "m5 b b" << "";
        QTest::newRow("focus lights a button") << "f3" << "3";
        QTest::newRow("losing the focus darkens it") << "f3 o3" << "";
        QTest::newRow("focus out darkens the remembered one")
            << "m5 f2 o2" << "5";
        QTest::newRow("focus out after a mouse move") << "f2 m6 o2" << "2";
        QTest::newRow("a disabled button is background") << "d1 m2 m1" << "";
        QTest::newRow("a disabled button is not lit") << "d4 m5 m4" << "";
        QTest::newRow("a disabled button leaves the far neighbour") << "d4 m3 m4 m5" << "5";
    }
    void highlightFollowsMouseAndFocus()
    {
        QFETCH(QString, steps);
        QFETCH(QString, lit);
        FlowHarness h;
        MenuScreen* menu = h.openMenu();
        menu->enableSaveAndContinue();
        if (QWidget* focused = QApplication::focusWidget())
            focused->clearFocus();
        for (int k = 1; k <= 7; ++k)
            sendFocus(menu->button(k), QEvent::FocusOut);
        QCOMPARE(highlighted(menu), QString());

        for (const QString& step : steps.split(QLatin1Char(' '))) {
            const int k = step.mid(1).toInt();
            switch (step.at(0).toLatin1()) {
            case 'm':
                moveMouse(menu->button(k), QPoint(10, 10));
                break;
            case 'f':
                sendFocus(menu->button(k), QEvent::FocusIn);
                break;
            case 'o':
                sendFocus(menu->button(k), QEvent::FocusOut);
                break;
            case 'b':
                moveMouse(menu, QPoint(3, 3));
                break;
            case 'd':
                menu->button(k)->setEnabled(false);
                break;
            }
        }
        QCOMPARE(highlighted(menu), lit);
    }

    void buttonsInOrderWithCaptionsAndHandCursor()
    {
        FlowHarness h;
        MenuScreen* menu = h.openMenu();
        const char* const names[] = {"cmdSave", "cmdLoad", "cmdNevG", "cmdContinue",
                                     "cmdOptions", "cmdAbout", "cmdExit"};
        const char* const captions[] = {"Сохранить игру", "Загрузить игру", "Новая игра",
                                        "Продолжить игру", "Настройки", "О программе",
                                        "Выход из игры"};
        QCOMPARE(menu->objectName(), QStringLiteral("frmMenu"));
        for (int k = 1; k <= 7; ++k) {
            QPushButton* button = menu->findChild<QPushButton*>(QString::fromLatin1(names[k - 1]));
            QCOMPARE(button, menu->button(k));
            QCOMPARE(button->text(), QString::fromUtf8(captions[k - 1]));
            QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
            if (k > 1)
                QVERIFY(button->y() > menu->button(k - 1)->y());
        }
    }

    void emptyNameIsAskedAgainOrEndsTheProgram_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<int>("nameQuestions");
        QTest::addColumn<int>("quits");
        QTest::addColumn<QString>("player"); // empty: no game started
        QTest::addColumn<int>("warnings");   // names refused because no game could save them
        QTest::newRow("cancel, then yes ends") << QStringList{""} << QList<bool>{true} << 1 << 1 << "" << 0;
        QTest::newRow("cancel, no, cancel, yes ends")
            << QStringList{"", ""} << QList<bool>{false, true} << 2 << 1 << "" << 0;
        QTest::newRow("cancel, no, then a name")
            << QStringList{"", "Петя"} << QList<bool>{false} << 2 << 0 << "Петя" << 0;
        QTest::newRow("a name of blanks is a name")
            << QStringList{"   "} << QList<bool>{} << 1 << 0 << "   " << 0;
        QTest::newRow("a character Windows-1251 lacks is refused, asked again")
            << QStringList{QStringLiteral("Вася 😀"), QStringLiteral("Ω"), "Вася"} << QList<bool>{}
            << 3 << 0 << "Вася" << 2;
        QTest::newRow("126 letters fit a saved game")
            << QStringList{QString(126, QChar(0x44F))} << QList<bool>{} << 1 << 0
            << QString(126, QChar(0x44F)) << 0;
        QTest::newRow("127 letters do not")
            << QStringList{QString(127, QChar(0x44F)), "Вася"} << QList<bool>{} << 2 << 0 << "Вася" << 1;
    }
    void emptyNameIsAskedAgainOrEndsTheProgram()
    {
        QFETCH(QStringList, names);
        QFETCH(QList<bool>, answers);
        QFETCH(int, nameQuestions);
        QFETCH(int, quits);
        QFETCH(QString, player);
        QFETCH(int, warnings);
        FlowHarness h;
        h.dialogs.names = names;
        h.dialogs.yesNo = answers;
        h.openMenu()->newGameProcedure();
        QApplication::processEvents();

        QVERIFY(!h.dialogs.ranOut);
        QCOMPARE(h.dialogs.count("text"), nameQuestions);
        QCOMPARE(h.dialogs.count("tell"), warnings);
        QCOMPARE(h.dialogs.count("yesno"), nameQuestions - warnings - (player.isEmpty() ? 0 : 1));
        QCOMPARE(h.quits, quits);
        for (const ScriptedDialogs::Asked& a : h.dialogs.asked) {
            if (a.kind == "text") {
                QCOMPARE(a.text, QStringLiteral("Товарищ, введите ваше имя"));
                QCOMPARE(a.caption, QStringLiteral("Тревинор"));
            } else if (a.kind == "tell") {
                QVERIFY(a.text.startsWith(QStringLiteral("Товарищ, ")));
                QCOMPARE(a.caption, QStringLiteral("Предупреждение"));
                QCOMPARE(a.icon, Dialogs::Icon::Exclamation);
            } else {
                QCOMPARE(a.text, QStringLiteral("Товарищ, Вы не ввели имя. Выйти из игры?"));
                QCOMPARE(a.caption, QStringLiteral("Предупреждение"));
                QCOMPARE(a.icon, Dialogs::Icon::Question);
            }
        }
        if (player.isEmpty()) {
            QVERIFY(!h.flow->mainScreen());
            QVERIFY(h.flow->menu()); // the menu stays until the program ends
        } else {
            QVERIFY(h.flow->mainScreen() && h.flow->mainScreen()->isVisible());
            QCOMPARE(h.game.playerName, player);
            QTRY_VERIFY(!h.flow->menu());
        }
    }

    void aMisclickOnNewGameKeepsTheRunningGame()
    {
        FlowHarness h;
        MainScreen* s = h.newGame(QStringLiteral("Вася"));
        for (int day = 0; day < 3; ++day)
            s->dailyTick();
        const GameState before = h.game;
        s->toolbarKey(QStringLiteral("Menu"));
        MenuScreen* menu = h.flow->menu();
        h.dialogs.asked.clear();
        h.dialogs.names = {QString()}; // Cancel in the name box
        menu->button(3)->click();
        QApplication::processEvents();
        QCOMPARE(h.dialogs.count("yesno"), 0); // no question about leaving the program
        QCOMPARE(h.quits, 0);
        QCOMPARE(h.flow->menu(), menu);
        QCOMPARE(h.game.playerName, before.playerName);
        QCOMPARE(h.game.dayCounter, before.dayCounter);
        QCOMPARE(h.game.money, before.money);
        menu->button(4)->click(); // and the game goes on
        QTRY_VERIFY(!h.flow->menu());
        QVERIFY(s->isVisible());
    }

    void exitAsksFirst_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes ends the program") << true;
        QTest::newRow("no keeps the menu") << false;
    }
    void exitAsksFirst()
    {
        QFETCH(bool, yes);
        FlowHarness h;
        h.dialogs.yesNo = {yes};
        MenuScreen* menu = h.openMenu();
        menu->button(7)->click();
        QCOMPARE(h.dialogs.count("yesno"), 1);
        QCOMPARE(h.dialogs.asked.first().text,
                 QStringLiteral("Товарищ, Вы действительно хотите выйти?"));
        QCOMPARE(h.dialogs.asked.first().caption, QStringLiteral("Exit"));
        QCOMPARE(h.dialogs.asked.first().icon, Dialogs::Icon::Question);
        QCOMPARE(h.quits, yes ? 1 : 0);
        QVERIFY(menu->isVisible());
    }

    void newGameShowsThePlayerOnTheMainScreen()
    {
        FlowHarness h;
        MainScreen* screen = h.newGame(QStringLiteral("Вася"));
        QVERIFY(screen);
        QCOMPARE(screen->objectName(), QStringLiteral("frmMain"));
        const std::pair<const char*, QString> labels[] = {
            {"lblName", QStringLiteral("Вася")},
            {"lblStatus", QStringLiteral("Ламер")},
            {"lblOpit", QStringLiteral(" 0")},
            {"lblRab", QStringLiteral("Безработный, пособие - 1p./день")},
            {"lblDengi", QStringLiteral(" 550")},
        };
        for (const auto& [name, text] : labels)
            QCOMPARE(screen->control<QLabel>(name)->text(), text);
        QVERIFY(screen->control<QTimer>("TimerMain")->isActive());
    }

    void aNameWithMarkupShowsAsTyped()
    {
        FlowHarness h;
        const QString name = QStringLiteral("<b>Вася</b><img src=\"/tmp/x.png\">");
        MainScreen* screen = h.newGame(name);
        auto* label = screen->control<QLabel>("lblName");
        QCOMPARE(label->text(), name);
        QCOMPARE(label->textFormat(), Qt::PlainText); // not taken for markup, nothing loaded
    }

    void aLongNameEndsInAnEllipsisAndIsWholeInItsToolTip()
    {
        FlowHarness h;
        const QString name = QStringLiteral("Иван Константинович Преображенский-Великолуцкий младший");
        auto* label = h.newGame(name)->control<QLabel>("lblName");
        QVERIFY2(label->text().endsWith(QChar(0x2026)), qPrintable(label->text()));
        QVERIFY(name.startsWith(label->text().chopped(1)));
        QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width());
        QCOMPARE(label->toolTip(), name);
        QCOMPARE(label->accessibleName(), name);
    }

    void saveAndContinueOnlyOnceAGameWasStarted()
    {
        FlowHarness h;
        MenuScreen* first = h.openMenu();
        QVERIFY(!first->button(1)->isEnabled());
        QVERIFY(!first->button(4)->isEnabled());
        for (int k : {2, 3, 5, 6, 7})
            QVERIFY(first->button(k)->isEnabled());
        QCOMPARE(h.game.melody1On, True);

        MainScreen* screen = h.newGame();
        QTRY_VERIFY(!h.flow->menu());
        screen->toolbarKey(QStringLiteral("Menu"));
        MenuScreen* again = h.flow->menu();
        QVERIFY(again);
        QCOMPARE(again->windowModality(), Qt::ApplicationModal);
        QVERIFY(again->button(1)->isEnabled());
        QVERIFY(again->button(4)->isEnabled());
    }

    // "Продолжить игру", and a game loaded from the menu, run the clock as the slider says.
    void continueSetsTheClockFromTheSlider_data()
    {
        QTest::addColumn<bool>("load");
        QTest::addColumn<int>("slider");
        QTest::addColumn<bool>("running");
        QTest::addColumn<int>("interval");
        for (const bool load : {false, true}) {
            const char* how = load ? "load, " : "continue, ";
            QTest::newRow(qPrintable(how + QStringLiteral("0: a day every 5 s")))
                << load << 0 << true << 5000;
            QTest::newRow(qPrintable(how + QStringLiteral("1: a day every second")))
                << load << 1 << true << 1000;
            QTest::newRow(qPrintable(how + QStringLiteral("2: pause"))) << load << 2 << false << 1000;
        }
    }
    void continueSetsTheClockFromTheSlider()
    {
        QFETCH(bool, load);
        QFETCH(int, slider);
        QFETCH(bool, running);
        QFETCH(int, interval);
        FlowHarness h;
        MainScreen* screen = h.newGame();
        screen->control<QSlider>("Slider1")->setValue(slider);
        screen->control<QToolBar>("Toolbar1")
            ->findChild<QAction*>(QStringLiteral("Menu"))
            ->trigger();
        QVERIFY(!screen->control<QTimer>("TimerMain")->isActive());
        screen->hide();

        if (load)
            h.flow->showLoadedGame();
        else
            h.flow->menu()->button(4)->click();
        QTRY_VERIFY(!h.flow->menu());
        QVERIFY(screen->isVisible());
        QCOMPARE(screen->control<QTimer>("TimerMain")->isActive(), running);
        QCOMPARE(screen->control<QTimer>("TimerMain")->interval(), interval);
    }

    void aboutBoxOpensModally()
    {
        FlowHarness h;
        MenuScreen* menu = h.openMenu();
        menu->button(6)->click();
        auto* about = menu->findChild<QWidget*>(QStringLiteral("frmAbout"));
        QVERIFY(about && about->isVisible());
        QCOMPARE(about->windowModality(), Qt::ApplicationModal);
        pressTavorel(about->findChild<QWidget*>(QStringLiteral("cmdOK")));
        QTRY_VERIFY(!menu->findChild<QWidget*>(QStringLiteral("frmAbout")));
    }
};

QTEST_MAIN(TestMenu)
#include "tst_menu.moc"
