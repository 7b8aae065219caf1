// Runs the built trevinor-sav as a player would, on saved games written by the game's code.
#include "saves/SavedGameFile.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <limits>

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run runTool(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(TREVINOR_SAV_PATH), arguments);
    Run run;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

bool isOneLine(const QByteArray& text)
{
    return text.endsWith('\n') && text.count('\n') == 1 && text.size() > 1;
}

// The raw JSON text of one key's value on its line of the dump.
QByteArray rawValue(const QByteArray& dump, const QByteArray& key)
{
    for (const QByteArray& line : dump.split('\n')) {
        const QByteArray start = "  \"" + key + "\": ";
        if (line.startsWith(start)) {
            QByteArray value = line.mid(start.size());
            if (value.endsWith(','))
                value.chop(1);
            return value;
        }
    }
    return {};
}

} // namespace

class TestTrevinorSav : public QObject {
    Q_OBJECT

private slots:
    void init();

    void dumpListsTheSavedFieldsInRecordOrder();
    void dumpWritesEachValueExactly_data();
    void dumpWritesEachValueExactly();
    void checkSaysWhetherTheGameWouldLoadIt_data();
    void checkSaysWhetherTheGameWouldLoadIt();
    void dumpOfRefusedFileFails();
    void wrongUsePrintsUsage_data();
    void wrongUsePrintsUsage();

private:
    QString write(const QByteArray& bytes);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestTrevinorSav::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QString TestTrevinorSav::write(const QByteArray& bytes)
{
    const QString path = savedGamePath(m_dir->path(), QStringLiteral("Вася"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

void TestTrevinorSav::dumpListsTheSavedFieldsInRecordOrder()
{
    GameState game;
    game.dayCounter = 12;
    game.playerName = QStringLiteral("Вася");
    const Run run = runTool({QStringLiteral("dump"), write(encodeSavedGame(game, nullptr))});
    QCOMPARE(run.exitCode, 0);

    QJsonParseError error;
    const QJsonObject object = QJsonDocument::fromJson(run.out, &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(object.size(), SavedRecordCount);

    QStringList keys;
    const QRegularExpression key(QStringLiteral("^  \"(\\w+)\": "),
                                 QRegularExpression::MultilineOption);
    for (auto it = key.globalMatch(QString::fromUtf8(run.out)); it.hasNext();)
        keys << it.next().captured(1);
    QCOMPARE(keys.size(), SavedRecordCount);
    QCOMPARE(keys.mid(0, 4), QStringList({"dayCounter", "playerName", "mood", "statusTitle"}));
    QCOMPARE(keys.mid(106, 3), QStringList({"seniority", "seniorityPerDay", "downloadedParadox"}));
    QCOMPARE(keys.last(), QStringLiteral("passedDbms3"));
    QCOMPARE(object.value("dayCounter").toInt(), 12);
    QCOMPARE(object.value("playerName").toString(), QStringLiteral("Вася"));
}

void TestTrevinorSav::dumpWritesEachValueExactly_data()
{
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("json");

    const auto with = [](void (*set)(GameState&)) {
        GameState game;
        set(game);
        return encodeSavedGame(game, nullptr);
    };
    QTest::newRow("money with a ten-thousandth")
        << QByteArray("money") << with([](GameState& g) { g.money = Currency::fromUnits(5500001); })
        << QByteArray("550.0001");
    QTest::newRow("negative money") << QByteArray("money")
        << with([](GameState& g) { g.money = Currency::fromUnits(-35000); }) << QByteArray("-3.5");
    QTest::newRow("smallest money") << QByteArray("money")
        << with([](GameState& g) { g.money = Currency::fromUnits(std::numeric_limits<int64_t>::min()); })
        << QByteArray("-922337203685477.5808");
    QTest::newRow("mood, shortest float") << QByteArray("mood")
        << with([](GameState& g) { g.mood = 0.1f; }) << QByteArray("0.1");
    QTest::newRow("huge free space") << QByteArray("hddFreeGb")
        << with([](GameState& g) { g.hddFreeGb = 3e38f; }) << QByteArray("3e+38");
    QTest::newRow("flag set") << QByteArray("knowsOffice")
        << with([](GameState& g) { g.knowsOffice = True; }) << QByteArray("-1");
    QTest::newRow("smallest int32") << QByteArray("seniority")
        << with([](GameState& g) { g.seniority = std::numeric_limits<int32_t>::min(); })
        << QByteArray("-2147483648");
    QTest::newRow("uint8 above 127") << QByteArray("seniorityPerDay")
        << with([](GameState& g) { g.seniorityPerDay = 255; }) << QByteArray("255");
    QTest::newRow("Cyrillic text as UTF-8") << QByteArray("statusTitle")
        << with([](GameState& g) { g.statusTitle = QStringLiteral("Умный+"); })
        << QStringLiteral("\"Умный+\"").toUtf8();
    QTest::newRow("quotes, backslash and control characters") << QByteArray("projectName")
        << with([](GameState& g) { g.projectName = QStringLiteral("a\"b\\c\nd\te") + QChar(1) + QChar(0); })
        << QByteArray(R"("a\"b\\c\nd\te\u0001\u0000")");
}

void TestTrevinorSav::dumpWritesEachValueExactly()
{
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, json);
    const Run run = runTool({QStringLiteral("dump"), write(bytes)});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(rawValue(run.out, key), json);

    QJsonParseError error;
    const QJsonObject object = QJsonDocument::fromJson(run.out, &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(object.value(QString::fromLatin1(key)),
             QJsonDocument::fromJson("[" + json + "]").array().first());
}

void TestTrevinorSav::checkSaysWhetherTheGameWouldLoadIt_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("says");

    const QByteArray full = encodeSavedGame(GameState{}, nullptr);
    QByteArray tooLong = full;
    tooLong[SavedRecordSize] = char(127);
    QTest::newRow("saved game") << true << full << 0 << QStringLiteral("ok");
    QTest::newRow("cut after the last value")
        << true << full.left((SavedRecordCount - 1) * SavedRecordSize + 2) << 0 << QStringLiteral("ok");
    QTest::newRow("missing") << false << QByteArray() << 1 << QStringLiteral("не найден");
    QTest::newRow("empty") << true << QByteArray() << 1 << QStringLiteral("файл пуст");
    QTest::newRow("cut short") << true << full.left(2 * SavedRecordSize + 2) << 1
                               << QStringLiteral("обрывается в записи 3 (mood)");
    QTest::newRow("text length 127") << true << tooLong << 1
                                     << QStringLiteral("длина текста 127");
}

void TestTrevinorSav::checkSaysWhetherTheGameWouldLoadIt()
{
    QFETCH(bool, exists);
    QFETCH(QByteArray, bytes);
    QFETCH(int, exitCode);
    QFETCH(QString, says);
    const QString path = exists ? write(bytes) : m_dir->path() + QStringLiteral("/нет.sav");
    const Run run = runTool({QStringLiteral("check"), path});
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(isOneLine(run.out), run.out.constData());
    QVERIFY2(QString::fromUtf8(run.out).contains(says), run.out.constData());
}

void TestTrevinorSav::dumpOfRefusedFileFails()
{
    QByteArray bytes = encodeSavedGame(GameState{}, nullptr);
    bytes.replace(2 * SavedRecordSize, 4, QByteArray::fromHex("0000c07f"));
    const Run run = runTool({QStringLiteral("dump"), write(bytes)});
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(isOneLine(run.err), run.err.constData());
    QVERIFY2(run.err.contains("(mood)"), run.err.constData());
}

void TestTrevinorSav::wrongUsePrintsUsage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("nothing") << QStringList();
    QTest::newRow("dump without a file") << QStringList({"dump"});
    QTest::newRow("check without a file") << QStringList({"check"});
    QTest::newRow("unknown command") << QStringList({"show", "a.sav"});
    QTest::newRow("two files") << QStringList({"dump", "a.sav", "b.sav"});
}

void TestTrevinorSav::wrongUsePrintsUsage()
{
    QFETCH(QStringList, arguments);
    const Run run = runTool(arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(isOneLine(run.err), run.err.constData());
    QVERIFY(run.err.contains("trevinor-sav dump"));
}

QTEST_GUILESS_MAIN(TestTrevinorSav)
#include "tst_trevinor_sav.moc"
