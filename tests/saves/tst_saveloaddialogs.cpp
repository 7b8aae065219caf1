// The save and load dialogs, driven by mouse and keyboard through the whole game: every bad
// input gets a message and loses nothing; a loaded game reaches the screens; the dialogs wear
// the colour scheme.
#include "music/FakeMusicPlayer.h"
#include "saves/MenuGame.h"

#include "support/GameHarness.h"

#include "kit/Colours.h"
#include "kit/Controls.h"
#include "flow/GameContext.h"
#include "saves/SavedGameFile.h"
#include "settings/ui/SettingsScreen.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QRadioButton>
#include <QCheckBox>
#include <QPushButton>
#include <QtTest>

namespace {
void clickItem(QListWidget* list, const QString& text)
{
    const QList<QListWidgetItem*> items = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(!items.isEmpty(), qPrintable(text));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items.first()).center());
}

void press(QWidget* tavorel)
{
    QTest::mouseClick(tavorel, Qt::LeftButton);
    QApplication::processEvents(); // the control reports the press as a posted key
}

uint32_t colourProperty(QWidget* control, const char* property)
{
    return control->property(property).toUInt();
}

GameState savedGameOf(const QString& name)
{
    GameState g;
    g.playerName = name;
    newGame(g);
    g.money = Currency::fromUnits(7770000);
    g.dayCounter = 30;
    g.hdd120Gb = True;
    g.hddFreeGb = 100.0f;
    return g;
}
} // namespace

class SaveLoadDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    void saveDialogListsTheFolderAndTakesAListedName();
    void savingReplacesTheFileAndCloses();
    void badNamesAreRefusedAndNothingIsWritten_data();
    void badNamesAreRefusedAndNothingIsWritten();
    void failedWritesKeepThePreviousFile_data();
    void failedWritesKeepThePreviousFile();
    void anUnwritableFolderIsReported();
    void cancelClosesWithoutSaving();

    void loadingBringsTheGameOntoEveryScreen();
    void loadingFromTheStartMenuShowsTheMainScreen();
    void badLoadsLeaveEverythingAsItWas_data();
    void badLoadsLeaveEverythingAsItWas();
    void dialogsWearTheScheme();
    void fileListsReadOnEveryScheme_data();
    void fileListsReadOnEveryScheme();
};

void SaveLoadDialogsTest::cleanup()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "frmSave" || w->objectName() == "frmLoad")
            w->close();
    QApplication::processEvents();
}
void SaveLoadDialogsTest::saveDialogListsTheFolderAndTakesAListedName()
{
    Game g;
    writeAll(g.dir.filePath("Первая.sav"), "x");
    writeAll(g.dir.filePath("notes.txt"), "x");
    g.h.newGame();
    QWidget* dialog = openFromMenu(g, 1, "frmSave");
    QVERIFY(dialog);
    QVERIFY(dialog->isModal());
    QCOMPARE(child<QLabel>(dialog, "lblSave")->text(), QStringLiteral(".sav"));
    QCOMPARE(caption(child(dialog, "Tavorel27")), QStringLiteral("Сохранить игру"));
    auto* list = child<QListWidget>(dialog, "File1");
    QCOMPARE(list->count(), 1);
    auto* name = child<QLineEdit>(dialog, "txtSave");
    clickItem(list, QStringLiteral("Первая.sav"));
    QCOMPARE(name->text(), QStringLiteral("Первая"));
    // The name edited, the same file clicked again: its name comes back.
    QTest::keyClicks(name, QStringLiteral(" 2"));
    clickItem(list, QStringLiteral("Первая.sav"));
    QCOMPARE(name->text(), QStringLiteral("Первая"));
}

void SaveLoadDialogsTest::savingReplacesTheFileAndCloses()
{
    Game g;
    QVERIFY(saveGame(savedGameOf("Старый"), g.dir.filePath("Игра.sav")).isEmpty());
    g.h.newGame(QStringLiteral("Новый"));
    QPointer<QWidget> dialog = openFromMenu(g, 1, "frmSave");
    clickItem(child<QListWidget>(dialog, "File1"), QStringLiteral("Игра.sav"));
    press(child(dialog, "cmdSave"));
    QTRY_VERIFY(!dialog);
    QCOMPARE(g.h.dialogs.count("tell"), 0);
    GameState loaded;
    QVERIFY(loadGame(loaded, g.dir.filePath("Игра.sav")).isEmpty());
    QCOMPARE(loaded.playerName, QStringLiteral("Новый"));
    // The load dialog finds what the save dialog wrote.
    QPointer<QWidget> load = openFromMenu(g, 2, "frmLoad");
    QCOMPARE(child<QListWidget>(load, "File1")->item(0)->text(), QStringLiteral("Игра.sav"));
}

