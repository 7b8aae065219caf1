// Where saved games live, which names may be saved, and what saving and loading answer when
// something is wrong: nothing already there is lost and the running game stays as it was.
#include "SaveTestSupport.h"

#include "saves/SavedGameFile.h"
#include "saves/SaveFolder.h"
#include "world/NewGame.h"

#include <QtTest>


namespace {
GameState playedGame(const QString& name = QStringLiteral("Вася"))
{
    GameState g;
    g.playerName = name;
    newGame(g);
    g.dayCounter = 41;
    g.money = Currency::fromUnits(12345678);
    g.knowsVb = True;
    g.hdd120Gb = True;
    g.hddCapacityGb = 120;
    g.hddFreeGb = 99.5f;
    g.projectName = QStringLiteral("Калькулятор");
    return g;
}

} // namespace

class SavedGamesTest : public QObject {
    Q_OBJECT

private slots:
    void init();

    void namesThatCannotBeSaved_data();
    void namesThatCannotBeSaved();
    void aPathLongerThanTheFileSystemAllowsIsRefused();

    void savesGoToTheDataFolderWhereverTheProgramRuns();
    void oldSavesBesideTheProgramAreCopiedOnce_data();
    void oldSavesBesideTheProgramAreCopiedOnce();
    void theDataFolderIsCreatedWithTheFirstSave();
    void dialogsListOnlySavedGames();
    void aListedFileGivesItsNameWithoutTheExtension_data();
    void aListedFileGivesItsNameWithoutTheExtension();

    void aSavedGameLoadsBackFromTheList();
    void savingReplacesAFileOfTheSameName();
    void failedSavesKeepThePreviousFile_data();
    void failedSavesKeepThePreviousFile();
    void anUncreatableFolderIsReported();


private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void SavedGamesTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void SavedGamesTest::namesThatCannotBeSaved_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("named"); // what the warning names; empty: the name is fine
    const QString cyrillic125(125, QChar(0x0416)); // 250 bytes, 254 with ".sav"
    QTest::newRow("plain") << "Игра 1" << "";
    QTest::newRow("empty") << "" << "введите имя игры";
    QTest::newRow("blanks") << "   " << "";
    QTest::newRow("one dot") << "v1.2" << "";
    QTest::newRow("251 bytes, 255 with .sav") << QString(251, QLatin1Char('a')) << "";
    QTest::newRow("125 Cyrillic letters") << cyrillic125 << "";
    QTest::newRow("slash") << "saves/game" << "«/»";
    QTest::newRow("backslash") << "C:\\game" << "";
    QTest::newRow("two dots inside") << "Игра..1" << "";
    QTest::newRow("two dots ahead") << "..a" << "";
    QTest::newRow("leading slash") << "/etc/passwd" << "«/»";
    QTest::newRow("one dot alone") << "." << "«.»";
    QTest::newRow("two dots alone") << ".." << "«..»";
    QTest::newRow("NUL") << QString(QChar(0)) + "a" << "управляющий символ (код 0)";
    QTest::newRow("tab") << "a\tb" << "управляющий символ (код 9)";
    QTest::newRow("line break") << "a\nb" << "управляющий символ (код 10)";
    QTest::newRow("delete") << QStringLiteral("a\x7f") << "управляющий символ (код 127)";
    QTest::newRow("C1 control") << QString(QChar(0x85)) << "управляющий символ (код 133)";
    QTest::newRow("252 bytes") << QString(252, QLatin1Char('a')) << "256 байт";
    QTest::newRow("126 Cyrillic letters") << cyrillic125 + QChar(0x0416) << "256 байт";
}

void SavedGamesTest::namesThatCannotBeSaved()
{
    QFETCH(QString, name);
    QFETCH(QString, named);
    const auto problem = saveNameProblem(name, m_dir->path(), FileNameLimits{255, 4096});
    QCOMPARE(problem.has_value(), !named.isEmpty());
    if (!problem)
        return;
    QVERIFY2(problem->text.contains(named), qPrintable(problem->text));
    QCOMPARE(problem->caption, QStringLiteral("Предупреждение"));
    QCOMPARE(problem->icon, Message::Icon::Exclamation);

    // Nothing is written for a refused name.
    FixedFolder folder(m_dir->path());
    QCOMPARE(saveToFolder(playedGame(), folder, name, FileNameLimits{255, 4096}), problem);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList());
}

