// Which melodies the flags start and stop when the main screen loads, and where the melody
// files are found; through a player that only remembers what it was asked.
#include "FakeMusicPlayer.h"

#include "music/Music.h"

#include <QtTest>

using Flags = std::array<Flag, 3>;
Q_DECLARE_METATYPE(Flags)

namespace {
GameState withMelodies(const Flags& flags)
{
    GameState g;
    g.melody1On = flags[0];
    g.melody2On = flags[1];
    g.melody3On = flags[2];
    return g;
}

QSet<QString> set(const QStringList& list)
{
    return QSet<QString>(list.begin(), list.end());
}
} // namespace

class MusicTest : public QObject {
    Q_OBJECT

private slots:
    void flagsStartAndStopTheMelodies_data();
    void flagsStartAndStopTheMelodies();
    void musicOffAsksNothingOfThePlayer();
    void aFinishedMelodyStartsAgainOnItsTick();
    void ticksOfTimersThatAreOffPlayNothing();

    void melodyFilesAreLookedForInOrder_data();
    void melodyFilesAreLookedForInOrder();
    void onlyWholeMidiFilesArePlayed_data();
    void onlyWholeMidiFilesArePlayed();
    void aRefusedFileIsReadAgainOnlyOnceItChanges_data();
    void aRefusedFileIsReadAgainOnlyOnceItChanges();
};

void MusicTest::flagsStartAndStopTheMelodies_data()
{
    QTest::addColumn<Flags>("first");  // flags at the first load of the main screen
    QTest::addColumn<Flags>("second"); // at a later load
    QTest::addColumn<QStringList>("playing");
    QTest::addColumn<QStringList>("stopped");
    QTest::addColumn<int>("europeStarts");
    QTest::newRow("only the first") << Flags{True, False, False} << Flags{True, False, False}
                                    << QStringList{"Europe.mid"} << QStringList{} << 1;
    QTest::newRow("menu's first and the chosen second play together")
        << Flags{True, True, False} << Flags{True, True, False}
        << QStringList{"Europe.mid", "vys.mid"} << QStringList{} << 1;
    QTest::newRow("switched to the third")
        << Flags{True, False, False} << Flags{False, False, True}
        << QStringList{"tn.mid"} << QStringList{"stop Europe.mid"} << 1;
    QTest::newRow("no melodies after Да") << Flags{True, False, False} << Flags{False, False, False}
                                          << QStringList{} << QStringList{"stop Europe.mid"} << 1;
    QTest::newRow("a value neither -1 nor 0 leaves the timer")
        << Flags{True, False, False} << Flags{1, 1, False}
        << QStringList{"Europe.mid"} << QStringList{} << 1;
    QTest::newRow("all three") << Flags{True, True, True} << Flags{True, True, True}
                               << QStringList{"Europe.mid", "vys.mid", "tn.mid"} << QStringList{} << 1;
}

void MusicTest::flagsStartAndStopTheMelodies()
{
    QFETCH(Flags, first);
    QFETCH(Flags, second);
    QFETCH(QStringList, playing);
    QFETCH(QStringList, stopped);
    QFETCH(int, europeStarts);
    FakeMusicPlayer player;
    MelodyTimers timers(player);
    timers.mainScreenLoad(withMelodies(first));
    player.requests.clear();
    timers.mainScreenLoad(withMelodies(second));

    QCOMPARE(player.playing, set(playing));
    QStringList stops = player.requests.filter(QStringLiteral("stop "));
    QCOMPARE(stops, stopped);
    // A melody that was playing goes on: it is never started from the beginning again.
    QCOMPARE(player.starts.value(QStringLiteral("Europe.mid")), europeStarts);
    for (size_t i = 0; i < melodies.size(); ++i)
        QCOMPARE(timers.isOn(i), player.isPlaying(QString::fromLatin1(melodies[i].fileName)));
}

void MusicTest::musicOffAsksNothingOfThePlayer()
{
    FakeMusicPlayer player;
    MelodyTimers timers(player);
    timers.mainScreenLoad(withMelodies({False, False, False}));
    for (size_t i = 0; i < melodies.size(); ++i)
        timers.tick(i);
    QCOMPARE(player.requests, QStringList());
}

void MusicTest::aFinishedMelodyStartsAgainOnItsTick()
{
    FakeMusicPlayer player;
    MelodyTimers timers(player);
    timers.mainScreenLoad(withMelodies({False, True, False}));
    timers.tick(1);
    QCOMPARE(player.starts.value("vys.mid"), 1); // still playing: goes on
    player.finish("vys.mid");
    timers.tick(1);
    QVERIFY(player.isPlaying("vys.mid"));
    QCOMPARE(player.starts.value("vys.mid"), 2);
}

void MusicTest::ticksOfTimersThatAreOffPlayNothing()
{
    FakeMusicPlayer player;
    MelodyTimers timers(player);
    timers.mainScreenLoad(withMelodies({True, False, False}));
    player.requests.clear();
    timers.tick(0);
    timers.tick(2);
    QCOMPARE(player.requests, QStringList{"play Europe.mid"});
}

void MusicTest::melodyFilesAreLookedForInOrder_data()
{
    QTest::addColumn<QStringList>("holding"); // which folders have the file
    QTest::addColumn<QString>("found");
    QTest::newRow("current folder first") << QStringList{"cwd", "bin", "share/trevinor", "data"} << "cwd";
    QTest::newRow("beside the program") << QStringList{"bin", "share/trevinor", "data"} << "bin";
    QTest::newRow("installed data folder") << QStringList{"share/trevinor", "data"} << "share/trevinor";
    QTest::newRow("system data folder") << QStringList{"data"} << "data";
    QTest::newRow("nowhere") << QStringList{} << "";
}

