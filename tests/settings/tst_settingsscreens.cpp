// The settings screen, driven by mouse and keyboard through the whole game: the colour scheme
// and the melodies reach the main screen.
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
void press(QWidget* tavorel)
{
    QTest::mouseClick(tavorel, Qt::LeftButton);
    QApplication::processEvents(); // the control reports the press as a posted key
}

// An option button is hit on its round indicator.
void clickOption(QAbstractButton* option)
{
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
}

// Answers the colour dialog as soon as it is up: with the colour, or with Cancel.
void answerColourDialog(std::optional<QColor> colour)
{
    QTimer::singleShot(0, [colour] {
        auto* dialog = qobject_cast<QColorDialog*>(shownWindow("dlgColour"));
        QVERIFY(dialog);
        if (colour) {
            dialog->setCurrentColor(*colour);
            dialog->accept();
        } else {
            dialog->reject();
        }
    });
}

uint32_t colourProperty(QWidget* control, const char* property)
{
    return control->property(property).toUInt();
}
} // namespace

class SettingsScreensTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    void colourButtonsStoreAndPreview_data();
    void colourButtonsStoreAndPreview();
    void automaticBackgroundDisablesItsButton();
    void melodyOptionsAnswerAtOnce();
    void confirmingResetsAnUntouchedSchemeAndAppliesItToTheScreens_data();
    void confirmingResetsAnUntouchedSchemeAndAppliesItToTheScreens();
    void aCancelledSettingsScreenKeepsLaterScreensInTheirDesign();
    void ownedAndBoughtLabelsReadAsDisabledOnEveryScheme_data();
    void ownedAndBoughtLabelsReadAsDisabledOnEveryScheme();

    void melodiesFollowTheFlagsWhenTheMainScreenLoads_data();
    void melodiesFollowTheFlagsWhenTheMainScreenLoads();
};

void SettingsScreensTest::cleanup()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "frmSave" || w->objectName() == "frmLoad" || w->objectName() == "frmNastroiki")
            w->close();
    QApplication::processEvents();
}

void SettingsScreensTest::colourButtonsStoreAndPreview_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("control");  // what the preview changes
    QTest::addColumn<QString>("property"); // a Tavorel property, "back" or "fore"
    QTest::newRow("Command1") << 0 << "Tavorel23" << "ColorStart";
    QTest::newRow("Command2") << 1 << "Tavorel23" << "ColorEnd";
    QTest::newRow("Command3") << 2 << "Tavorel1" << "ColorStart";
    QTest::newRow("Command4") << 3 << "Tavorel1" << "ColorEnd";
    QTest::newRow("Command5") << 4 << "lbl2" << "back";
    QTest::newRow("Command6") << 5 << "Tavorel23" << "ForeColor";
    QTest::newRow("Command7") << 6 << "Frame2" << "back";
    QTest::newRow("Command8") << 7 << "lbl3" << "fore";
}

void SettingsScreensTest::colourButtonsStoreAndPreview()
{
    QFETCH(int, row);
    QFETCH(QString, control);
    QFETCH(QString, property);
    Game g;
    QWidget* screen = openFromMenu(g, 5, "frmNastroiki");
    QVERIFY(screen && screen->isModal());
    const SchemeColour& colour = schemeColours[size_t(row)];
    QWidget* shown = screen->findChild<QWidget*>(control);
    auto seen = [&] {
        return property == "back" ? backColour(shown)
             : property == "fore" ? foreColour(shown)
                                  : colourProperty(shown, property.toLatin1().constData());
    };
    const uint32_t design = seen();

    // Cancelled: nothing changes.
    answerColourDialog(std::nullopt);
    QTest::mouseClick(child(screen, colour.button), Qt::LeftButton);
    QVERIFY(!(g.h.game.*colour.field).has_value());
    QCOMPARE(seen(), design);

    answerColourDialog(QColor(10, 200, 30));
    QTest::mouseClick(child(screen, colour.button), Qt::LeftButton);
    QCOMPARE(g.h.game.*colour.field, Colour(0x1EC80Au));
    QCOMPARE(seen(), 0x1EC80Au);
}

void SettingsScreensTest::automaticBackgroundDisablesItsButton()
{
    Game g;
    QWidget* screen = openFromMenu(g, 5, "frmNastroiki");
    auto* command7 = child<QPushButton>(screen, "Command7");
    QVERIFY(command7->isEnabled());
    clickOption(child<QRadioButton>(screen, "Option1"));
    QVERIFY(!command7->isEnabled());
    QCOMPARE(g.h.game.colourBackground, Colour(0x00009F));
    QCOMPARE(backColour(child(screen, "Frame2")), 0x00009Fu);
    clickOption(child<QRadioButton>(screen, "Option2"));
    QVERIFY(command7->isEnabled());
}

