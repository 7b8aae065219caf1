// A game killed with SIGKILL while it saves leaves a saved game that reads whole: the one
// from before that save or the one it was writing, never a mixture or a cut-off file.
#include "SavedGameWriter.h"

#include "saves/SavedGameFile.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

class KillSaveTest : public QObject {
    Q_OBJECT

private slots:
    void killedSaveLeavesAWholeGame_data();
    void killedSaveLeavesAWholeGame();
};

void KillSaveTest::killedSaveLeavesAWholeGame_data()
{
    QTest::addColumn<int>("delayUs");
    for (int delayUs : {0, 150, 400, 900, 1700, 3100, 5300, 9700})
        QTest::addRow("killed %d us into the saving", delayUs) << delayUs;
}

void KillSaveTest::killedSaveLeavesAWholeGame()
{
    QFETCH(int, delayUs);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = savedGamePath(folder.path(), QStringLiteral("игра"));
    // The game saved before: a kill before the first save must leave it as it was.
    QCOMPARE(saveGame(writerGame(0), path), QString());

    for (int round = 0; round < 4; ++round) {
        QProcess child;
        child.start(QStringLiteral(SAVEGAME_WRITER), {folder.path(), QStringLiteral("игра")});
        QVERIFY(child.waitForStarted());
        QVERIFY(child.waitForReadyRead());
        QCOMPARE(child.readLine(), QByteArray("saving\n"));
        QThread::usleep(delayUs + 37 * round);
        child.kill(); // SIGKILL
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        QString error;
        const std::optional<GameState> read = readSavedGameFile(path, GameState{}, &error);
        QVERIFY2(read.has_value(), qPrintable(error));
        const int k = read->dayCounter - 10;
        QVERIFY2(k >= 0 && k < WriterGames, qPrintable(QString::number(read->dayCounter)));
        const std::optional<GameState> expected = readSavedGame(encodeSavedGame(writerGame(k), &error),
                                                                GameState{}, &error);
        QVERIFY(expected.has_value());
        QStringList differ;
        for (const SavedField& f : savedFields()) {
            if (!std::visit([&](auto m) { return *read.*m == *expected.*m; }, f.member))
                differ << QString::fromLatin1(f.name);
        }
        QVERIFY2(differ.isEmpty(), qPrintable(QStringLiteral("game %1 differs in ").arg(k) + differ.join(", ")));
    }
}

QTEST_GUILESS_MAIN(KillSaveTest)
#include "tst_killsave.moc"
