// The start-up as the player sees it: the measurement's end comes right after the first window's
// first frame, children included, and never before; the game ends there by itself, having
// loaded no synthesiser for music that has not been asked for.
#include "ExitAfterFirstPaint.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
class CountingPaints : public QWidget {
public:
    using QWidget::QWidget;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};
} // namespace

class StartUpTest : public QObject {
    Q_OBJECT
private slots:
    void endsOnceAfterTheWholeFirstFrame_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::addColumn<int>("repaints");
        QTest::addColumn<int>("ends");
        QTest::newRow("never shown, never ends") << false << 0 << 0;
        QTest::newRow("shown, ends once") << true << 0 << 1;
        QTest::newRow("painted again, still once") << true << 3 << 1;
    }
    void endsOnceAfterTheWholeFirstFrame()
    {
        QFETCH(bool, shown);
        QFETCH(int, repaints);
        QFETCH(int, ends);
        CountingPaints window;
        window.resize(200, 100);
        auto* child = new CountingPaints(&window);
        child->setGeometry(10, 10, 50, 20);
        int ended = 0;
        int childPaintsAtEnd = -1;
        new ExitAfterFirstPaint(&window, [&] {
            ++ended;
            childPaintsAtEnd = child->paints;
        });
        if (shown) {
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QTRY_VERIFY(window.paints > 0);
            for (int i = 0; i < repaints; ++i)
                window.repaint();
        }
        QTest::qWait(50);
        QCOMPARE(ended, ends);
        if (ends)
            QVERIFY(childPaintsAtEnd > 0);
    }

    void theGameEndsByItselfAfterItsMenuIsPainted()
    {
        QProcess game;
        runTheGame(game, {});
        QCOMPARE(game.exitStatus(), QProcess::NormalExit);
        QCOMPARE(game.exitCode(), 0);
    }

    void theMenuIsPaintedWithoutTheSynthesiser()
    {
        // The dynamic loader names every library it loads, linked or loaded later.
        QProcess game;
        runTheGame(game, {{QStringLiteral("LD_DEBUG"), QStringLiteral("files")}});
        QCOMPARE(game.exitCode(), 0);
        const QByteArray loaded = game.readAllStandardError();
        QVERIFY(loaded.contains("libQt6Widgets"));
        QVERIFY2(!loaded.contains("libfluidsynth"), "the synthesiser loads before any melody");
    }

private:
    // The game, asked to end after its first frame, with its own empty home.
    static void runTheGame(QProcess& game, const QList<QPair<QString, QString>>& extra)
    {
        static QTemporaryDir home;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home.path());
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("TREVINOR_EXIT_WHEN_SHOWN"), QStringLiteral("1"));
        for (const auto& [name, value] : extra)
            environment.insert(name, value);
        game.setProcessEnvironment(environment);
        game.start(QStringLiteral(TREVINOR_GAME), {});
        // An exit question or a closed menu would keep it running.
        QVERIFY(game.waitForFinished(60000));
    }
};

QTEST_MAIN(StartUpTest)
#include "tst_startup.moc"
