#include "saves/SavedGameFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <type_traits>

namespace {

// A game in full swing: every kind of value, Cyrillic texts, money with kopecks.
GameState sampleGame()
{
    GameState g;
    g.dayCounter = 187;
    g.playerName = QStringLiteral("Вася Пупкин");
    g.mood = 63.5f;
    g.statusTitle = QStringLiteral("Умный");
    g.experience = 23;
    g.jobTitle = QStringLiteral("Безработный, пособие - 1p./день");
    g.money = Currency::fromUnits(12345678);
    g.dailyPay = 20;
    g.hddCapacityGb = 40;
    g.hddFreeGb = 31.25f;
    g.knowsWin98 = g.knowsVb = g.knowsHtml = True;
    g.scoredWin98 = g.scoredVb = g.scoredHtml = True;
    g.installedWinXp = g.installedVb = g.installedAntiKasp = True;
    g.mbGa7va = g.hdd40GbIbm = g.cpuPentium4At1800 = g.ram256Ddr = True;
    g.videoGf4Ti4200 = g.monitorLg500e = g.cdRwLg24 = g.modemNeo56k = True;
    g.antivirusUpdated = True;
    g.seniority = 96;
    g.seniorityPerDay = 2;
    g.downloadedParadox = g.passedDbIntro1 = True;
    g.finishedProjectType = 3;
    g.projectName = QStringLiteral("Бухгалтерия 1.0");
    g.devDaysDone = 4;
    g.developing = True;
    g.devProjectType = 5;
    return g;
}

// Gives every saved field its own value, different for each salt.
void fillSavedFields(GameState& g, int salt)
{
    int i = 0;
    for (const SavedField& field : savedFields()) {
        ++i;
        std::visit([&](auto member) {
            using T = std::remove_cvref_t<decltype(g.*member)>;
            if constexpr (std::is_same_v<T, QString>)
                g.*member = QStringLiteral("Поле %1, игра %2: «ё»").arg(i).arg(salt);
            else if constexpr (std::is_same_v<T, Currency>)
                g.*member = Currency::fromUnits(-5500001LL * salt - i);
            else if constexpr (std::is_same_v<T, float>)
                g.*member = float(salt * 1000 + i) + 0.25f;
            else
                g.*member = T(salt * 31 + i);
        }, field.member);
    }
}

// The fields a saved game does not hold, set to values of their own.
void fillUnsavedFields(GameState& g, int salt)
{
    g.trainingTicks = int16_t(10 + salt);
    g.pendingInstallKey = salt == 1 ? QStringLiteral("PrPhoto") : QStringLiteral("Lin");
    g.virusActive = salt == 1 ? True : False;
    g.mainScreenShown = True;
    g.melody1On = False;
    g.melody2On = True;
    g.colourGradientStart = 0x102030u + uint32_t(salt);
    g.colourText = 0x405060u + uint32_t(salt);
    g.settingsCancelled = g.settingsConfirmed = g.panelsLocked = True;
    g.devWebType = 40 + salt;
    g.devSourceList = salt == 1 ? DevSource::WebList : DevSource::ProjectList;
}

QString valueText(const GameState& g, const SavedField& field)
{
    return std::visit([&](auto member) {
        using T = std::remove_cvref_t<decltype(g.*member)>;
        if constexpr (std::is_same_v<T, QString>)
            return g.*member;
        else if constexpr (std::is_same_v<T, Currency>)
            return (g.*member).toString();
        else
            return QString::number(g.*member);
    }, field.member);
}

void copySavedFields(const GameState& from, GameState& to)
{
    for (const SavedField& field : savedFields())
        std::visit([&](auto member) { to.*member = from.*member; }, field.member);
}

QString& textField(GameState& g, const QString& name)
{
    for (const SavedField& field : savedFields()) {
        if (QLatin1String(field.name) == name)
            return g.*std::get<QString GameState::*>(field.member);
    }
    qFatal("no saved text field %s", qPrintable(name));
}

void putBytes(QByteArray& file, int record, const QByteArray& bytes)
{
    file.replace((record - 1) * SavedRecordSize, bytes.size(), bytes);
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Where each record's value sits, set through the field itself rather than through the
// writer's table, so a row of the table pointing at the wrong field shows up here.
struct RecordCase {
    const char* name;
    int record;
    void (*set)(GameState&);
    const char* hex;
};

#define FLAG_AT(field, record) {#field, record, [](GameState& g) { g.field = True; }, "ffff"}

const RecordCase recordCases[] = {
    {"dayCounter", 1, [](GameState& g) { g.dayCounter = 0x1234; }, "3412"},
    {"playerName", 2, [](GameState& g) { g.playerName = QStringLiteral("Вася"); }, "0400c2e0f1ff"},
    {"mood", 3, [](GameState& g) { g.mood = 99.5f; }, "0000c742"},
    {"statusTitle", 4, [](GameState& g) { g.statusTitle = QStringLiteral("Ламер"); }, "0500cbe0ece5f0"},
    {"experience", 5, [](GameState& g) { g.experience = 65; }, "4100"},
    {"jobTitle", 6, [](GameState& g) { g.jobTitle = QStringLiteral("Ё №"); }, "0300a820b9"},
    {"money", 7, [](GameState& g) { g.money = Currency::fromUnits(5500001); }, "61ec530000000000"},
    {"money", 7, [](GameState& g) { g.money = Currency::fromUnits(-35000); }, "4877ffffffffffff"},
    {"money", 7, [](GameState& g) { g.money = Currency::fromUnits(0x0123456789abLL); }, "ab89674523010000"},
    {"dailyPay", 8, [](GameState& g) { g.dailyPay = -2; }, "feff"},
    {"hddCapacityGb", 9, [](GameState& g) { g.hddCapacityGb = 120; }, "7800"},
    {"hddFreeGb", 10, [](GameState& g) { g.hddFreeGb = -1.5f; }, "0000c0bf"},
    FLAG_AT(knowsWin98, 11), FLAG_AT(knowsVc, 14), FLAG_AT(knowsDelphi, 18),
    FLAG_AT(knowsOffice, 29),
    FLAG_AT(installedWin98, 30), FLAG_AT(installedLonghorn, 34), FLAG_AT(installedOffice, 45),
    FLAG_AT(installedAntiKasp, 48),
    FLAG_AT(mbGa7va, 49), FLAG_AT(mbAlbatron, 53), FLAG_AT(hdd20Gb5400, 54),
    FLAG_AT(hdd120Gb, 60), FLAG_AT(cpuCeleron1200, 61), FLAG_AT(cpuAmdXp2400, 67),
    FLAG_AT(soundCmi8738, 68), FLAG_AT(ram128Sdram, 71), FLAG_AT(videoTnt2M64, 74),
    FLAG_AT(videoGf4Ti4200, 77), FLAG_AT(monitorLg500e, 78), FLAG_AT(cdRomSamsung52, 81),
    FLAG_AT(modemNeo56k, 84), FLAG_AT(modemRadio, 86),
    FLAG_AT(antivirusUpdated, 87), FLAG_AT(scoredWin98, 88), FLAG_AT(scoredOffice, 106),
    {"seniority", 107, [](GameState& g) { g.seniority = -2; }, "feffffff"},
    {"seniorityPerDay", 108, [](GameState& g) { g.seniorityPerDay = 0xab; }, "ab"},
    FLAG_AT(downloadedParadox, 109), FLAG_AT(downloadedDbisam, 110),
    FLAG_AT(downloadedAccess, 111),
    {"finishedProjectType", 112, [](GameState& g) { g.finishedProjectType = 0x01020304; }, "04030201"},
    {"projectName", 113, [](GameState& g) { g.projectName = QStringLiteral("Сайт"); }, "0400d1e0e9f2"},
    {"devDaysDone", 114, [](GameState& g) { g.devDaysDone = 200; }, "c8"},
    FLAG_AT(developing, 115),
    {"devProjectType", 116, [](GameState& g) { g.devProjectType = 14; }, "0e000000"},
    FLAG_AT(passedCourseVbVcFox, 117), FLAG_AT(passedDbIntro1, 118),
    FLAG_AT(passedDbIntro2, 119), FLAG_AT(passedFoxDb1, 120), FLAG_AT(passedFoxDb2, 121),
    FLAG_AT(passedDbms1, 122), FLAG_AT(passedDbms2, 123), FLAG_AT(passedDbms3, 124),
};

#undef FLAG_AT

constexpr int LastValueEnd = (SavedRecordCount - 1) * SavedRecordSize + 2;

} // namespace

class TestSaveGame : public QObject {
    Q_OBJECT

private slots:
    void init();

