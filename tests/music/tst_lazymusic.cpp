// The game's music player loads the synthesiser's module only when a melody is first asked for,
// from the first folder holding it, once, and stays silent where it cannot.
#include "music/ui/LazyMusicPlayer.h"
#include "music/MusicModule.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString Fake = QStringLiteral(TREVINOR_FAKE_MODULE_DIR);
const QString Europe = QStringLiteral("Europe.mid");

bool processHasLoaded(const char* library)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(library);
}
} // namespace

class LazyMusicTest : public QObject {
    Q_OBJECT
private slots:
    void loadsTheFirstFolderHoldingTheModuleOnFirstPlay_data()
    {
        QTest::addColumn<QStringList>("folders"); // "empty", "text" or the fake module's
        QTest::addColumn<bool>("plays");
        QTest::newRow("no module") << QStringList{"empty"} << false;
        QTest::newRow("a file that is no library") << QStringList{"text"} << false;
        QTest::newRow("after a folder without it") << QStringList{"empty", Fake} << true;
        QTest::newRow("after one that cannot load") << QStringList{"text", Fake} << true;
    }
    void loadsTheFirstFolderHoldingTheModuleOnFirstPlay()
    {
        QFETCH(QStringList, folders);
        QFETCH(bool, plays);
        QTemporaryDir empty, text;
        QFile notALibrary(QDir(text.path()).filePath(MusicModuleFileName));
        QVERIFY(notALibrary.open(QIODevice::WriteOnly) && notALibrary.write("no library\n") > 0);
        folders.replaceInStrings(QRegularExpression("^empty$"), empty.path());
        folders.replaceInStrings(QRegularExpression("^text$"), text.path());

        LazyMusicPlayer player(folders);
        player.stop(Europe); // stopping and asking load nothing
        QVERIFY(!player.isPlaying(Europe) && !player.loaded());
        player.play(Europe);
        QCOMPARE(player.isPlaying(Europe), plays);
        QCOMPARE(player.modulePath(), plays ? QDir(Fake).filePath(MusicModuleFileName) : QString());
        // The melody timers ask every half second: a module that was not there is not sought
        // again, even once it is.
        QVERIFY(QFile::copy(QDir(Fake).filePath(MusicModuleFileName),
                            QDir(empty.path()).filePath(MusicModuleFileName)));
        player.play(Europe);
        QCOMPARE(player.loaded(), plays);
        player.stop(Europe);
        QVERIFY(!player.isPlaying(Europe));
    }

    void theGamesModuleBringsTheSynthesiserWithTheFirstMelody()
    {
        // From a build tree's bin/, as the game runs there; the installed game's library
        // folder comes first.
        const QStringList folders =
            musicModuleFolders(QStringLiteral(TREVINOR_BIN_DIR), QStringLiteral("../lib/trevinor"));
        QCOMPARE(folders.first(), QDir::cleanPath(TREVINOR_BIN_DIR "/../lib/trevinor"));
        LazyMusicPlayer player(folders);
        QVERIFY(!processHasLoaded("libfluidsynth"));
        player.play(QStringLiteral("no-such-melody.mid")); // silence, also without a device
        QCOMPARE(QFileInfo(player.modulePath()).canonicalFilePath(),
                 QFileInfo(QStringLiteral(TREVINOR_MODULE)).canonicalFilePath());
        QVERIFY(processHasLoaded("libfluidsynth"));
    }
};

QTEST_MAIN(LazyMusicTest)
#include "tst_lazymusic.moc"
