// How fast the game is where the player waits: the daily tick, saving and loading a full game,
// a Tavorel's paint against one gradient fill, the main screen's creation and the start-up to
// the painted menu against a Qt hello world. Run by hand on a Release build:
//   QT_QPA_PLATFORM=offscreen build-bench/bin/trevinor-bench
// The QBENCHMARK lines give each figure; summary() measures them all again in turns, best of
// many batches, and prints them against their targets.
#include "support/GameHarness.h"

#include "saves/SavedGameFile.h"
#include "world/DailyTick.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

#include <vuzedovi/Tavorel.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr QSize PaintSize(400, 60);

// A saved game of the seeds: "running-project" (a project under way) or "online-purchases"
// (every part, program, skill and online purchase, a finished project for sale).
GameState seededGame(const char* name)
{
    QString error;
    const std::optional<GameState> game = readSavedGameFile(
        QStringLiteral(TREVINOR_SEEDS "/") + QLatin1String(name), GameState{}, &error);
    if (!game)
        qFatal("%s", qPrintable(error));
    return *game;
}

// Black to red across 400 pixels: 401 vertical bands through all 256 levels of red.
std::unique_ptr<vuzedovi::Tavorel> shownButton()
{
    auto button = std::make_unique<vuzedovi::Tavorel>();
    button->resize(PaintSize);
    button->setColorStart(0x000000);
    button->setColorEnd(0x0000FF);
    button->setGradientOrientation(vuzedovi::constOrientation::Vertical);
    button->setCaption(QStringLiteral("Начать игру"));
    button->show();
    if (!QTest::qWaitForWindowExposed(button.get()))
        qFatal("the control was never shown");
    return button;
}

struct GradientFill {
    QImage image{PaintSize, QImage::Format_RGB32};
    QPainter painter{&image};
    QLinearGradient gradient{0, 0, qreal(PaintSize.width()), 0};
    GradientFill()
    {
        gradient.setColorAt(0, Qt::black);
        gradient.setColorAt(1, Qt::red);
    }
    void run() { painter.fillRect(QRect(QPoint(), PaintSize), gradient); }
};

// A widget whose whole paint is that one fill: the same fill, repainted as a control is.
class GradientWidget : public QWidget {
public:
    GradientWidget()
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        resize(PaintSize);
        show();
        if (!QTest::qWaitForWindowExposed(this))
            qFatal("the widget was never shown");
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        QLinearGradient gradient(0, 0, width(), 0);
        gradient.setColorAt(0, Qt::black);
        gradient.setColorAt(1, Qt::red);
        painter.fillRect(rect(), gradient);
    }
};

// A player in a game loaded from a seed, on the main screen.
struct Playing {
    FlowHarness h;
    MainScreen* screen = nullptr;
    explicit Playing(const char* seed)
    {
        screen = h.newGame();
        h.game = seededGame(seed);
        h.flow->showLoadedGame();
        QApplication::processEvents();
    }
    void tick()
    {
        h.game.mood = 100.0f; // never the last day
        h.game.devDaysDone = 0;
        screen->dailyTick();
    }
};

// Milliseconds from the start of a program to its end, which it reaches right after its first
// window's first frame has been drawn (TREVINOR_EXIT_WHEN_SHOWN, game/ExitAfterFirstPaint.h).
double startUpMs(const QString& program)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("TREVINOR_EXIT_WHEN_SHOWN"), QStringLiteral("1"));
    process.setProcessEnvironment(environment);
    QElapsedTimer timer;
    timer.start();
    process.start(program, {});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        qFatal("%s did not start and end", qPrintable(program));
    return timer.nsecsElapsed() / 1e6;
}