void SettingsScreensTest::melodyOptionsAnswerAtOnce()
{
    Game g;
    g.h.newGame(QStringLiteral("Петя"));
    auto* screen = qobject_cast<SettingsScreen*>(openFromMenu(g, 5, "frmNastroiki"));
    QVERIFY(screen->melodyOption(1)->isChecked()); // the design state, whatever the flags
    clickOption(screen->melodyOption(4));
    QCOMPARE(g.h.dialogs.count("tell"), 1);
    QCOMPARE(g.h.dialogs.asked.last().text,
             QStringLiteral("Извините, товарищ Петя, но эта настройка будет доступна только в следующей версии."));
    QCOMPARE(g.h.dialogs.asked.last().icon, Dialogs::Icon::Information);
    QCOMPARE(g.h.game.melody1On, True);
    clickOption(screen->melodyOption(5));
    QCOMPARE(g.h.game.melody1On, False);
    press(child(screen, "cmdNo"));
    QCOMPARE(g.h.game.melody1On, False);
    QCOMPARE(g.h.game.settingsCancelled, True);
}

void SettingsScreensTest::confirmingResetsAnUntouchedSchemeAndAppliesItToTheScreens_data()
{
    QTest::addColumn<bool>("touchGradient");
    QTest::addColumn<bool>("lock");
    QTest::addColumn<uint>("panelStart");
    QTest::addColumn<uint>("labelText");
    QTest::addColumn<int>("move");
    QTest::addColumn<bool>("cancelledBefore"); // "Нет" in an earlier visit
    QTest::newRow("untouched preview: the defaults, text colour too")
        << false << false << uint(DefaultColours::GradientStart) << uint(DefaultColours::Text) << 2 << false;
    QTest::newRow("start chosen: the choice, at once")
        << true << false << 0x0000FFu << 0x00FF00u << 2 << false;
    QTest::newRow("panels locked") << true << true << 0x0000FFu << 0x00FF00u << 0 << false;
    QTest::newRow("after a \"Нет\" the screens keep their design")
        << true << true << uint(DesignColours::PanelStart) << uint(DesignColours::LabelText) << 2 << true;
}

void SettingsScreensTest::confirmingResetsAnUntouchedSchemeAndAppliesItToTheScreens()
{
    QFETCH(bool, touchGradient);
    QFETCH(bool, lock);
    QFETCH(uint, panelStart);
    QFETCH(uint, labelText);
    QFETCH(int, move);
    QFETCH(bool, cancelledBefore);
    Game g;
    MainScreen* main = g.h.newGame();
    if (cancelledBefore) {
        press(child(openFromMenu(g, 5, "frmNastroiki"), "cmdNo"));
        QTRY_VERIFY(!shownWindow("frmNastroiki"));
    }
    QWidget* screen = openFromMenu(g, 5, "frmNastroiki");
    QCOMPARE(g.h.game.settingsConfirmed, False);
    answerColourDialog(QColor(0, 255, 0));
    QTest::mouseClick(child(screen, "Command8"), Qt::LeftButton);
    if (touchGradient) {
        answerColourDialog(QColor(255, 0, 0));
        QTest::mouseClick(child(screen, "Command1"), Qt::LeftButton);
        clickOption(child<QRadioButton>(screen, "Option1")); // red and red: a red background
    }
    if (lock)
        QTest::mouseClick(child<QCheckBox>(screen, "chkZapret"), Qt::LeftButton, {}, QPoint(8, 10));
    press(child(screen, "cmdYes"));
    QCOMPARE(g.h.game.settingsConfirmed, True);
    QCOMPARE(g.h.game.panelsLocked, toFlag(lock));
    // The main screen shows the choice without being created again.
    QWidget* panel = main->control("Tavorel8");
    QCOMPARE(colourProperty(panel, "ColorStart"), panelStart);
    QCOMPARE(panel->property("MoveControl").toInt(), move);
    QCOMPARE(foreColour(main->control("lblHDD120GB_SEAGATE_7200rpm")), labelText);
    for (const char* page : {"Label4", "Label2", "Label13", "Label14", "Label15"}) // design or scheme
        QVERIFY2(main->control(page) && backColour(main->control(page))
                     == (cancelledBefore ? DesignColours::LabelBack : *g.h.game.colourBackground), page);
}

