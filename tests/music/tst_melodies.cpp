// The game's three melodies and the player that sounds them with fluidsynth.
#include "music/FluidSynthPlayer.h"

#include <QtTest>

#include <map>
#include <memory>
#include <semaphore>

namespace {
const QString MusicFolder = QStringLiteral(TREVINOR_MUSIC_DIR);

// What a Standard MIDI File holds, as far as the game cares.
struct MidiSummary {
    QString error;
    int format = -1, tracks = 0, division = 0;
    uint32_t endTick = 0;       // the same for every track
    double seconds = 0;         // at the file's tempo
    int notes = 0, unmatched = 0, beatsPerBar = 4;
};

uint32_t bigEndian(const QByteArray& b, qsizetype at, int bytes)
{
    uint32_t v = 0;
    for (int i = 0; i < bytes; ++i)
        v = v << 8 | uint8_t(b[at + i]);
    return v;
}

MidiSummary summarise(const QByteArray& bytes)
{
    MidiSummary s;
    if (bytes.size() < 14 || !bytes.startsWith("MThd") || bigEndian(bytes, 4, 4) != 6)
        return s.error = "no header", s;
    s.format = int(bigEndian(bytes, 8, 2));
    const int declared = int(bigEndian(bytes, 10, 2));
    s.division = int(bigEndian(bytes, 12, 2));
    uint32_t tempo = 500000;
    std::optional<uint32_t> end;
    qsizetype at = 14;
    while (at < bytes.size()) {
        if (at + 8 > bytes.size() || bytes.mid(at, 4) != "MTrk")
            return s.error = "broken chunk", s;
        const qsizetype length = bigEndian(bytes, at + 4, 4);
        const qsizetype stop = at + 8 + length;
        if (stop > bytes.size())
            return s.error = "chunk past the end", s;
        ++s.tracks;
        qsizetype p = at + 8;
        uint32_t tick = 0;
        uint8_t status = 0;
        bool ended = false;
        std::map<int, int> sounding;
        auto vlq = [&] {
            uint32_t v = 0;
            for (int i = 0; i < 4 && p < stop; ++i) {
                const uint8_t b = uint8_t(bytes[p++]);
                v = v << 7 | (b & 0x7F);
                if (!(b & 0x80))
                    break;
            }
            return v;
        };
        while (p < stop && !ended) {
            tick += vlq();
            if (uint8_t(bytes[p]) & 0x80)
                status = uint8_t(bytes[p++]);
            if (status == 0xFF) {
                const uint8_t type = uint8_t(bytes[p++]);
                const uint32_t len = vlq();
                if (type == 0x51)
                    tempo = bigEndian(bytes, p, 3);
                if (type == 0x58)
                    s.beatsPerBar = uint8_t(bytes[p]);
                ended = type == 0x2F;
                p += len;
            } else if ((status & 0xF0) == 0x90 || (status & 0xF0) == 0x80) {
                const int key = (status & 0x0F) << 8 | uint8_t(bytes[p]);
                const bool on = (status & 0xF0) == 0x90 && bytes[p + 1] != 0;
                p += 2;
                if (on) {
                    ++sounding[key];
                    ++s.notes;
                } else if (sounding[key]-- <= 0) {
                    ++s.unmatched;
                }
            } else {
                p += (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0 ? 1 : 2;
            }
        }
        if (!ended || p != stop)
            return s.error = "track without its end", s;
        for (const auto& [key, count] : sounding)
            s.unmatched += std::abs(count);
        if (end && *end != tick)
            return s.error = "tracks of different lengths", s;
        end = tick;
        at = stop;
    }
    if (s.tracks != declared)
        return s.error = "track count", s;
    s.endTick = end.value_or(0);
    s.seconds = double(s.endTick) / s.division * tempo / 1e6;
    return s;
}

// A sound font's header is all the player looks at before it loads the font.
QString fontHeader(const QTemporaryDir& dir)
{
    QFile font(dir.filePath("font.sf2"));
    font.open(QIODevice::WriteOnly);
    font.write(QByteArray("RIFF\0\0\0\0sfbk", 12));
    QFile::copy(MusicFolder + "/tn.mid", dir.filePath("tn.mid"));
    return font.fileName();
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class MelodiesTest : public QObject {
    Q_OBJECT

private slots:
    void theGeneratorWritesTheFilesTheGameShips();
    void melodiesAreSoundMidiFiles_data();
    void melodiesAreSoundMidiFiles();

    void missingSoundIsSilence_data();
    void missingSoundIsSilence();
    void aMelodyPlaysOnTheAudioThreadUntilStopped();
    void aFontStillLoadingHoldsNothingUp_data();
    void aFontStillLoadingHoldsNothingUp();
    void aMissingOutputIsTriedAgainNowAndThen_data();
    void aMissingOutputIsTriedAgainNowAndThen();
};

void MelodiesTest::theGeneratorWritesTheFilesTheGameShips()
{
    QTemporaryDir out;
    QCOMPARE(QProcess::execute(QStringLiteral(TREVINOR_MAKE_MELODIES), {out.path()}), 0);
    for (const Melody& m : melodies) {
        const QString name = QString::fromLatin1(m.fileName);
        const QByteArray made = fileBytes(out.filePath(name));
        QVERIFY2(!made.isEmpty(), qPrintable(name));
        QVERIFY2(made == fileBytes(MusicFolder + "/" + name),
                 qPrintable(name + " differs from the generator's output: run make-melodies"));
    }
}

void MelodiesTest::melodiesAreSoundMidiFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("beatsPerBar");
    QTest::newRow("Europe.mid") << "Europe.mid" << 4;
    QTest::newRow("vys.mid") << "vys.mid" << 3;
    QTest::newRow("tn.mid") << "tn.mid" << 4;
}

void MelodiesTest::melodiesAreSoundMidiFiles()
{
    QFETCH(QString, file);
    QFETCH(int, beatsPerBar);
    const MidiSummary s = summarise(fileBytes(MusicFolder + "/" + file));
    QVERIFY2(s.error.isEmpty(), qPrintable(s.error));
    QCOMPARE(s.format, 1);
    QVERIFY(s.tracks >= 4);
    QCOMPARE(s.beatsPerBar, beatsPerBar);
    QCOMPARE(s.unmatched, 0); // every note that starts also ends
    QVERIFY(s.notes > 150);
    // It loops without a stumble: the end falls on a bar line.
    QCOMPARE(s.endTick % uint32_t(s.division * s.beatsPerBar), 0u);
    QVERIFY2(s.seconds > 40 && s.seconds < 180, qPrintable(QString::number(s.seconds)));
}

void MelodiesTest::missingSoundIsSilence_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("soundFonts");
    QTest::addColumn<QStringList>("drivers");
    QTest::addColumn<bool>("available");
    QTest::newRow("no such file") << "missing.mid" << QStringList{} << QStringList{"file"} << true;
    QTest::newRow("not a MIDI file") << "notmidi.mid" << QStringList{} << QStringList{"file"} << true;
    QTest::newRow("no sound font") << "tn.mid" << QStringList{"/nonexistent.sf2"} << QStringList{"file"} << false;
    QTest::newRow("no audio output") << "tn.mid" << QStringList{} << QStringList{"no-such-driver"} << false;
}

void MelodiesTest::missingSoundIsSilence()
{
    QFETCH(QString, file);
    QFETCH(QStringList, soundFonts);
    QFETCH(QStringList, drivers);
    QFETCH(bool, available);
    QTemporaryDir dir;
    QFile notMidi(dir.filePath("notmidi.mid"));
    QVERIFY(notMidi.open(QIODevice::WriteOnly));
    notMidi.write("MThd but not really");
    notMidi.close();
    QFile::copy(MusicFolder + "/tn.mid", dir.filePath("tn.mid"));

    FluidSynthPlayer player({{dir.path()}, soundFonts, drivers, dir.filePath("out.raw")});
    player.play(file);
    QVERIFY(!player.isPlaying(file));
    QCOMPARE(player.available(), available);
    player.play(file); // asked again, as a timer does: still silent, no error
    player.stop(file);
    QVERIFY(!player.isPlaying(file));
}

void MelodiesTest::aMelodyPlaysOnTheAudioThreadUntilStopped()
{
    QTemporaryDir dir;
    const QString out = dir.filePath("out.raw");
    FluidSynthPlayer player({{MusicFolder}, {}, {"file"}, out});
    player.play("vys.mid");
    if (!player.available())
        QSKIP("no General MIDI sound font installed");
    QTRY_VERIFY(player.isPlaying("vys.mid")); // once its sound font has loaded
    QVERIFY(!player.isPlaying("tn.mid"));
    // The sound is rendered without the game's thread doing anything.
    QTRY_VERIFY(QFileInfo(out).size() > 88200); // half a second of 16-bit stereo
    player.play("vys.mid"); // asked again while playing: it goes on
    QVERIFY(player.isPlaying("vys.mid"));
    player.stop("vys.mid");
    QVERIFY(!player.isPlaying("vys.mid"));

    // And it is heard: the samples are not silence.
    const QByteArray raw = fileBytes(out);
    int loudest = 0;
    for (qsizetype i = 0; i + 1 < raw.size(); i += 2)
        loudest = std::max(loudest, std::abs(int(int16_t(uint8_t(raw[i]) | uint8_t(raw[i + 1]) << 8))));
    QVERIFY2(loudest > 1000, qPrintable(QString::number(loudest)));
}

void MelodiesTest::aFontStillLoadingHoldsNothingUp_data()
{
    QTest::addColumn<bool>("quit");
    QTest::newRow("melody stopped") << false;
    QTest::newRow("game quit") << true;
}

void MelodiesTest::aFontStillLoadingHoldsNothingUp()
{
    QFETCH(bool, quit);
    QTemporaryDir dir;
    // A slow disk: the font is read only once the test answers (or after ten seconds).
    auto answer = std::make_shared<std::binary_semaphore>(0);
    auto reading = std::make_shared<std::atomic<bool>>(false);
    auto player = std::make_unique<FluidSynthPlayer>(FluidSynthPlayer::Options{
        {dir.path()}, {fontHeader(dir)}, {"file"}, dir.filePath("out.raw"), {}, [answer, reading] {
            *reading = true;
            answer->try_acquire_for(std::chrono::seconds(10));
            *reading = false;
        }});
    player->play("tn.mid");
    QTRY_VERIFY(*reading);
    quit ? player.reset() : player->stop("tn.mid");
    QVERIFY(*reading); // back at once, the font still loading
    QCOMPARE(FluidSynthPlayer::fontsLoading(), 1);
    answer->release();
    QTRY_COMPARE(FluidSynthPlayer::fontsLoading(), 0); // its thread ends, the melody freed
    QVERIFY(quit || !player->isPlaying("tn.mid"));
}

void MelodiesTest::aMissingOutputIsTriedAgainNowAndThen_data()
{
    QTest::addColumn<int>("secondsLater");
    QTest::addColumn<bool>("available");
    QTest::newRow("not tried before ten seconds") << 9 << false;
    QTest::newRow("tried ten seconds later") << 10 << true;
}

void MelodiesTest::aMissingOutputIsTriedAgainNowAndThen()
{
    QFETCH(int, secondsLater);
    QFETCH(bool, available);
    QTemporaryDir dir;
    auto now = std::chrono::steady_clock::now();
    // The output goes into a folder that is not there yet, as a sound server not yet started.
    FluidSynthPlayer player({{dir.path()}, {fontHeader(dir)}, {"file"}, dir.filePath("later/out.raw"),
                             [&now] { return now; }});
    player.play("tn.mid");
    QVERIFY(!player.available());
    QVERIFY(QDir(dir.path()).mkdir("later"));
    now += std::chrono::seconds(secondsLater);
    player.play("tn.mid");
    QCOMPARE(player.available(), available);
}

QTEST_GUILESS_MAIN(MelodiesTest)
#include "tst_melodies.moc"