void MusicTest::melodyFilesAreLookedForInOrder()
{
    QFETCH(QStringList, holding);
    QFETCH(QString, found);
    QTemporaryDir root;
    const QDir dir(root.path());
    for (const char* sub : {"cwd", "bin", "share/trevinor", "data"})
        dir.mkpath(sub);
    for (const QString& sub : holding) {
        QFile f(dir.filePath(sub + "/tn.mid"));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    dir.mkpath("cwd/vys.mid"); // a folder by that name is no melody
    const QStringList folders =
        melodyFolders(dir.filePath("cwd"), dir.filePath("bin"), {dir.filePath("data")});
    QCOMPARE(findMelodyFile("tn.mid", folders), found.isEmpty() ? QString() : dir.filePath(found + "/tn.mid"));
    QCOMPARE(findMelodyFile("vys.mid", folders), QString());
}

namespace {
QByteArray header(int tracks, int length = 6)
{
    QByteArray h = QByteArray::fromHex("4d546864");
    h += QByteArray::fromHex(QByteArray::number(length, 16).rightJustified(8, '0'));
    h += QByteArray::fromHex("0001") + char(0) + char(tracks) + QByteArray::fromHex("01e0");
    return h;
}

QByteArray chunk(const char* type, const QByteArray& body)
{
    return QByteArray(type) + QByteArray::fromHex(QByteArray::number(body.size(), 16).rightJustified(8, '0')) + body;
}

// A middle C for a quarter note, then the end of the track.
const QByteArray noteTrack = QByteArray::fromHex("00903c40" "8360803c00" "00ff2f00");
} // namespace

void MusicTest::onlyWholeMidiFilesArePlayed_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("playable");
    const QByteArray good = header(1) + chunk("MTrk", noteTrack);
    QTest::newRow("one track") << good << true;
    QTest::newRow("two tracks") << header(2) + chunk("MTrk", noteTrack) + chunk("MTrk", noteTrack) << true;
    QTest::newRow("running status") << header(1) + chunk("MTrk", QByteArray::fromHex("00903c40" "00" "3e40" "8360" "3c00" "00" "3e00" "00ff2f00")) << true;
    QTest::newRow("unknown chunk passed over") << header(1) + chunk("XFIH", "abc") + chunk("MTrk", noteTrack) << true;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("header only") << header(1) << false;
    QTest::newRow("cut off in the track") << good.left(good.size() - 2) << false;
    QTest::newRow("header of another length") << header(1, 8) + QByteArray(2, 0) + chunk("MTrk", noteTrack) << false;
    QTest::newRow("fewer tracks than declared") << header(2) + chunk("MTrk", noteTrack) << false;
    QTest::newRow("no tracks at all") << header(0) << false;
    QTest::newRow("track without its end") << header(1) + chunk("MTrk", QByteArray::fromHex("00903c40")) << false;
    QTest::newRow("events after the end") << header(1) + chunk("MTrk", noteTrack + QByteArray::fromHex("00903c40")) << false;
    QTest::newRow("data byte with its top bit") << header(1) + chunk("MTrk", QByteArray::fromHex("0090bc40" "00ff2f00")) << false;
    QTest::newRow("data before any status") << header(1) + chunk("MTrk", QByteArray::fromHex("003c40" "00ff2f00")) << false;
    QTest::newRow("meta longer than its track") << header(1) + chunk("MTrk", QByteArray::fromHex("00ff0340" "00ff2f00")) << false;
    QTest::newRow("chunk longer than the file") << good.left(18) + QByteArray::fromHex("7fffffff") + noteTrack << false;
    QTest::newRow("a delta of five bytes") << header(1) + chunk("MTrk", QByteArray::fromHex("8181818101" "903c40" "00ff2f00")) << false;
}

void MusicTest::onlyWholeMidiFilesArePlayed()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, playable);
    QCOMPARE(isPlayableMidi(bytes), playable);
}

void MusicTest::aRefusedFileIsReadAgainOnlyOnceItChanges_data()
{
    QTest::addColumn<QByteArray>("extraChunk");
    QTest::addColumn<int>("secondsLater");
    QTest::addColumn<bool>("readAgain");
    QTest::newRow("same size and time") << QByteArray() << 0 << false;
    QTest::newRow("written again later") << QByteArray() << 2 << true;
    QTest::newRow("another size") << QByteArray("XFIH\0\0\0\0", 8) << 0 << true;
}

void MusicTest::aRefusedFileIsReadAgainOnlyOnceItChanges()
{
    QFETCH(QByteArray, extraChunk);
    QFETCH(int, secondsLater);
    QFETCH(bool, readAgain);
    const QByteArray good = header(1) + chunk("MTrk", noteTrack);
    QTemporaryDir dir;
    QFile file(dir.filePath("tn.mid"));
    const QDateTime time = QDateTime::currentDateTime().addSecs(-60);
    auto write = [&](const QByteArray& bytes, const QDateTime& modified) {
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush());
        QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
        file.close();
    };
    write(good.left(good.size() - 1) + '\1', time); // the end of its track is cut wrong
    MelodyFiles files;
    QVERIFY(files.read(file.fileName()).isEmpty());
    // Mended behind the player's back: it is read again only when its size or time tells.
    write(good + extraChunk, time.addSecs(secondsLater));
    QCOMPARE(!files.read(file.fileName()).isEmpty(), readAgain);
}

QTEST_GUILESS_MAIN(MusicTest)
#include "tst_music.moc"