void SettingsScreensTest::aCancelledSettingsScreenKeepsLaterScreensInTheirDesign()
{
    Game g;
    // Locked panels confirmed, then a later visit left with "Нет".
    QWidget* screen = openFromMenu(g, 5, "frmNastroiki");
    QTest::mouseClick(child<QCheckBox>(screen, "chkZapret"), Qt::LeftButton, {}, QPoint(8, 10));
    press(child(screen, "cmdYes"));
    QTRY_VERIFY(!shownWindow("frmNastroiki"));
    QTest::mouseClick(g.h.flow->menu()->button(5), Qt::LeftButton);
    press(child(shownWindow("frmNastroiki"), "cmdNo"));
    QCOMPARE(g.h.game.settingsCancelled, True);
    QCOMPARE(g.h.game.panelsLocked, True);

    // Whatever colours the game keeps, none reaches a screen.
    g.h.game.settingsConfirmed = True;
    g.h.game.colourBackground = 0x00FF00;
    g.h.dialogs.names.append(QStringLiteral("Вася"));
    g.h.flow->menu()->newGameProcedure();
    MainScreen* main = g.h.flow->mainScreen();
    // Not applied: the panels keep their design movement although the lock is set.
    QCOMPARE(main->control("Tavorel8")->property("MoveControl").toInt(), 2);
    main->toolbarKey(QStringLiteral("Inet"));
    QCOMPARE(backColour(shownWindow("frmInter")), DesignColours::LabelBack);
}

void SettingsScreensTest::ownedAndBoughtLabelsReadAsDisabledOnEveryScheme_data()
{
    QTest::addColumn<uint>("text"); // the scheme's text and choice colours
    QTest::addColumn<uint>("choice");
    QTest::newRow("default: yellow on dark red") << 0x00FFFFu << 0x000080u;
    QTest::newRow("white on dark blue") << 0xFFFFFFu << 0x800000u;
}

void SettingsScreensTest::ownedAndBoughtLabelsReadAsDisabledOnEveryScheme()
{
    QFETCH(uint, text);
    QFETCH(uint, choice);
    Game g;
    MainScreen* main = g.h.newGame();
    // A part owned and a course bought; then the scheme changes.
    g.h.game.mbGa7va = g.h.game.knowsWin98 = True;
    g.h.flow->refreshScreens();
    g.h.game.colourText = text;
    g.h.game.colourChoiceButtons = choice;
    g.h.flow->context().hooks.applyColourScheme(*main);
    for (const char* name : {"lblSoketA_GA7VA", "lblWin98"}) {
        const QPalette p = main->control(name)->palette();
        // Apart from the labels for sale: in italics, and faded where the colours leave room.
        QVERIFY(!main->control(name)->isEnabled() && main->control(name)->font().italic());
        QVERIFY(contrastRatio(p.color(QPalette::Disabled, QPalette::WindowText), p.color(QPalette::Window)) >= 4.5);
    }
}

void SettingsScreensTest::melodiesFollowTheFlagsWhenTheMainScreenLoads_data()
{
    QTest::addColumn<int>("option"); // chosen in the settings before the first game; 0: none
    QTest::addColumn<QStringList>("playing");
    QTest::newRow("the menu's first melody") << 0 << QStringList{"Europe.mid"};
    QTest::newRow("the second chosen") << 2 << QStringList{"vys.mid"};
    QTest::newRow("no melodies") << 5 << QStringList{};
}

void SettingsScreensTest::melodiesFollowTheFlagsWhenTheMainScreenLoads()
{
    QFETCH(int, option);
    QFETCH(QStringList, playing);
    Game g;
    if (option) {
        auto* screen = qobject_cast<SettingsScreen*>(openFromMenu(g, 5, "frmNastroiki"));
        clickOption(screen->melodyOption(option));
        press(child(screen, "cmdYes"));
    }
    g.h.dialogs.names.append(QStringLiteral("Вася"));
    (g.h.flow->menu() ? g.h.flow->menu() : g.h.openMenu())->newGameProcedure();
    MainScreen* main = g.h.flow->mainScreen();
    QCOMPARE(g.music.playing, QSet<QString>(playing.begin(), playing.end()));
    if (playing.isEmpty()) {
        QCOMPARE(g.music.requests, QStringList()); // music off: the player is never asked
        return;
    }
    // Each tick of the melody's timer keeps it going; one that ended starts again.
    const int timer = playing.first() == "Europe.mid" ? 0 : 1;
    QTimer* tim = main->control<QTimer>(melodies[size_t(timer)].timer);
    QVERIFY(tim->isActive());
    fire(tim);
    QCOMPARE(g.music.starts.value(playing.first()), 1);
    g.music.finish(playing.first());
    fire(tim);
    QCOMPARE(g.music.starts.value(playing.first()), 2);
}

QTEST_MAIN(SettingsScreensTest)
#include "tst_settingsscreens.moc"
