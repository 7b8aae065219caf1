// The game's music player loads the synthesiser's module only when a melody is first asked for,
// from the first folder holding it, and stays silent where it cannot.
#include "music/LazyMusicPlayer.h"
#include "music/MusicModule.h"

#include <QDir>
#include <QFile>
#include <QLibrary>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString FirstMelody = QStringLiteral("Europe.mid");

bool processHasLoaded(const QString& library)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(library.toUtf8());
}

int fakePlayersMade()
{
    QLibrary fake(QDir(QStringLiteral(TREVINOR_FAKE_MODULE_DIR)).filePath(MusicModuleFileName));
    const auto made = reinterpret_cast<int (*)()>(fake.resolve("fakeMusicModulePlayersMade"));
    return made ? made() : -1;
}
} // namespace

class LazyMusicTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_empty.isValid() && m_notALibrary.isValid());
        QFile text(QDir(m_notALibrary.path()).filePath(MusicModuleFileName));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("no library\n");
    }

    void loadsTheFirstFolderHoldingTheModuleOnFirstPlay_data()
    {
        QTest::addColumn<QStringList>("folders"); // empty, text or fake, in order
        QTest::addColumn<bool>("plays");
        QTest::newRow("no folders") << QStringList{} << false;
        QTest::newRow("no module") << QStringList{"empty"} << false;
        QTest::newRow("a file that is no library") << QStringList{"text"} << false;
        QTest::newRow("after a folder without it") << QStringList{"empty", "fake"} << true;
        QTest::newRow("after one that cannot load") << QStringList{"text", "fake"} << true;
    }
    void loadsTheFirstFolderHoldingTheModuleOnFirstPlay()
    {
        QFETCH(QStringList, folders);
        QFETCH(bool, plays);
        const QString fake = QStringLiteral(TREVINOR_FAKE_MODULE_DIR);
        for (QString& folder : folders)
            folder = folder == "empty" ? m_empty.path()
                   : folder == "text"  ? m_notALibrary.path()
                                       : fake;
        LazyMusicPlayer player(folders);
        // Stopping and asking load nothing.
        player.stop(FirstMelody);
        QVERIFY(!player.isPlaying(FirstMelody));
        QVERIFY(!player.loaded());

        player.play(FirstMelody);
        QCOMPARE(player.loaded(), plays);
        QCOMPARE(player.isPlaying(FirstMelody), plays);
        QCOMPARE(player.modulePath(), plays ? QDir(fake).filePath(MusicModuleFileName) : QString());
        player.stop(FirstMelody);
        QVERIFY(!player.isPlaying(FirstMelody));
    }

    void looksForTheModuleOnce()
    {
        // The melody timers ask again and again: neither the module nor its absence is sought
        // anew each time.
        const int madeBefore = fakePlayersMade();
        LazyMusicPlayer found({QStringLiteral(TREVINOR_FAKE_MODULE_DIR)});
        for (const char* melody : {"Europe.mid", "vys.mid", "Europe.mid", "tn.mid"})
            found.play(QLatin1String(melody));
        QVERIFY(found.isPlaying(QStringLiteral("vys.mid")));
        QCOMPARE(fakePlayersMade(), madeBefore + 1);

        QTemporaryDir later;
        LazyMusicPlayer missing({later.path()});
        missing.play(FirstMelody);
        QVERIFY(QFile::copy(QDir(QStringLiteral(TREVINOR_FAKE_MODULE_DIR)).filePath(MusicModuleFileName),
                            QDir(later.path()).filePath(MusicModuleFileName)));
        missing.play(FirstMelody);
        QVERIFY(!missing.loaded());
        QVERIFY(!missing.isPlaying(FirstMelody));
    }

    void theGamesModuleBringsTheSynthesiserWithTheFirstMelody()
    {
        // From a build tree's bin/, as the game runs there.
        LazyMusicPlayer player(musicModuleFolders(QStringLiteral(TREVINOR_BIN_DIR),
                                                  QStringLiteral("../lib/trevinor")));
        QVERIFY(!processHasLoaded(QStringLiteral("libfluidsynth")));
        player.play(QStringLiteral("no-such-melody.mid")); // silence, without any sound device
        QVERIFY(player.loaded());
        QCOMPARE(QFileInfo(player.modulePath()).canonicalFilePath(),
                 QFileInfo(QStringLiteral(TREVINOR_MODULE)).canonicalFilePath());
        QVERIFY(processHasLoaded(QStringLiteral("libfluidsynth")));
        QVERIFY(!player.isPlaying(QStringLiteral("no-such-melody.mid")));
    }

    void looksInThePrivateLibraryFolderFirst_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("library");
        QTest::addColumn<QStringList>("folders");
        QTest::newRow("installed under a prefix")
            << "/opt/t/bin" << "../lib/trevinor"
            << QStringList{"/opt/t/lib/trevinor", "/opt/t/bin", "/opt/t/lib"};
        QTest::newRow("Debian's games folder")
            << "/usr/games" << "../lib/x86_64-linux-gnu/trevinor"
            << QStringList{"/usr/lib/x86_64-linux-gnu/trevinor", "/usr/games", "/usr/lib"};
        QTest::newRow("libraries beside the program")
            << "/b/bin" << "." << QStringList{"/b/bin", "/b/lib"};
    }
    void looksInThePrivateLibraryFolderFirst()
    {
        QFETCH(QString, program);
        QFETCH(QString, library);
        QFETCH(QStringList, folders);
        QCOMPARE(musicModuleFolders(program, library), folders);
    }

private:
    QTemporaryDir m_empty;
    QTemporaryDir m_notALibrary;
};

QTEST_MAIN(LazyMusicTest)
#include "tst_lazymusic.moc"