    void roundTripRestoresEverySavedValueAndKeepsTheRest();

    void recordHoldsItsValueAtItsOffset_data();
    void recordHoldsItsValueAtItsOffset();

    void fileOfUsableLengthLoads_data();
    void fileOfUsableLengthLoads();
    void damagedFileIsRefusedAndGameUntouched_data();
    void damagedFileIsRefusedAndGameUntouched();

    void textAtTheLimitsSaves_data();
    void textAtTheLimitsSaves();
    void textThatCannotBeStoredIsRefusedAndOldFileKept_data();
    void textThatCannotBeStoredIsRefusedAndOldFileKept();
    void textBytesLoadAndSaveBackUnchanged_data();
    void textBytesLoadAndSaveBackUnchanged();
    void saveIntoMissingFolderFailsWithMessage();

    void seedCorpusIsWhatTheWriterMakes();

private:
    QString path(const QString& name) const { return savedGamePath(m_dir->path(), name); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSaveGame::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestSaveGame::roundTripRestoresEverySavedValueAndKeepsTheRest()
{
    GameState saved;
    fillSavedFields(saved, 1);
    fillUnsavedFields(saved, 1);
    GameState loading;
    fillSavedFields(loading, 2);
    fillUnsavedFields(loading, 2);

    QCOMPARE(saveGame(saved, path(QStringLiteral("Вася"))), QString());
    QCOMPARE(QFileInfo(path(QStringLiteral("Вася"))).size(), qint64(SavedGameSize));
    QCOMPARE(loadGame(loading, path(QStringLiteral("Вася"))), QString());

    for (const SavedField& field : savedFields())
        QCOMPARE(valueText(loading, field), valueText(saved, field));
    GameState expected = saved;
    fillUnsavedFields(expected, 2);
    QVERIFY(loading == expected);
}

void TestSaveGame::recordHoldsItsValueAtItsOffset_data()
{
    QTest::addColumn<int>("row");
    for (size_t i = 0; i < std::size(recordCases); ++i)
        QTest::addRow("%s %s", recordCases[i].name, recordCases[i].hex) << int(i);
}

void TestSaveGame::recordHoldsItsValueAtItsOffset()
{
    QFETCH(int, row);
    const RecordCase& c = recordCases[row];
    QCOMPARE(savedFields()[size_t(c.record - 1)].name, c.name);

    GameState game;
    c.set(game);
    QString error;
    const QByteArray bytes = encodeSavedGame(game, &error);
    QCOMPARE(error, QString());

    // Everything but the value is zero: its filler, and every other (zero) record.
    QByteArray expected(SavedGameSize, '\0');
    putBytes(expected, c.record, QByteArray::fromHex(c.hex));
    QCOMPARE(bytes.toHex(), expected.toHex());

    const std::optional<GameState> read = readSavedGame(bytes, GameState{}, &error);
    QVERIFY2(read.has_value(), qPrintable(error));
    QVERIFY(*read == game);
}

void TestSaveGame::fileOfUsableLengthLoads_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("junkFiller");
    QTest::newRow("full length") << SavedGameSize << false;
    QTest::newRow("ends right after the last value") << LastValueEnd << false;
    QTest::newRow("longer, the rest ignored") << SavedGameSize + 1000 << false;
    QTest::newRow("filler not zero") << SavedGameSize << true;
}

void TestSaveGame::fileOfUsableLengthLoads()
{
    QFETCH(int, length);
    QFETCH(bool, junkFiller);
    const GameState sample = sampleGame();
    QByteArray bytes = encodeSavedGame(sample, nullptr);
    bytes.resize(length, '\x5a');
    // No value of the sample reaches byte 40 of its record.
    for (int record = 0; junkFiller && record < SavedRecordCount; ++record)
        bytes.replace(record * SavedRecordSize + 40, SavedRecordSize - 40,
                      QByteArray(SavedRecordSize - 40, '\xa5'));
    QVERIFY(writeAll(path(QStringLiteral("a")), bytes));

    GameState game;
    fillUnsavedFields(game, 1);
    GameState expected = game;
    copySavedFields(sample, expected);
    QCOMPARE(loadGame(game, path(QStringLiteral("a"))), QString());
    QVERIFY(game == expected);
}

void TestSaveGame::damagedFileIsRefusedAndGameUntouched_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");

