// The main screen: the clock and who stops and resumes it, the daily tick's labels and game
// over, the pages' confirm buttons, the sliding software panel, the legend and the hover reset.
#include "support/GameHarness.h"

#include "kit/CatalogueLabels.h"
#include "kit/Colours.h"
#include "kit/Controls.h"
#include "flow/MainScreenPages.h"
#include "flow/HomePageToggles.h"

#include <QAccessible>
#include <QAction>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>

#include <limits>

class TestMainScreen : public QObject {
    Q_OBJECT

private:
    static QTimer* clock(MainScreen* s) { return s->control<QTimer>("TimerMain"); }
    static QTabWidget* tabs(MainScreen* s) { return s->control<QTabWidget>("SSTab1"); }
    static void key(MainScreen* s, const char* name)
    {
        s->control<QToolBar>("Toolbar1")->findChild<QAction*>(QString::fromLatin1(name))->trigger();
    }
    static void clickLabel(MainScreen* s, const char* name)
    {
        QTest::mouseClick(s->control(name), Qt::LeftButton);
    }
    // Runs tmrDviz while it is enabled, at most `limit` ticks; returns the ticks run.
    static int slide(MainScreen* s, int limit)
    {
        QTimer* timer = s->control<QTimer>("tmrDviz");
        int ticks = 0;
        while (timer->isActive() && ticks < limit) {
            fire(timer);
            ++ticks;
        }
        return ticks;
    }

private slots:
    void sliderSetsTheClock_data() { addClockColumnsAndRows(); }
    void sliderSetsTheClock()
    {
        QFETCH(int, slider);
        QFETCH(bool, running);
        QFETCH(int, interval);
        FlowHarness h;
        MainScreen* s = h.newGame();
        QCOMPARE(s->control<QSlider>("Slider1")->value(), 1);
        QVERIFY(clock(s)->isActive());
        QCOMPARE(clock(s)->interval(), 1000);
        s->control<QSlider>("Slider1")->setValue(slider == 1 ? 0 : 1); // a real change first
        s->control<QSlider>("Slider1")->setValue(slider);
        QCOMPARE(clock(s)->isActive(), running);
        QCOMPARE(clock(s)->interval(), interval);
    }

    void pageKeyStopsTheClockAndDaResumesIt_data()
    {
        QTest::addColumn<QString>("pageKey");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("confirm");
        QTest::addColumn<int>("slider");
        const struct {
            const char* key;
            int page;
            const char* confirm;
        } pages[] = {{"Obuchenie", 1, "cmdDa"}, {"Rabota", 2, "cmdDa2"},
                     {"Komp", 3, "cmdKompDa"}, {"Program", 4, "cmdProgDa"}};
        for (const auto& p : pages) {
            for (int slider : {0, 1, 2})
                QTest::addRow("%s, slider %d", p.key, slider)
                    << p.key << p.page << p.confirm << slider;
        }
    }
    void pageKeyStopsTheClockAndDaResumesIt()
    {
        QFETCH(QString, pageKey);
        QFETCH(int, page);
        QFETCH(QString, confirm);
        QFETCH(int, slider);
        FlowHarness h;
        MainScreen* s = h.newGame();
        s->control<QSlider>("Slider1")->setValue(slider);
        QSignalSpy confirmed(s, &MainScreen::pageConfirmed);

        key(s, pageKey.toLatin1().constData());
        QCOMPARE(tabs(s)->currentIndex(), page);
        QVERIFY(!clock(s)->isActive());

        QWidget* da = s->control(confirm.toLatin1().constData());
        QVERIFY(s->page(page)->isAncestorOf(da));
        QCOMPARE(caption(da), QStringLiteral("Да"));
        pressTavorel(da);
        QCOMPARE(tabs(s)->currentIndex(), 0);
        QCOMPARE(clock(s)->isActive(), slider != 2);
        QCOMPARE(clock(s)->interval(), slider == 0 ? 5000 : 1000);
        QCOMPARE(confirmed.count(), 1);
        QCOMPARE(confirmed.first().first().toInt(), page);
    }

    void aLeftClickOnDaConfirmsThePage()
    {
        FlowHarness h;
        MainScreen* s = h.newGame();
        key(s, "Komp");
        QTest::mouseClick(s->control("cmdKompDa"), Qt::LeftButton);
        QTRY_COMPARE(tabs(s)->currentIndex(), 0);
        QVERIFY(clock(s)->isActive());
    }