void SaveLoadDialogsTest::badNamesAreRefusedAndNothingIsWritten_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("pasted"); // characters a keyboard cannot type come by the clipboard
    QTest::addColumn<QString>("named");
    QTest::newRow("empty") << "" << false << "введите имя игры";
    QTest::newRow("slash") << "saves/game" << false << "«/»";
    QTest::newRow("two dots") << ".." << false << "«..»";
    QTest::newRow("control character") << QStringLiteral("a\x01z") << true << "код 1";
    QTest::newRow("too long") << QString(300, QLatin1Char('a')) << false << "слишком длинное";
}

void SaveLoadDialogsTest::badNamesAreRefusedAndNothingIsWritten()
{
    QFETCH(QString, typed);
    QFETCH(bool, pasted);
    QFETCH(QString, named);
    Game g;
    g.h.newGame();
    QPointer<QWidget> dialog = openFromMenu(g, 1, "frmSave");
    auto* name = child<QLineEdit>(dialog, "txtSave");
    if (pasted) {
        QApplication::clipboard()->setText(typed);
        QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
    } else {
        QTest::keyClicks(name, typed);
    }
    QCOMPARE(name->text(), typed);
    press(child(dialog, "cmdSave"));
    QVERIFY(!g.h.dialogs.asked.isEmpty());
    const auto& told = g.h.dialogs.asked.last();
    QCOMPARE(told.kind, QStringLiteral("tell"));
    QVERIFY2(told.text.contains(named), qPrintable(told.text));
    QCOMPARE(told.caption, QStringLiteral("Предупреждение"));
    QCOMPARE(told.icon, Dialogs::Icon::Exclamation);
    // The dialog stays with the name as typed, and nothing was written anywhere.
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(name->text(), typed);
    QCOMPARE(QDir(g.dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
}

void SaveLoadDialogsTest::failedWritesKeepThePreviousFile_data()
{
    QTest::addColumn<QString>("cause");
    QTest::addColumn<QString>("reason");
    QTest::newRow("full disk") << "disk" << "не удалось записать файл";
    QTest::newRow("name not in Windows-1251") << "name" << "Windows-1251";
}

void SaveLoadDialogsTest::failedWritesKeepThePreviousFile()
{
    QFETCH(QString, cause);
    QFETCH(QString, reason);
    Game g;
    QVERIFY(saveGame(savedGameOf("Старый"), g.dir.filePath("game.sav")).isEmpty());
    const QByteArray previous = readAll(g.dir.filePath("game.sav"));
    g.h.newGame(QStringLiteral("Новый"));
    if (cause == "name") // the name box refuses it; only a doctored game could hold it
        g.h.game.playerName = QStringLiteral("Ли 李");
    QPointer<QWidget> dialog = openFromMenu(g, 1, "frmSave");
    QTest::keyClicks(child<QLineEdit>(dialog, "txtSave"), QStringLiteral("game"));
    {
        std::optional<FullDisk> full;
        if (cause == "disk")
            full.emplace();
        press(child(dialog, "cmdSave"));
    }
    QVERIFY(!g.h.dialogs.asked.isEmpty());
    const QString told = g.h.dialogs.asked.last().text;
    QVERIFY2(told.contains(reason), qPrintable(told));
    QVERIFY2(told.contains(QStringLiteral("Прежний файл «game.sav» остался как был.")), qPrintable(told));
    QCOMPARE(readAll(g.dir.filePath("game.sav")), previous);
    QVERIFY(dialog && dialog->isVisible());
}

void SaveLoadDialogsTest::anUnwritableFolderIsReported()
{
    Game g;
    writeAll(g.dir.filePath("file"), "x");
    FixedFolder inside(g.dir.filePath("file/saves")); // a folder that cannot be made
    g.h.flow->context().services.saves = &inside;
    g.h.newGame();
    QPointer<QWidget> dialog = openFromMenu(g, 1, "frmSave");
    QTest::keyClicks(child<QLineEdit>(dialog, "txtSave"), QStringLiteral("game"));
    press(child(dialog, "cmdSave"));
    QVERIFY(!g.h.dialogs.asked.isEmpty());
    const QString told = g.h.dialogs.asked.last().text;
    QVERIFY2(told.contains(QStringLiteral("не удалось создать папку")), qPrintable(told));
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(child<QLineEdit>(dialog, "txtSave")->text(), QStringLiteral("game"));
}

void SaveLoadDialogsTest::cancelClosesWithoutSaving()
{
    Game g;
    g.h.newGame();
    QPointer<QWidget> dialog = openFromMenu(g, 1, "frmSave");
    QTest::keyClicks(child<QLineEdit>(dialog, "txtSave"), QStringLiteral("game"));
    press(child(dialog, "cmdCancel"));
    QTRY_VERIFY(!dialog);
    QCOMPARE(g.folder.savedGames(), QStringList());
}

void SaveLoadDialogsTest::loadingBringsTheGameOntoEveryScreen()
{
    Game g;
    QVERIFY(saveGame(savedGameOf("Загруженный"), g.dir.filePath("game.sav")).isEmpty());
    MainScreen* main = g.h.newGame(QStringLiteral("Текущий"));
    auto* clock = main->control<QTimer>("TimerMain");
    QPointer<QWidget> dialog = openFromMenu(g, 2, "frmLoad");
    QPointer<MenuScreen> menu = g.h.flow->menu();
    QVERIFY(!clock->isActive()); // the menu stopped it
    QCOMPARE(caption(child(dialog, "Tavorel27")), QStringLiteral("Загрузить игру"));
    clickItem(child<QListWidget>(dialog, "File1"), QStringLiteral("game.sav"));
    press(child(dialog, "cmdYes"));
    QTRY_VERIFY(!dialog);
    QTRY_VERIFY(!menu);
    QVERIFY(main->isVisible());
    QCOMPARE(g.h.game.playerName, QStringLiteral("Загруженный"));
    QCOMPARE(caption(main->control("lblName")), QStringLiteral("Загруженный"));
    QCOMPARE(caption(main->control("lblDengi")), QStringLiteral(" 777"));
    QCOMPARE(caption(main->control("Label1")), QStringLiteral(" 30"));
    QVERIFY(!main->control("lblHDD120GB_SEAGATE_7200rpm")->isEnabled());
    QCOMPARE(g.h.game.hddCapacityGb, int16_t(120));
    QVERIFY(clock->isActive()); // it runs as the slider says, as after a new game
    QCOMPARE(g.h.dialogs.count("tell"), 0);
}

void SaveLoadDialogsTest::loadingFromTheStartMenuShowsTheMainScreen()
{
    Game g;
    QVERIFY(saveGame(savedGameOf("С порога"), g.dir.filePath("game.sav")).isEmpty());
    QPointer<QWidget> dialog = openFromMenu(g, 2, "frmLoad");
    QPointer<MenuScreen> menu = g.h.flow->menu();
    clickItem(child<QListWidget>(dialog, "File1"), QStringLiteral("game.sav"));
    press(child(dialog, "cmdYes"));
    QTRY_VERIFY(!menu);
    MainScreen* main = g.h.flow->mainScreen();
    QVERIFY(main && main->isVisible());
    QCOMPARE(caption(main->control("lblName")), QStringLiteral("С порога"));
    // Nothing was confirmed in the settings: the default scheme.
    QCOMPARE(colourProperty(main->control("Tavorel8"), "ColorStart"), DefaultColours::GradientStart);
}

void SaveLoadDialogsTest::badLoadsLeaveEverythingAsItWas_data()
{
    QTest::addColumn<QString>("selected"); // empty: no file clicked
    QTest::addColumn<QString>("reason");
    QTest::addColumn<bool>("damaged"); // read, and no saved game: said first in plain words
    QTest::newRow("no file selected") << "" << "выберите в списке" << false;
    QTest::newRow("empty file") << "empty.sav" << "файл пуст" << true;
    QTest::newRow("short file") << "short.sav" << "обрывается" << true;
    QTest::newRow("broken text length") << "broken.sav" << "длина текста" << true;
    QTest::newRow("mood not a number") << "nan.sav" << "не число" << true;
    QTest::newRow("unreadable: a folder now") << "folder.sav" << "«" << false;
    QTest::newRow("deleted after it was listed") << "gone.sav" << "не найден" << false;
}

void SaveLoadDialogsTest::badLoadsLeaveEverythingAsItWas()
{
    QFETCH(QString, selected);
    QFETCH(QString, reason);
    QFETCH(bool, damaged);
    Game g;
    QString why;
    const QByteArray good = encodeSavedGame(savedGameOf("Чужой"), &why);
    writeAll(g.dir.filePath("empty.sav"), {});
    writeAll(g.dir.filePath("short.sav"), good.left(600));
    QByteArray nan = good;
    for (int i = 0; i < 4; ++i)
        nan[2 * SavedRecordSize + i] = char(0xFF); // record 3, the mood
    writeAll(g.dir.filePath("nan.sav"), nan);
    QByteArray broken = good;
    broken[SavedRecordSize] = char(0x7F);
    writeAll(g.dir.filePath("broken.sav"), broken);
    writeAll(g.dir.filePath("gone.sav"), good);
    writeAll(g.dir.filePath("folder.sav"), good);

    MainScreen* main = g.h.newGame(QStringLiteral("Свой"));
    QPointer<QWidget> dialog = openFromMenu(g, 2, "frmLoad");
    // Files that change under the open dialog: one deleted, one replaced by a folder.
    QFile::remove(g.dir.filePath("gone.sav"));
    QFile::remove(g.dir.filePath("folder.sav"));
    QDir(g.dir.path()).mkpath("folder.sav");
    const GameState before = g.h.game;
    const QString money = caption(main->control("lblDengi"));
    if (!selected.isEmpty())
        clickItem(child<QListWidget>(dialog, "File1"), selected);
    press(child(dialog, "cmdYes"));

    QVERIFY(!g.h.dialogs.asked.isEmpty());
    const auto& told = g.h.dialogs.asked.last();
    QVERIFY2(told.text.contains(reason), qPrintable(told.text));
    QCOMPARE(told.icon, Dialogs::Icon::Exclamation);
    const QString lead = QStringLiteral("Товарищ, этот файл не похож на сохранённую игру Тревинора или повреждён. ");
    QCOMPARE(told.text.startsWith(lead), damaged);
    if (!selected.isEmpty())
        QVERIFY(told.text.endsWith(QStringLiteral(" Текущая игра не изменилась.")));
    QVERIFY(g.h.game == before);
    QCOMPARE(caption(main->control("lblName")), QStringLiteral("Свой"));
    QCOMPARE(caption(main->control("lblDengi")), money);
    QVERIFY(dialog && dialog->isVisible());
    QVERIFY(g.h.flow->menu() && g.h.flow->menu()->isVisible());
}

void SaveLoadDialogsTest::dialogsWearTheScheme()
{
    Game g;
    g.h.game.settingsConfirmed = True;
    g.h.newGame();
    g.h.game.colourGradientStart = 0x112233;
    g.h.game.colourGradientEnd = 0x445566;
    QWidget* dialog = openFromMenu(g, 2, "frmLoad");
    QCOMPARE(backColour(child(dialog, "File1")), 0x445566u);
    QCOMPARE(colourProperty(child(dialog, "cmdYes"), "ColorStart"), 0x112233u);
    // The title bar is not in the registry: it keeps its design.
    QCOMPARE(colourProperty(child(dialog, "Tavorel27"), "ColorStart"), DesignColours::PanelStart);
}

void SaveLoadDialogsTest::fileListsReadOnEveryScheme_data()
{
    QTest::addColumn<int>("button"); // the menu's button that opens the dialog
    QTest::addColumn<QString>("screen");
    QTest::addColumn<qint64>("listBack"); // the scheme's colourGradientEnd; -1: settings cancelled
    const std::pair<const char*, qint64> schemes[] = {{"design", -1}, {"default red", 0x0000FF},
        {"yellow", 0x00FFFF}, {"grey", 0x808080}, {"navy", 0x800000}, {"system window", 0x80000005}};
    for (const auto& [scheme, back] : schemes) {
        QTest::addRow("save, %s", scheme) << 1 << "frmSave" << back;
        QTest::addRow("load, %s", scheme) << 2 << "frmLoad" << back;
    }
}

void SaveLoadDialogsTest::fileListsReadOnEveryScheme()
{
    QFETCH(int, button);
    QFETCH(QString, screen);
    QFETCH(qint64, listBack);
    Game g;
    for (const char* name : {"a.sav", "b.sav"})
        writeAll(g.dir.filePath(name), "x");
    g.h.game.settingsConfirmed = True;
    g.h.newGame();
    if (listBack < 0)
        g.h.game.settingsCancelled = True;
    else
        g.h.game.colourGradientEnd = uint32_t(listBack);
    QWidget* dialog = openFromMenu(g, button, screen.toLatin1().constData());
    auto* list = child<QListWidget>(dialog, "File1");
    list->item(1)->setFlags(list->item(1)->flags() & ~Qt::ItemIsEnabled);
    list->setCurrentRow(0);
    // Each entry as painted, the chosen one and a disabled one, in the list enabled and
    // disabled: some of its text stands out from its background at 4.5:1 or better.
    for (const bool enabled : {true, false}) {
        list->setEnabled(enabled);
        const QImage shot = list->grab().toImage();
        for (int row = 0; row < list->count(); ++row) {
            const QRect entry = list->visualItemRect(list->item(row)).translated(list->viewport()->pos());
            const QColor back = shot.pixelColor(entry.topLeft() + QPoint(1, 1));
            double best = 1;
            for (int y = entry.top(); y <= entry.bottom(); ++y)
                for (int x = entry.left(); x <= entry.right(); ++x)
                    best = std::max(best, contrastRatio(shot.pixelColor(x, y), back));
            QVERIFY2(best >= 4.5, qPrintable(QStringLiteral("row %1: %2").arg(row).arg(best)));
        }
    }
}

QTEST_MAIN(SaveLoadDialogsTest)
#include "tst_saveloaddialogs.moc"