    const QByteArray full = encodeSavedGame(sampleGame(), nullptr);
    const auto with = [&](int record, const char* hex) {
        QByteArray bytes = full;
        putBytes(bytes, record, QByteArray::fromHex(hex));
        return bytes;
    };

    QTest::newRow("missing") << false << QByteArray() << QStringLiteral("не найден");
    QTest::newRow("empty") << true << QByteArray() << QStringLiteral("файл пуст");
    QTest::newRow("one byte") << true << full.left(1)
                              << QStringLiteral("обрывается в записи 1 (dayCounter)");
    QTest::newRow("cut in the middle") << true << full.left(64 * SavedRecordSize + 1)
                                       << QStringLiteral("обрывается в записи 65 (");
    QTest::newRow("cut inside a text") << true << full.left(SavedRecordSize + 2 + 5)
                                       << QStringLiteral("обрывается в записи 2 (playerName)");
    QTest::newRow("one byte short of the last value")
        << true << full.left(LastValueEnd - 1)
        << QStringLiteral("обрывается в записи 124 (passedDbms3)");
    QTest::newRow("text length 127") << true << with(2, "7f00")
                                     << QStringLiteral("записи 2 (playerName) длина текста 127");
    QTest::newRow("negative text length") << true << with(4, "ffff")
                                          << QStringLiteral("записи 4 (statusTitle) длина текста -1");
    QTest::newRow("most negative text length")
        << true << with(113, "0080") << QStringLiteral("записи 113 (projectName) длина текста -32768");
    QTest::newRow("mood not a number") << true << with(3, "0000c07f")
                                       << QStringLiteral("записи 3 (mood) не число");
    QTest::newRow("infinite free space") << true << with(10, "0000807f")
                                         << QStringLiteral("записи 10 (hddFreeGb) не число");
}

void TestSaveGame::damagedFileIsRefusedAndGameUntouched()
{
    QFETCH(bool, exists);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    const QString file = path(QStringLiteral("Плохая"));
    if (exists)
        QVERIFY(writeAll(file, bytes));

    GameState game = sampleGame();
    fillUnsavedFields(game, 2);
    const GameState before = game;
    ReadRefusal refusal = ReadRefusal::None;
    const QString message = loadGame(game, file, &refusal);
    // A file that is there was read and is no saved game; a missing one is not "damaged".
    QCOMPARE(refusal, exists ? ReadRefusal::NotASavedGame : ReadRefusal::Unreadable);
    QVERIFY2(message.contains(file), qPrintable(message));
    QVERIFY2(message.contains(reason), qPrintable(message));
    QVERIFY(!message.contains(QLatin1Char('\n')));
    QVERIFY(game == before);
}

void TestSaveGame::textAtTheLimitsSaves_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("126 Cyrillic letters")
        << QString(126, QChar(0x44F)) << QByteArray::fromHex("7e00") + QByteArray(126, '\xff');
    QTest::newRow("euro, numero, yo") << QStringLiteral("€№Ё") << QByteArray::fromHex("030088b9a8");
}

