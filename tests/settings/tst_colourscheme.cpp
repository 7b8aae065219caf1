// The colour scheme: defaults, the registry's lists and what each kind of control is given.
#include "settings/ColourScheme.h"
#include "world/NewGame.h"

#include <QtTest>

#include <set>
#include <string>

Q_DECLARE_METATYPE(ControlKind)
Q_DECLARE_METATYPE(ControlColours)

namespace {
using Opt = std::optional<uint32_t>;
using Move = std::optional<int16_t>;

// A scheme in which every colour differs from every default.
GameState chosenScheme(Flag panelsLocked)
{
    GameState g;
    g.colourGradientStart = 0x010101;
    g.colourGradientEnd = 0x020202;
    g.colourGradientStart2 = 0x030303;
    g.colourGradientEnd2 = 0x040404;
    g.colourChoiceButtons = 0x050505;
    g.colourCaption = 0x060606;
    g.colourBackground = 0x070707;
    g.colourText = 0x080808;
    g.panelsLocked = panelsLocked;
    return g;
}

ControlColours gradient(Move move)
{
    ControlColours c;
    c.gradientStart = 0x010101;
    c.gradientEnd = 0x020202;
    c.caption = 0x060606;
    c.moveControl = move;
    return c;
}

ControlColours colours(Opt background, Opt text = std::nullopt)
{
    ControlColours c;
    c.background = background;
    c.text = text;
    return c;
}
} // namespace

class ColourSchemeTest : public QObject {
    Q_OBJECT

private slots:
    void defaultsFillEveryColourOnce();
    void newGameAndUnsetColoursUseTheDefaults_data();
    void newGameAndUnsetColoursUseTheDefaults();

    void eachKindTakesItsColours_data();
    void eachKindTakesItsColours();
    void screensTakeTheirBackground_data();
    void screensTakeTheirBackground();

    void gradientListKeepsItsOrderAndLeavesTheTitleBarAlone_data();
    void gradientListKeepsItsOrderAndLeavesTheTitleBarAlone();
    void noControlIsListedTwice();
};

void ColourSchemeTest::defaultsFillEveryColourOnce()
{
    // Every row names its own field and button: a row copied without its field changed
    // would leave a colour unset after the defaults.
    GameState g;
    setDefaultColours(g);
    std::set<std::string> buttons;
    for (const SchemeColour& row : schemeColours) {
        QVERIFY2((g.*row.field).has_value(), row.caption);
        QCOMPARE(*(g.*row.field), row.defaultValue);
        buttons.insert(row.button);
    }
    QCOMPARE(buttons.size(), schemeColours.size());
}

void ColourSchemeTest::newGameAndUnsetColoursUseTheDefaults_data()
{
    QTest::addColumn<Flag>("confirmed");
    QTest::addColumn<bool>("chosenBefore");
    QTest::addColumn<uint>("background");
    QTest::addColumn<uint>("text");
    // The default scheme is red panels, a dark red background and yellow text.
    QTest::newRow("new game, not confirmed") << False << true << 0x000080u << 0x00FFFFu;
    QTest::newRow("new game, confirmed keeps the choice") << True << true << 0x070707u << 0x080808u;
    QTest::newRow("confirmed with nothing chosen paints the defaults") << True << false << 0x000080u << 0x00FFFFu;
}

void ColourSchemeTest::newGameAndUnsetColoursUseTheDefaults()
{
    QFETCH(Flag, confirmed);
    QFETCH(bool, chosenBefore);
    QFETCH(uint, background);
    QFETCH(uint, text);
    GameState g = chosenBefore ? chosenScheme(False) : GameState{};
    g.settingsConfirmed = confirmed;
    g.playerName = QStringLiteral("Вася");
    newGame(g);
    QCOMPARE(schemeColour(g, &GameState::colourBackground), background);
    QCOMPARE(schemeColour(g, &GameState::colourText), text);
}

void ColourSchemeTest::eachKindTakesItsColours_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("control");
    QTest::addColumn<ControlKind>("kind");
    QTest::addColumn<Flag>("locked");
    QTest::addColumn<ControlColours>("expected");
    const QString main = SchemeScreens::Main, install = SchemeScreens::Install;
    using K = ControlKind;
    QTest::newRow("panel, panels free: dragged by the player")
        << main << "Tavorel8" << K::GradientButton << False << gradient(MoveMe);
    QTest::newRow("panel, panels locked: still")
        << main << "Tavorel8" << K::GradientButton << True << gradient(MoveNone);
    QTest::newRow("install panel, panels free: moves its window")
        << install << "PanelUstanovka" << K::GradientButton << False << gradient(MoveForm);
    QTest::newRow("install panel, panels locked: still")
        << install << "PanelUstanovka" << K::GradientButton << True << gradient(MoveNone);
    QTest::newRow("install button, panels free")
        << install << "Command1" << K::GradientButton << False << gradient(MoveMe);
    QTest::newRow("lock neither -1 nor 0 leaves the movement")
        << main << "cmdDa" << K::GradientButton << Flag(1) << gradient(std::nullopt);
    QTest::newRow("label: background")
        << main << "lblDostupna" << K::Label << False << colours(0x070707);
    QTest::newRow("option button: choice colour and text")
        << SchemeScreens::Internet << "Tavorel1" << K::OptionButton << False << colours(0x050505, 0x080808);
    QTest::newRow("list box: the gradient's end colour")
        << SchemeScreens::Load << "File1" << K::ListBox << False << colours(0x020202);
    QTest::newRow("text box: left alone")
        << SchemeScreens::Save << "txtSave" << K::Other << True << ControlColours{};
    QTest::newRow("a screen itself: left alone")
        << SchemeScreens::Save << "" << K::GradientButton << True << ControlColours{};
}