void SavedGamesTest::aPathLongerThanTheFileSystemAllowsIsRefused()
{
    const QString folder = m_dir->path();
    const int pathBytes = int(QFile::encodeName(folder + "/abc.sav").size());
    QVERIFY(!saveNameProblem("abc", folder, {255, pathBytes + 1}));
    const auto problem = saveNameProblem("abc", folder, {255, pathBytes});
    QVERIFY(problem);
    QVERIFY(problem->text.contains(QStringLiteral("путь")));
    // The system's own limits are found, also for a folder that does not exist yet.
    const FileNameLimits limits = fileNameLimits(folder + "/not/yet");
    QVERIFY(limits.nameBytes >= 14);
    QVERIFY(limits.pathBytes >= 256);
}

void SavedGamesTest::savesGoToTheDataFolderWhereverTheProgramRuns()
{
    QStandardPaths::setTestModeEnabled(true);
    // The test runs from a writable build folder, as ./play.sh does.
    QVERIFY(QFileInfo(QCoreApplication::applicationDirPath()).isWritable());
    QCOMPARE(DataSaveFolder().path(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

void SavedGamesTest::oldSavesBesideTheProgramAreCopiedOnce_data()
{
    QTest::addColumn<QStringList>("program"); // beside the program, each holding "old"
    QTest::addColumn<QStringList>("data");    // already in the data folder, each holding "mine"
    QTest::addColumn<QStringList>("copied");
    QTest::newRow("old games") << QStringList{"b.sav", "a.sav", "notes.txt"} << QStringList{}
                               << QStringList{"a.sav", "b.sav"};
    QTest::newRow("the data folder's game of that name wins")
        << QStringList{"a.sav", "b.sav"} << QStringList{"a.sav"} << QStringList{"b.sav"};
    QTest::newRow("the game saved without a name") << QStringList{".sav"} << QStringList{} << QStringList{".sav"};
    QTest::newRow("nothing to copy: no data folder made") << QStringList{"a.txt"} << QStringList{} << QStringList{};
}

void SavedGamesTest::oldSavesBesideTheProgramAreCopiedOnce()
{
    QFETCH(QStringList, program);
    QFETCH(QStringList, data);
    QFETCH(QStringList, copied);
    const QDir bin(m_dir->filePath("bin")), saves(m_dir->filePath("data/Trevinor"));
    QDir().mkpath(bin.path());
    if (!data.isEmpty())
        QDir().mkpath(saves.path());
    for (const QString& name : program)
        writeAll(bin.filePath(name), "old");
    for (const QString& name : data)
        writeAll(saves.filePath(name), "mine");
    const DataSaveFolder folder(saves.path());

    QCOMPARE(copyOldSaves(bin.path(), folder), copied);
    QCOMPARE(saves.exists(), !(copied + data).isEmpty());
    for (const QString& name : program)
        QCOMPARE(readAll(bin.filePath(name)), QByteArray("old"));
    for (const QString& name : copied + data)
        QCOMPARE(readAll(saves.filePath(name)), QByteArray(data.contains(name) ? "mine" : "old"));
    if (copied.isEmpty())
        return;
    // Once: a copied game the player deleted stays deleted, and later old saves stay behind.
    QVERIFY(QFile::remove(saves.filePath(copied.first())));
    writeAll(bin.filePath("later.sav"), "old");
    QCOMPARE(copyOldSaves(bin.path(), folder), QStringList());
}

void SavedGamesTest::theDataFolderIsCreatedWithTheFirstSave()
{
    const QString data = m_dir->filePath("data/Trevinor");
    DataSaveFolder folder(data);
    QCOMPARE(folder.savedGames(), QStringList()); // listing does not create it
    QVERIFY(!QFileInfo::exists(data));
    QCOMPARE(saveToFolder(playedGame(), folder, "first"), std::nullopt);
    QCOMPARE(folder.savedGames(), QStringList{"first.sav"});
    QVERIFY(QFileInfo::exists(data + "/first.sav"));
}

void SavedGamesTest::dialogsListOnlySavedGames()
{
    const QDir dir(m_dir->path());
    for (const char* name : {"b.sav", "a.sav", ".sav", "notes.txt", "old.sav.bak", "UPPER.SAV"})
        writeAll(dir.filePath(name), "x");
    dir.mkpath("folder.sav");
    FixedFolder folder(dir.path());
    QCOMPARE(folder.savedGames(), (QStringList{".sav", "a.sav", "b.sav"}));
}

void SavedGamesTest::aListedFileGivesItsNameWithoutTheExtension_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << "Игра.sav" << "Игра";
    QTest::newRow("empty name") << ".sav" << "";
    QTest::newRow("dots inside") << "v1.2.sav" << "v1.2";
}

void SavedGamesTest::aListedFileGivesItsNameWithoutTheExtension()
{
    QFETCH(QString, file);
    QFETCH(QString, name);
    QCOMPARE(saveNameOfListedFile(file), name);
}

void SavedGamesTest::aSavedGameLoadsBackFromTheList()
{
    FixedFolder folder(m_dir->path());
    // An earlier version saved the game without a name as ".sav": it still loads.
    QVERIFY(saveGame(playedGame(QString()), m_dir->filePath(".sav")).isEmpty());
    for (const QString& name : {QStringLiteral("Моя игра"), QString()}) {
        const GameState saved = playedGame(name);
        if (!name.isEmpty())
            QCOMPARE(saveToFolder(saved, folder, name), std::nullopt);
        const QStringList listed = folder.savedGames();
        const QString file = name + ".sav";
        QVERIFY(listed.contains(file));
        QCOMPARE(saveNameOfListedFile(file), name);

        GameState loaded;
        loaded.panelsLocked = True;
        QCOMPARE(loadFromFolder(loaded, folder, file), std::nullopt);
        QCOMPARE(loaded.playerName, name);
        QCOMPARE(loaded.money, saved.money);
        QCOMPARE(loaded.hdd120Gb, True);
        QCOMPARE(loaded.projectName, saved.projectName);
        QCOMPARE(loaded.panelsLocked, True); // the run's settings are not in a saved game
    }
}

void SavedGamesTest::savingReplacesAFileOfTheSameName()
{
    FixedFolder folder(m_dir->path());
    QCOMPARE(saveToFolder(playedGame("Первый"), folder, "game"), std::nullopt);
    QCOMPARE(saveToFolder(playedGame("Второй"), folder, "game"), std::nullopt);
    GameState loaded;
    QCOMPARE(loadFromFolder(loaded, folder, "game.sav"), std::nullopt);
    QCOMPARE(loaded.playerName, QStringLiteral("Второй"));
    QCOMPARE(folder.savedGames(), QStringList{"game.sav"});
}

void SavedGamesTest::failedSavesKeepThePreviousFile_data()
{
    QTest::addColumn<QString>("cause");
    QTest::addColumn<QString>("reason");
    QTest::newRow("full disk") << "full" << "не удалось записать файл";
    QTest::newRow("name not in Windows-1251") << "text" << "Windows-1251";
    QTest::newRow("name longer than its record") << "long" << "длиннее 126 байт";
}

void SavedGamesTest::failedSavesKeepThePreviousFile()
{
    QFETCH(QString, cause);
    QFETCH(QString, reason);
    FixedFolder folder(m_dir->path());
    QCOMPARE(saveToFolder(playedGame(), folder, "game"), std::nullopt);
    const QByteArray previous = readAll(m_dir->filePath("game.sav"));
    QCOMPARE(previous.size(), SavedGameSize);

    GameState changed = playedGame();
    if (cause == "text")
        changed.playerName = QStringLiteral("Ваня 漢字");
    else if (cause == "long")
        changed.projectName = QString(127, QLatin1Char('x'));
    std::optional<Message> failure;
    {
        std::optional<FullDisk> full;
        if (cause == "full")
            full.emplace();
        failure = saveToFolder(changed, folder, "game");
    }
    QVERIFY(failure);
    QVERIFY2(failure->text.contains(reason), qPrintable(failure->text));
    QVERIFY2(failure->text.contains(QStringLiteral("Прежний файл «game.sav» остался как был.")),
             qPrintable(failure->text));
    QCOMPARE(readAll(m_dir->filePath("game.sav")), previous);
    QCOMPARE(folder.savedGames(), QStringList{"game.sav"}); // no temporary file left behind

    // A first save that fails leaves no file at all and does not speak of one.
    std::optional<Message> fresh;
    {
        std::optional<FullDisk> full;
        if (cause == "full")
            full.emplace();
        fresh = saveToFolder(changed, folder, "new");
    }
    QVERIFY(fresh);
    QVERIFY(!fresh->text.contains(QStringLiteral("Прежний")));
    QVERIFY(!QFileInfo::exists(m_dir->filePath("new.sav")));
}

void SavedGamesTest::anUncreatableFolderIsReported()
{
    writeAll(m_dir->filePath("file"), "x");
    FixedFolder folder(m_dir->filePath("file/saves"));
    const auto failure = saveToFolder(playedGame(), folder, "game");
    QVERIFY(failure);
    QVERIFY2(failure->text.contains(QStringLiteral("не удалось создать папку")), qPrintable(failure->text));
    QCOMPARE(failure->icon, Message::Icon::Exclamation);
}

QTEST_GUILESS_MAIN(SavedGamesTest)
#include "tst_savedgames.moc"