// Milliseconds a new game takes from the menu to the shown main screen, which it creates.
double mainScreenCreationMs()
{
    FlowHarness h;
    h.openMenu();
    QElapsedTimer timer;
    timer.start();
    h.newGame();
    return timer.nsecsElapsed() / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::vector<double> repeated(int times, const std::function<double()>& measure)
{
    std::vector<double> values;
    for (int i = 0; i < times; ++i)
        values.push_back(measure());
    return values;
}

// Microseconds per run: the best of many batches, the steps taking turns so that all of them
// see the machine as busy or as quiet.
struct Step {
    const char* name;
    std::function<void()> run;
    int perBatch;
    double bestUs = 1e12;
};

void measure(std::vector<Step*> steps, int rounds)
{
    for (int round = 0; round < rounds; ++round) {
        for (Step* step : steps) {
            QElapsedTimer timer;
            timer.start();
            for (int i = 0; i < step->perBatch; ++i)
                step->run();
            step->bestUs = std::min(step->bestUs, timer.nsecsElapsed() / 1000.0 / step->perBatch);
        }
    }
}

} // namespace

class TrevinorBenchmark : public QObject {
    Q_OBJECT

private slots:
    void dailyTickRule()
    {
        GameState g = seededGame("running-project");
        QBENCHMARK {
            g.mood = 100.0f;
            g.devDaysDone = 0;
            dailyTick(g, 50.0f);
        }
    }

    void dailyTickOnTheMainScreen()
    {
        Playing playing("running-project");
        QBENCHMARK {
            playing.tick();
        }
    }

    void saveFullGame()
    {
        const GameState g = seededGame("online-purchases");
        QTemporaryDir folder;
        const QString path = savedGamePath(folder.path(), QStringLiteral("игра"));
        QCOMPARE(saveGame(g, path), QString());
        QBENCHMARK {
            saveGame(g, path);
        }
    }

    void loadFullGame()
    {
        QTemporaryDir folder;
        const QString path = savedGamePath(folder.path(), QStringLiteral("игра"));
        saveGame(seededGame("online-purchases"), path);
        GameState g;
        QCOMPARE(loadGame(g, path), QString());
        QBENCHMARK {
            loadGame(g, path);
        }
    }

    // The load as the player sees it: the file read, then every screen brought into line.
    void loadFullGameOntoTheScreens()
    {
        Playing playing("new-game");
        QTemporaryDir folder;
        const QString path = savedGamePath(folder.path(), QStringLiteral("игра"));
        saveGame(seededGame("online-purchases"), path);
        QBENCHMARK {
            loadGame(playing.h.game, path);
            playing.h.flow->showLoadedGame();
        }
    }

    void tavorelFullPaint()
    {
        auto button = shownButton();
        QBENCHMARK {
            button->PaintControl();
            button->repaint();
        }
    }

    void tavorelUnchangedRepaint()
    {
        auto button = shownButton();
        button->repaint();
        QBENCHMARK {
            button->repaint();
        }
    }

    void linearGradientFill()
    {
        GradientFill fill;
        QBENCHMARK {
            fill.run();
        }
    }

    void widgetRepaintWithTheFill()
    {
        GradientWidget widget;
        QBENCHMARK {
            widget.repaint();
        }
    }

    void mainScreenCreation()
    {
        QTest::setBenchmarkResult(median(repeated(15, mainScreenCreationMs)),
                                  QTest::WalltimeMilliseconds);
    }

    void startUpToThePaintedMenu()
    {
        QTest::setBenchmarkResult(median(repeated(15, [] { return startUpMs(TREVINOR_GAME); })),
                                  QTest::WalltimeMilliseconds);
    }

    void startUpOfHelloWorld()
    {
        QTest::setBenchmarkResult(median(repeated(15, [] { return startUpMs(TREVINOR_HELLO); })),
                                  QTest::WalltimeMilliseconds);
    }