void TestSaveGame::textAtTheLimitsSaves()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, stored);
    GameState game;
    game.playerName = text;
    QString error;
    const QByteArray bytes = encodeSavedGame(game, &error);
    QCOMPARE(error, QString());
    QCOMPARE(bytes.mid(SavedRecordSize, stored.size()).toHex(), stored.toHex());
    QCOMPARE(readSavedGame(bytes, GameState{}, nullptr).value().playerName, text);
}

void TestSaveGame::textThatCannotBeStoredIsRefusedAndOldFileKept_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::newRow("127 bytes") << QStringLiteral("playerName") << QString(127, QLatin1Char('a'))
                               << QStringLiteral("«имя игрока» длиннее 126 байт");
    QTest::newRow("128 Cyrillic bytes") << QStringLiteral("projectName") << QString(64, QChar(0x44F)) + QString(64, QChar(0x42F))
                                        << QStringLiteral("«название проекта» длиннее 126 байт");
    QTest::newRow("Chinese") << QStringLiteral("statusTitle") << QStringLiteral("Ламер 中")
                             << QStringLiteral("«статус» есть знаки");
    QTest::newRow("emoji") << QStringLiteral("jobTitle") << QStringLiteral("Программист 😀")
                           << QStringLiteral("«работа» есть знаки");
}