void ColourSchemeTest::eachKindTakesItsColours()
{
    QFETCH(QString, screen);
    QFETCH(QString, control);
    QFETCH(ControlKind, kind);
    QFETCH(Flag, locked);
    QFETCH(ControlColours, expected);
    const QByteArray screenName = screen.toLatin1(), controlName = control.toLatin1();
    const RegistryEntry entry{screenName.constData(),
                              control.isEmpty() ? nullptr : controlName.constData()};
    QVERIFY(gradientListColours(chosenScheme(locked), entry, kind) == expected);
}

void ColourSchemeTest::screensTakeTheirBackground_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<Flag>("locked");
    QTest::addColumn<bool>("coloured");
    QTest::newRow("internet, panels free") << SchemeScreens::Internet << False << true;
    QTest::newRow("internet, panels locked") << SchemeScreens::Internet << True << true;
    QTest::newRow("development, panels free") << SchemeScreens::Development << False << true;
    QTest::newRow("development, panels locked") << SchemeScreens::Development << True << false;
    QTest::newRow("main screen keeps its body") << SchemeScreens::Main << False << false;
}

void ColourSchemeTest::screensTakeTheirBackground()
{
    QFETCH(QString, screen);
    QFETCH(Flag, locked);
    QFETCH(bool, coloured);
    const auto background = screenBackground(chosenScheme(locked), screen.toStdString());
    QCOMPARE(background.has_value(), coloured);
    if (coloured)
        QCOMPARE(*background, 0x070707u);
    // The catalogue labels wear the choice colour whatever the lock.
    QVERIFY(plainListColours(chosenScheme(locked)) == colours(0x050505, 0x080808));
}

void ColourSchemeTest::gradientListKeepsItsOrderAndLeavesTheTitleBarAlone_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("controls"); // in list order; "" is the screen itself
    QTest::newRow("install") << SchemeScreens::Install
                             << QStringList{"PanelUstanovka", "Command1", "Tavorel1", "cmdCancel"};
    QTest::newRow("internet, then the screen")
        << SchemeScreens::Internet
        << QStringList{"Tavorel1", "PanelSost", "Tavorel2", "Tavorel5", "Tavorel8", "Tavorel11",
                       "cmdPodkl", "cmdOtkl", "cmdDetali", ""};
    QTest::newRow("load, then the dialog") << SchemeScreens::Load << QStringList{"File1", "cmdYes", "cmdNo", ""};
    QTest::newRow("save, then the dialog")
        << SchemeScreens::Save << QStringList{"File1", "txtSave", "cmdSave", "cmdCancel", ""};
    QTest::newRow("development, Tavorel5 last")
        << SchemeScreens::Development
        << QStringList{"Tavorel1", "Tavorel2", "Tavorel3", "Tavorel4", "lblTr", "Tavorel6", "Tavorel5"};
}

void ColourSchemeTest::gradientListKeepsItsOrderAndLeavesTheTitleBarAlone()
{
    QFETCH(QString, screen);
    QFETCH(QStringList, controls);
    QStringList listed;
    for (const RegistryEntry& e : gradientList())
        if (screen == QLatin1String(e.screen))
            listed << QString::fromLatin1(e.control ? e.control : "");
    QCOMPARE(listed, controls);
}

void ColourSchemeTest::noControlIsListedTwice()
{
    std::set<std::pair<std::string, std::string>> seen;
    int mainPanels = 0;
    for (const RegistryEntry& e : gradientList()) {
        const std::string control = e.control ? e.control : "";
        QVERIFY2(seen.emplace(e.screen, control).second, control.c_str());
        if (std::string_view(e.screen) == SchemeScreens::Main && control.starts_with("Tavorel"))
            ++mainPanels;
    }
    // Tavorel1 to Tavorel26 and Tavorel29; the title bar Tavorel27 keeps its own colours.
    QCOMPARE(mainPanels, 27);
    QVERIFY(!seen.contains({SchemeScreens::Main, "Tavorel27"}));
    QVERIFY(!seen.contains({SchemeScreens::Main, "Tavorel28"}));
}

QTEST_GUILESS_MAIN(ColourSchemeTest)
#include "tst_colourscheme.moc"