    void pagesChangeOnlyByTheToolbarAndDa_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("keyCode");
        QTest::newRow("Ctrl+Tab on the home page")
            << 0 << int(Qt::ControlModifier) << int(Qt::Key_Tab);
        QTest::newRow("Ctrl+Shift+Tab on the home page")
            << 0 << int(Qt::ControlModifier | Qt::ShiftModifier) << int(Qt::Key_Backtab);
        QTest::newRow("Ctrl+Tab on the training page")
            << 1 << int(Qt::ControlModifier) << int(Qt::Key_Tab);
    }
    void pagesChangeOnlyByTheToolbarAndDa()
    {
        QFETCH(int, from);
        QFETCH(int, modifiers);
        QFETCH(int, keyCode);
        FlowHarness h;
        MainScreen* s = h.newGame();
        if (from == TrainingPage)
            key(s, "Obuchenie");
        const bool running = clock(s)->isActive();
        QKeyEvent press(QEvent::KeyPress, keyCode, Qt::KeyboardModifiers(modifiers));
        QApplication::sendEvent(s->page(from), &press);
        QCOMPARE(tabs(s)->currentIndex(), from);
        QCOMPARE(clock(s)->isActive(), running);
    }

    void menuKeyStopsTheClock()
    {
        FlowHarness h;
        MainScreen* s = h.newGame();
        key(s, "Menu");
        QVERIFY(!clock(s)->isActive());
        QVERIFY(h.flow->menu() && h.flow->menu()->isVisible());
    }

    void keysWithoutTheirScreenDoNothing_data()
    {
        QTest::addColumn<QString>("pageKey");
        QTest::newRow("development") << "Razrab";
        QTest::newRow("internet") << "Inet";
        QTest::newRow("rest") << "Otdih";
        QTest::newRow("no such key") << "Exit";
    }
    void keysWithoutTheirScreenDoNothing()
    {
        QFETCH(QString, pageKey);
        // A build without those screens: their hooks are empty.
        FlowHarness h([](GameContext& c) {
            c.hooks.openDevelopment = c.hooks.openInternet = c.hooks.openRest = nullptr;
        });
        MainScreen* s = h.newGame();
        s->toolbarKey(pageKey);
        QVERIFY(s->isVisible());
        QVERIFY(clock(s)->isActive());
        QCOMPARE(tabs(s)->currentIndex(), 0);
    }

    void screenKeysHideTheMainScreen_data()
    {
        QTest::addColumn<QString>("pageKey");
        QTest::addColumn<bool>("clockRuns");
        QTest::newRow("development keeps the clock") << "Razrab" << true;
        QTest::newRow("internet stops it") << "Inet" << false;
        QTest::newRow("rest stops it") << "Otdih" << false;
    }
    void screenKeysHideTheMainScreen()
    {
        QFETCH(QString, pageKey);
        QFETCH(bool, clockRuns);
        int opened = 0;
        FlowHarness h([&opened](GameContext& c) {
            c.hooks.openDevelopment = c.hooks.openInternet = c.hooks.openRest =
                [&opened](MainScreen&) { ++opened; };
        });
        MainScreen* s = h.newGame();
        s->toolbarKey(pageKey);
        QCOMPARE(opened, 1);
        QVERIFY(!s->isVisible());
        QCOMPARE(clock(s)->isActive(), clockRuns);
    }

    void confirmButtonsRunTheirRules_data()
    {
        QTest::addColumn<QString>("confirm");
        QTest::addColumn<int>("dailyPay");
        QTest::addColumn<bool>("knowsWin98");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        QTest::newRow("training recomputes the status")
            << "cmdDa" << 1 << true << "lblStatus" << "Пользователь";
        QTest::newRow("training recomputes experience in plain digits")
            << "cmdDa" << 1 << true << "lblOpit" << "1";
        QTest::newRow("jobs show the job line") << "cmdDa2" << 3 << false << "lblRab"
                                                << "Верстальщик, 3 р./день";
        QTest::newRow("a pay of no job leaves the line")
            << "cmdDa2" << 7 << false << "lblRab" << "Безработный, пособие - 1p./день";
        QTest::newRow("computer leaves the status") << "cmdKompDa" << 3 << true << "lblStatus"
                                                    << "Ламер";
        QTest::newRow("software leaves the job line") << "cmdProgDa" << 3 << true << "lblRab"
                                                      << "Безработный, пособие - 1p./день";
    }
    void confirmButtonsRunTheirRules()
    {
        QFETCH(QString, confirm);
        QFETCH(int, dailyPay);
        QFETCH(bool, knowsWin98);
        QFETCH(QString, label);
        QFETCH(QString, text);
        FlowHarness h;
        MainScreen* s = h.newGame();
        h.game.dailyPay = int16_t(dailyPay);
        h.game.knowsWin98 = toFlag(knowsWin98);
        pressTavorel(s->control(confirm.toLatin1().constData()));
        QCOMPARE(s->control<QLabel>(label.toLatin1().constData())->text(), text);
    }

    void tickShowsTheDay()
    {
        FlowHarness h;
        MainScreen* s = h.newGame();
        fire(clock(s));
        QCOMPARE(s->control<QLabel>("Label1")->text(), QStringLiteral(" 1"));
        QCOMPARE(s->control<QLabel>("lblStazh")->text(), QStringLiteral(" 0"));
        QCOMPARE(s->moodBar(), 99.5f);
        QCOMPARE(s->control<QProgressBar>("ProgressBar1")->value(), 99);
        QCOMPARE(s->control<QLabel>("lblPercent")->text(), QStringLiteral(" 99"));
        QCOMPARE(s->control<QLabel>("lblDengi")->text(), QStringLiteral(" 551"));
        fire(clock(s));
        QCOMPARE(s->control<QLabel>("Label1")->text(), QStringLiteral(" 2"));
        QCOMPARE(s->control<QLabel>("lblDengi")->text(), QStringLiteral(" 552"));
    }

    void gameOverComesOnThe199thTick()
    {
        FlowHarness h;
        MainScreen* s = h.newGame();
        for (int tick = 1; tick <= 198; ++tick)
            fire(clock(s));
        QCOMPARE(s->moodBar(), 1.0f);
        QCOMPARE(h.dialogs.count("tell"), 0);
        QCOMPARE(h.quits, 0);

        fire(clock(s));
        QCOMPARE(h.dialogs.count("tell"), 1);
        QCOMPARE(h.dialogs.asked.last().text, QStringLiteral("Game Over"));
        QCOMPARE(h.dialogs.asked.last().caption, QStringLiteral("Тревинор"));
        QCOMPARE(h.dialogs.asked.last().icon, Dialogs::Icon::None);
        QCOMPARE(h.quits, 1);
        QVERIFY(!clock(s)->isActive());
        QCOMPARE(s->control<QLabel>("lblDengi")->text(), QStringLiteral(" 748")); // no pay
    }

    // A saved game may hold any mood: the bar shows it within 0..100, and it still runs out.
    void loadedMoodShowsOnTheBarAndRunsOut_data()
    {
        QTest::addColumn<float>("mood");
        QTest::addColumn<int>("bar");
        QTest::addColumn<QString>("percent");
        QTest::addColumn<int>("days");
        QTest::newRow("full") << 100.0f << 100 << " 100" << 199;
        QTest::newRow("off the half points") << 1.3f << 1 << " 1." << 2;
        QTest::newRow("largest") << std::numeric_limits<float>::max() << 100 << " 100" << 199;
        QTest::newRow("far below") << -3e38f << 0 << " 0" << 1;
    }
    void loadedMoodShowsOnTheBarAndRunsOut()
    {
        QFETCH(float, mood);
        FlowHarness h;
        MainScreen* s = h.newGame();
        h.game.mood = mood;
        h.flow->refreshScreens();
        QTEST(s->control<QProgressBar>("ProgressBar1")->value(), "bar");
        QTEST(s->control<QLabel>("lblPercent")->text(), "percent");
        int day = 0;
        while (h.quits == 0 && day < 300) {
            fire(clock(s));
            ++day;
        }
        QTEST(day, "days");
    }

    void secondNewGameStartsAfreshAndRunning()
    {
        FlowHarness h;
        MainScreen* s = h.newGame();
        for (int tick = 1; tick <= 198; ++tick)
            fire(clock(s)); // the mood bar now holds 1: one more day would end the game
        key(s, "Menu");
        QVERIFY(!clock(s)->isActive());
        h.dialogs.names.append(QStringLiteral("Петя"));
        h.flow->menu()->newGameProcedure();
        QApplication::processEvents();

        QCOMPARE(s->moodBar(), 100.0f);
        QCOMPARE(s->control<QLabel>("Label1")->text(), QStringLiteral(" 1"));
        QCOMPARE(s->control<QLabel>("lblStazh")->text(), QStringLiteral(" 0"));
        QVERIFY(clock(s)->isActive());
        fire(clock(s));
        QCOMPARE(h.quits, 0);
        QCOMPARE(s->control<QLabel>("lblPercent")->text(), QStringLiteral(" 99"));
    }

    void softwarePanelStopsExactly_data()
    {
        // Ticks run between the clicks on lblPO; the last click's slide runs to its end.
        QTest::addColumn<QList<int>>("ticksBetweenClicks");
        QTest::addColumn<int>("top");
        QTest::addColumn<bool>("inView");
        QTest::newRow("slides in") << QList<int>{} << 200 << true;
        QTest::newRow("in and out") << QList<int>{100} << 3000 << false;
        QTest::newRow("reversed after one step") << QList<int>{1} << 3000 << false;
        QTest::newRow("reversed half way") << QList<int>{14} << 3000 << false;
        QTest::newRow("reversed one step before the stop") << QList<int>{27} << 3000 << false;
        QTest::newRow("clicked twice at once") << QList<int>{0} << 3000 << false;
        QTest::newRow("clicked twice at once when in view") << QList<int>{100, 0} << 200 << true;
        QTest::newRow("in, back, in again") << QList<int>{5, 2} << 200 << true;
        QTest::newRow("out from in view, reversed") << QList<int>{100, 10} << 200 << true;
    }
    void softwarePanelStopsExactly()
    {
        QFETCH(QList<int>, ticksBetweenClicks);
        QFETCH(int, top);
        QFETCH(bool, inView);
        FlowHarness h;
        MainScreen* s = h.newGame();
        QWidget* panel = s->control("Tavorel26");
        QVERIFY(!panel->isVisibleTo(s));
        for (int ticks : ticksBetweenClicks) {
            clickLabel(s, "lblPO");
            slide(s, ticks);
        }
        clickLabel(s, "lblPO");
        QVERIFY(slide(s, 1000) < 1000);

        const SoftwarePanelSlide& model = s->softwarePanel();
        QCOMPARE(model.top(), top);
        QCOMPARE(model.left(), top - 3000 + 5160); // the diagonal
        QVERIFY(!s->control<QTimer>("tmrDviz")->isActive());
        QCOMPARE(panel->isVisibleTo(s), inView);
        QCOMPARE(panel->pos(), QPoint(SoftwarePanelOriginX + model.left() / 15,
                                      SoftwarePanelOriginY + model.top() / 15));
        QCOMPARE(model.flag(), int16_t(inView ? 0 : -1));
        QCOMPARE(s->control<QLabel>("lblPO")->text(),
                 inView ? QStringLiteral("Программное обеспечение <<")
                        : QStringLiteral("Программное обеспечение >>"));
    }

    void legendToggles()
    {
        FlowHarness h;
        MainScreen* s = h.newGame();
        key(s, "Program");
        auto* toggle = s->control<QLabel>("lblLegenda");
        QWidget* legend = s->control("Tavorel29");
        QVERIFY(s->page(SoftwarePage)->isAncestorOf(legend));
        QVERIFY(!legend->isVisibleTo(s));
        QCOMPARE(toggle->text(), QStringLiteral("+"));

        clickLabel(s, "lblLegenda");
        QVERIFY(legend->isVisibleTo(s));
        QCOMPARE(toggle->text(), QStringLiteral("-"));
        QCOMPARE(toggle->toolTip(), QStringLiteral("Скрыть легенду"));
        QCOMPARE(s->legendFlag(), int16_t(0));

        clickLabel(s, "lblLegenda");
        QVERIFY(!legend->isVisibleTo(s));
        QCOMPARE(toggle->text(), QStringLiteral("+"));
        QCOMPARE(toggle->toolTip(), QStringLiteral("Показать легенду"));
        QCOMPARE(s->legendFlag(), int16_t(-1));
    }

    void hoverResetRunsFromTheCatalogueBackgrounds_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<bool>("resets");
        for (int n = 1; n <= 29; ++n) {
            if (n == 28)
                continue; // not a control of the main screen
            const bool resets = (n >= 1 && n <= 6) || (n >= 12 && n <= 25);
            QTest::addRow("Tavorel%d", n) << QStringLiteral("Tavorel%1").arg(n) << resets;
        }
    }
    void hoverResetRunsFromTheCatalogueBackgrounds()
    {
        QFETCH(QString, panel);
        QFETCH(bool, resets);
        constexpr uint32_t choice = 0x123456;
        // Stand-ins for catalogue and description labels, in a catalogue of their own.
        FlowHarness h([](GameContext& c) {
            c.hooks.fillMainScreen.push_back([](MainScreen& s) {
                CatalogueTable stand;
                for (const char* name : {"lblTestA", "lblTestB", "lblOSWinXP", "lblTestC"}) {
                    if (!s.findChild<QWidget*>(QString::fromLatin1(name))) {
                        auto* label = new QLabel(QStringLiteral("x"), s.page(1));
                        label->setObjectName(QString::fromLatin1(name));
                    }
                    stand.labels.push_back(QString::fromLatin1(name));
                }
                for (const char* name : {"lblShowTsena", "lblSisTreb"}) {
                    if (!s.findChild<QWidget*>(QString::fromLatin1(name))) {
                        auto* label = new QLabel(s.page(4));
                        label->setObjectName(QString::fromLatin1(name));
                    }
                    stand.descriptions.push_back(QString::fromLatin1(name));
                }
                s.addCatalogue(std::move(stand));
            });
        });
        MainScreen* s = h.newGame();
        h.game.colourChoiceButtons = choice;
        auto* catalogue = s->control<QLabel>("lblOSWinXP");
        setBackColour(catalogue, 255);
        setBackColour(s->control("lblLegenda"), 255);
        s->control<QLabel>("lblSisTreb")->setText(QStringLiteral("128 Мб ОЗУ"));
        setCaption(s->control("lblShowTsena"), QStringLiteral("44 p."));

        QWidget* background = s->findChild<QWidget*>(panel);
        QVERIFY(background);
        mouseOverTavorel(background);

        for (const char* name : {"lblTestA", "lblTestB", "lblTestC", "lblPO"})
            QCOMPARE(backColour(s->control(name)) == choice, resets);
        QCOMPARE(backColour(catalogue) == choice, resets);
        QCOMPARE(backColour(s->control("lblLegenda")) == choice, resets);
        QCOMPARE(s->control<QLabel>("lblSisTreb")->text().isEmpty(), resets);
        QCOMPARE(caption(s->control("lblShowTsena")).isEmpty(), resets);
    }

    void messageBoxesSpeakRussian()
    {
        QVERIFY(loadRussianTranslation(*QCoreApplication::instance()));
        QMessageBox box(QMessageBox::Question, ProgramTitle, QStringLiteral("?"),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        const auto text = [&box](QMessageBox::StandardButton b) {
            return box.button(b)->text().remove(QLatin1Char('&'));
        };
        QCOMPARE(text(QMessageBox::Yes), QStringLiteral("Да"));
        QCOMPARE(text(QMessageBox::No), QStringLiteral("Нет"));
        QCOMPARE(text(QMessageBox::Cancel), QStringLiteral("Отмена"));
    }

    void listBoxTextReadsOnItsBackground_data()
    {
        QTest::addColumn<uint>("background");
        QTest::addColumn<uint>("preferred");
        QTest::newRow("default scheme: yellow on red") << 0x0000FFu << 0x00FFFFu;
        QTest::newRow("yellow on dark red stays yellow") << 0x000080u << 0x00FFFFu;
        QTest::newRow("white on a pale background") << 0xE0F0FFu << 0xFFFFFFu;
        QTest::newRow("black on black") << 0x000000u << 0x000000u;
        QTest::newRow("mid grey") << 0x808080u << 0x909090u;
    }
    void listBoxTextReadsOnItsBackground()
    {
        QFETCH(uint, background);
        QFETCH(uint, preferred);
        FlowHarness h;
        MainScreen* s = h.newGame();
        auto* list = s->control<QComboBox>("cmbProgrObesp");
        setListBoxColours(list, background, preferred);
        const QPalette p = list->palette();
        QVERIFY(contrastRatio(p.color(QPalette::Base), p.color(QPalette::Text)) >= 4.5);
        QVERIFY(contrastRatio(p.color(QPalette::Button), p.color(QPalette::ButtonText)) >= 4.5);
        if (contrastRatio(toQColor(background), toQColor(preferred)) >= 4.5)
            QCOMPARE(toBgr(p.color(QPalette::Text)), uint32_t(preferred));
    }

    void legendLabelTurnsRedUnderTheMouse()
    {
        FlowHarness h;
        MainScreen* s = h.newGame();
        QWidget* toggle = s->control("lblLegenda");
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(toggle->mapToGlobal(QPoint(5, 5))),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(toggle, &move);
        QCOMPARE(backColour(toggle), uint32_t(0x0000FF));
    }

    void loadFollowsTheSettings_data()
    {
        QTest::addColumn<int>("melody");   // which melody flag is set (0: none)
        QTest::addColumn<bool>("cancelled");
        QTest::newRow("first melody, scheme applied") << 1 << false;
        QTest::newRow("third melody, settings cancelled") << 3 << true;
        QTest::newRow("no melody") << 0 << false;
    }
    void loadFollowsTheSettings()
    {
        QFETCH(int, melody);
        QFETCH(bool, cancelled);
        int schemes = 0;
        Colour schemeStart; // the gradient start colour the scheme was applied with
        FlowHarness h([&schemes, &schemeStart](GameContext& c) {
            c.hooks.applyColourScheme = [&schemes, &schemeStart, &c](MainScreen&) {
                ++schemes;
                schemeStart = c.game.colourGradientStart;
            };
        });
        h.dialogs.names = {QStringLiteral("Вася")};
        MenuScreen* menu = h.openMenu(); // sets the first melody flag
        GameState& g = h.game;
        g.melody1On = toFlag(melody == 1);
        g.melody3On = toFlag(melody == 3);
        g.settingsCancelled = toFlag(cancelled);
        menu->newGameProcedure();
        MainScreen* s = h.flow->mainScreen();

        QCOMPARE(g.mainScreenShown, True);
        for (int n = 1; n <= 3; ++n)
            QCOMPARE(s->control<QTimer>(QStringLiteral("timMel%1").arg(n).toLatin1().constData())
                         ->isActive(),
                     n == melody);
        QCOMPARE(schemes, cancelled ? 0 : 1);
        if (!cancelled) // the first game's colours are set before the screen loads
            QCOMPARE(schemeStart, Colour(DefaultColours::GradientStart));
        const Qt::CursorShape expected = cancelled ? Qt::ArrowCursor : Qt::PointingHandCursor;
        for (const char* name : {"Toolbar1", "lblPO", "lblLegenda"})
            QCOMPARE(s->control(name)->cursor().shape(), expected);
    }

    void everyNamedControlIsThere()
    {
        FlowHarness h;
        MainScreen* s = h.newGame();
        // Each control by its name, with its caption where it has a fixed one.
        const std::pair<const char*, const char*> controls[] = {
            {"Tavorel27", "Тревинор"}, {"cmdMin", "-"}, {"cmdClose", "X"},
            {"Toolbar1", nullptr}, {"SSTab1", nullptr}, {"TimerMain", nullptr},
            {"tmrDviz", nullptr}, {"timMel1", nullptr}, {"timMel2", nullptr},
            {"timMel3", nullptr}, {"Tavorel8", "Ваши данные"}, {"Tavorel9", "Настроение"},
            {"Tavorel10", "Скорость/Пауза"}, {"Tavorel11", "День/Стаж работы"},
            {"Tavorel16", "Компьютер"}, {"Tavorel26", "Программное обеспечение"},
            {"Tavorel29", "Легенда"}, {"Label5", "Имя:"}, {"lblName", nullptr},
            {"Label9", "Статус:"}, {"lblStatus", nullptr}, {"Label10", "Опыт:"},
            {"lblOpit", nullptr}, {"Label11", "Работа:"}, {"lblRab", nullptr},
            {"Label12", "Деньги:"}, {"lblDengi", nullptr}, {"ProgressBar1", nullptr},
            {"lblPercent", nullptr}, {"Slider1", nullptr}, {"Label1", nullptr},
            {"lblStazh", nullptr}, {"lblMBoard", ""}, {"lblVint", ""}, {"lblProc", ""},
            {"lblZwukPl", ""}, {"lblOZU", ""}, {"lblSVGA", ""}, {"lblMonitor", ""},
            {"lblCDROM", ""}, {"lblModem", ""}, {"Label26", "- Обязательное наличае"},
            {"lblPO", "Программное обеспечение >>"}, {"cmbProgrObesp", nullptr},
            {"lblProgrObesp", "."}, {"lblLegenda", "+"}, {"lblLegendFree", " - Свободно"},
            {"lblLegendUsed", " - Занято"}, {"cmdDa", "Да"}, {"cmdDa2", "Да"},
            {"cmdKompDa", "Да"}, {"cmdProgDa", "Да"}};
        for (const auto& [name, text] : controls) {
            QObject* control = s->findChild<QObject*>(QString::fromLatin1(name));
            QVERIFY2(control, name);
            if (text)
                QCOMPARE(caption(static_cast<QWidget*>(control)), QString::fromUtf8(text));
        }
        QCOMPARE(tabs(s)->count(), 5);
        QCOMPARE(s->control<QToolBar>("Toolbar1")->actions().size(), 8);
    }
    // A player who cannot see the hover hears what it shows: each catalogue label's accessible
    // description holds the texts its hover writes, kept in line as the money changes and as
    // the label is bought, while a screen reader listens, and nothing is described without one.
    void cataloguesDescribeTheirHover_data()
    {
        QTest::addColumn<bool>("listening");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::addColumn<bool>("click");
        QTest::addColumn<bool>("changes");
        QTest::newRow("course: affordable, then not") << true << "Obuchenie" << "lblWin98" << 1000 << 50 << false << true;
        QTest::newRow("course: started, still offered") << true << "Obuchenie" << "lblWin98" << 150 << 150 << true << false;
        QTest::newRow("job: not for these skills") << true << "Rabota" << "lblVerst" << 1000 << 50 << false << false;
        QTest::newRow("part: priced, then bought") << true << "Komp" << "lblRadiokanal" << 1000 << 500 << true << true;
        QTest::newRow("program: no computer for it") << true << "Program" << "lblOSWin98" << 1000 << 50 << false << false;
        QTest::newRow("no screen reader: nothing") << false << "Komp" << "lblRadiokanal" << 1000 << 50 << true << false;
    }
    void cataloguesDescribeTheirHover()
    {
        QFETCH(bool, listening);
        QFETCH(QString, page);
        QFETCH(QString, label);
        QFETCH(int, before);
        QFETCH(int, after);
        QFETCH(bool, click);
        QFETCH(bool, changes);
        FlowHarness h;
        MainScreen* s = h.newGame();
        // A screen reader starting up while the game runs.
        QAccessible::setActive(listening);
        const auto quiet = qScopeGuard([] { QAccessible::setActive(false); });
        QWidget* item = s->control(label.toLatin1().constData());
        const auto& tables = s->catalogues().tables();
        const auto table = std::find_if(tables.begin(), tables.end(), [&](const CatalogueTable& t) {
            return std::find(t.labels.begin(), t.labels.end(), label) != t.labels.end();
        });
        QVERIFY(table != tables.end());
        // What the screen reader hears against what the hover writes on the screen, line by line.
        const auto heardIsShown = [&] {
            QStringList heard = QAccessible::queryAccessibleInterface(item)
                                    ->text(QAccessible::Description).split(QChar(10), Qt::SkipEmptyParts);
            QStringList shown;
            if (listening && item->isEnabled()) {
                QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), item->mapToGlobal(QPointF(5, 5)),
                                 Qt::NoButton, Qt::NoButton, Qt::NoModifier);
                QApplication::sendEvent(item, &move);
                for (const QString& name : table->descriptions)
                    shown += caption(s->control(name.toLatin1().constData()))
                                 .split(QRegularExpression(QStringLiteral("[\r\n]")), Qt::SkipEmptyParts);
                s->hoverReset();
            }
            heard.sort();
            shown.sort();
            return heard == shown;
        };
        h.game.money = Currency::fromRoubles(before);
        s->showMoney();
        key(s, page.toLatin1().constData());
        QVERIFY(heardIsShown());
        const QString first = item->accessibleDescription();
        h.game.money = Currency::fromRoubles(after);
        s->showMoney();
        QVERIFY(heardIsShown());
        if (click) {
            QTest::mouseClick(item, Qt::LeftButton);
            QVERIFY(heardIsShown());
        }
        QCOMPARE(item->accessibleDescription() != first, changes);
    }
};

QTEST_MAIN(TestMainScreen)
#include "tst_mainscreen.moc"