void TestSaveGame::textThatCannotBeStoredIsRefusedAndOldFileKept()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, title);
    const QString file = path(QStringLiteral("Вася"));
    QCOMPARE(saveGame(sampleGame(), file), QString());
    const QByteArray old = readAll(file);

    GameState game = sampleGame();
    textField(game, field) = text;
    QString error;
    QVERIFY(encodeSavedGame(game, &error).isEmpty());
    QVERIFY2(error.contains(title), qPrintable(error));
    const QString message = saveGame(game, file);
    QVERIFY2(message.contains(title), qPrintable(message));
    QCOMPARE(readAll(file), old);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

void TestSaveGame::textBytesLoadAndSaveBackUnchanged_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("decoded");
    QByteArray upper;
    for (int b = 0x80; b < 0x80 + SavedTextMaxBytes; ++b)
        upper += char(b);
    QTest::newRow("undefined 0x98") << QByteArray("\x98") << QString(QChar(0x98));
    const QChar controls[] = {QChar(0), QChar(0x0a), QChar(0x1f), QChar(0x7f)};
    QTest::newRow("control bytes") << QByteArray("\x00\x0a\x1f\x7f", 4) << QString(controls, 4);
    QTest::newRow("upper half") << upper << QString();
}

void TestSaveGame::textBytesLoadAndSaveBackUnchanged()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, decoded);
    QByteArray file = encodeSavedGame(GameState{}, nullptr);
    putBytes(file, 113, QByteArray(1, char(text.size())) + '\0' + text);

    QString error;
    const std::optional<GameState> game = readSavedGame(file, GameState{}, &error);
    QVERIFY2(game.has_value(), qPrintable(error));
    QCOMPARE(game->projectName.size(), text.size());
    if (!decoded.isNull())
        QCOMPARE(game->projectName, decoded);
    QCOMPARE(encodeSavedGame(*game, &error).toHex(), file.toHex());
}

void TestSaveGame::saveIntoMissingFolderFailsWithMessage()
{
    const QString file = m_dir->path() + QStringLiteral("/нет такой папки/Вася.sav");
    const QString message = saveGame(sampleGame(), file);
    QVERIFY2(message.contains(file), qPrintable(message));
    QVERIFY(!QFileInfo::exists(file));
}

// The fuzzer's seeds are a saved game of the sample, full and cut after its last value.
// Run with TREVINOR_WRITE_SEEDS=1 to make them again after the format has changed.
void TestSaveGame::seedCorpusIsWhatTheWriterMakes()
{
    const QString corpus = QFINDTESTDATA("../fuzz/corpus");
    QVERIFY(!corpus.isEmpty());
    const QByteArray full = encodeSavedGame(sampleGame(), nullptr);
    const QList<std::pair<QString, QByteArray>> seeds = {
        {QStringLiteral("sample"), full},
        {QStringLiteral("sample-short"), full.left(LastValueEnd)},
    };
    for (const auto& [name, bytes] : seeds) {
        const QString file = corpus + QLatin1Char('/') + name;
        if (qEnvironmentVariableIsSet("TREVINOR_WRITE_SEEDS"))
            QVERIFY(writeAll(file, bytes));
        QVERIFY2(readAll(file) == bytes, qPrintable(file));
    }
}

QTEST_GUILESS_MAIN(TestSaveGame)
#include "tst_savegame.moc"
