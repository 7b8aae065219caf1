// The start-up as the player sees it: the measurement ends right after the first window's first
// frame, children included, never before; the game ends there by itself without having loaded
// the synthesiser for music nobody has asked for yet.
#include "ExitAfterFirstPaint.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
struct CountingPaints : QWidget {
    using QWidget::QWidget;
    int paints = 0;
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
        auto* child = new CountingPaints(&window);
        child->setGeometry(10, 10, 50, 20);
        int ended = 0, childPaintsAtEnd = 0;
        new ExitAfterFirstPaint(&window, [&] {
            ++ended;
            childPaintsAtEnd = child->paints;
        });
        if (shown) {
            window.show();
            QTRY_VERIFY(window.paints > 0);
            for (int i = 0; i < repaints; ++i)
                window.repaint();
        }
        QTest::qWait(50);
        QCOMPARE(ended, ends);
        QCOMPARE(childPaintsAtEnd > 0, ends > 0);
    }

    void theGameEndsAfterItsMenuIsPaintedWithoutTheSynthesiser()
    {
        QTemporaryDir home;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home.path());
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("TREVINOR_EXIT_WHEN_SHOWN"), QStringLiteral("1"));
        // The dynamic loader names every library it loads, linked or loaded later.
        environment.insert(QStringLiteral("LD_DEBUG"), QStringLiteral("files"));
        QProcess game;
        game.setProcessEnvironment(environment);
        game.start(QStringLiteral(TREVINOR_GAME), {});
        // An exit question or a closed menu would keep it running.
        QVERIFY(game.waitForFinished(60000));
        QCOMPARE(game.exitStatus(), QProcess::NormalExit);
        QCOMPARE(game.exitCode(), 0);
        const QByteArray loaded = game.readAllStandardError();
        QVERIFY(loaded.contains("libQt6Widgets"));
        QVERIFY2(!loaded.contains("libfluidsynth"), "the synthesiser loads before any melody");
    }
};

QTEST_MAIN(StartUpTest)
#include "tst_startup.moc"