    // Every figure against its target, measured in turns; the lines of docs/benchmarks.md.
    void summary()
    {
        GameState ticking = seededGame("running-project");
        Playing playing("running-project");
        const GameState full = seededGame("online-purchases");
        QTemporaryDir folder;
        const QString path = savedGamePath(folder.path(), QStringLiteral("игра"));
        saveGame(full, path);
        GameState loaded;
        auto fullPaint = shownButton();
        auto unchanged = shownButton();
        unchanged->repaint();
        GradientFill fill;
        GradientWidget widget;

        Step tickRule{"daily tick, the rule", [&] {
            ticking.mood = 100.0f;
            ticking.devDaysDone = 0;
            dailyTick(ticking, 50.0f);
        }, 2000};
        Step tickScreen{"daily tick on the main screen", [&] { playing.tick(); }, 200};
        Step save{"save a full game", [&] { saveGame(full, path); }, 20};
        Step load{"load a full game", [&] { loadGame(loaded, path); }, 20};
        Step loadScreens{"load a full game onto the screens", [&] {
            loadGame(playing.h.game, path);
            playing.h.flow->showLoadedGame();
        }, 5};
        Step paint{"Tavorel 400x60, 401 bands, full paint", [&] {
            fullPaint->PaintControl();
            fullPaint->repaint();
        }, 50};
        Step repaint{"Tavorel 400x60, unchanged repaint", [&] { unchanged->repaint(); }, 200};
        Step gradient{"QLinearGradient fill 400x60", [&] { fill.run(); }, 200};
        Step filled{"a widget repainting that fill", [&] { widget.repaint(); }, 200};
        measure({&tickRule, &tickScreen, &save, &load, &loadScreens, &paint, &repaint, &gradient, &filled}, 30);
        // With a screen reader listening each day also describes every catalogue label anew.
        Step tickReader{"daily tick on the main screen, a screen reader listening", [&] { playing.tick(); }, 200};
        QAccessible::setActive(true);
        measure({&tickReader}, 30);
        QAccessible::setActive(false);

        // The two programs alternate, so a busy moment of the machine weighs on both alike;
        // the ratio is the median of each pair's.
        std::vector<double> creation, game, hello, ratio;
        for (int i = 0; i < 15; ++i) {
            creation.push_back(mainScreenCreationMs());
            game.push_back(startUpMs(TREVINOR_GAME));
            hello.push_back(startUpMs(TREVINOR_HELLO));
            ratio.push_back(game.back() / hello.back());
        }

        const auto line = [](const char* what, const QString& figure, const QString& target) {
            qInfo("| %s | %s | %s |", what, qPrintable(figure), qPrintable(target));
        };
        const auto us = [](double v) { return QStringLiteral("%1 µs").arg(v, 0, 'f', 1); };
        const auto ms = [](double v) { return QStringLiteral("%1 ms").arg(v, 0, 'f', 2); };
        line(tickRule.name, us(tickRule.bestUs), QStringLiteral("under 50 µs"));
        line(tickScreen.name, us(tickScreen.bestUs), QStringLiteral("under 50 µs"));
        line(tickReader.name, us(tickReader.bestUs), QStringLiteral("-"));
        line(save.name, ms(save.bestUs / 1000), QStringLiteral("under 5 ms"));
        line(load.name, ms(load.bestUs / 1000), QStringLiteral("under 5 ms"));
        line(loadScreens.name, ms(loadScreens.bestUs / 1000), QStringLiteral("-"));
        line(gradient.name, us(gradient.bestUs), QStringLiteral("-"));
        line(filled.name, us(filled.bestUs), QStringLiteral("-"));
        line(paint.name, us(paint.bestUs) + QStringLiteral(" = %1 x the fill, %2 x the widget")
                                                .arg(paint.bestUs / gradient.bestUs, 0, 'f', 2)
                                                .arg(paint.bestUs / filled.bestUs, 0, 'f', 2),
             QStringLiteral("within 3 x the fill"));
        line(repaint.name, us(repaint.bestUs) + QStringLiteral(" = %1 x the fill").arg(repaint.bestUs / gradient.bestUs, 0, 'f', 2),
             QStringLiteral("within 3 x the fill"));
        line("main screen created (new game from the menu), median", ms(median(creation)), QStringLiteral("-"));
        line("start-up to the painted menu, median", ms(median(game)) + QStringLiteral(" = %1 x hello world").arg(median(ratio), 0, 'f', 2),
             QStringLiteral("within 1.3 x hello world"));
        line("Qt hello world start-up to its painted window, median", ms(median(hello)), QStringLiteral("-"));
    }
};

QTEST_MAIN(TrevinorBenchmark)
#include "trevinor_bench.moc"
