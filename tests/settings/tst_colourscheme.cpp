// The colour scheme: defaults, and what each kind of control and a screen's body are given.
#include "settings/ColourScheme.h"
#include "world/NewGame.h"

#include <QtTest>

#include <set>

Q_DECLARE_METATYPE(ControlKind)
Q_DECLARE_METATYPE(ControlColours)
Q_DECLARE_METATYPE(SchemeBackground)

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
    QTest::addColumn<ControlKind>("kind");
    QTest::addColumn<bool>("movesWindow");
    QTest::addColumn<Flag>("locked");
    QTest::addColumn<ControlColours>("expected");
    using K = ControlKind;
    QTest::newRow("panel, panels free: dragged by the player")
        << K::GradientButton << false << False << gradient(MoveMe);
    QTest::newRow("panel, panels locked: still")
        << K::GradientButton << false << True << gradient(MoveNone);
    QTest::newRow("window's panel, panels free: moves its window")
        << K::GradientButton << true << False << gradient(MoveForm);
    QTest::newRow("window's panel, panels locked: still")
        << K::GradientButton << true << True << gradient(MoveNone);
    QTest::newRow("lock neither -1 nor 0 leaves the movement")
        << K::GradientButton << false << Flag(1) << gradient(std::nullopt);
    QTest::newRow("label: background") << K::Label << false << False << colours(0x070707);
    QTest::newRow("option button: choice colour and text")
        << K::OptionButton << false << False << colours(0x050505, 0x080808);
    QTest::newRow("list box: the gradient's end colour")
        << K::ListBox << false << False << colours(0x020202);
    QTest::newRow("text box: left alone") << K::Other << false << True << ControlColours{};
}

void ColourSchemeTest::eachKindTakesItsColours()
{
    QFETCH(ControlKind, kind);
    QFETCH(bool, movesWindow);
    QFETCH(Flag, locked);
    QFETCH(ControlColours, expected);
    QVERIFY(gradientListColours(chosenScheme(locked), kind, movesWindow) == expected);
}

void ColourSchemeTest::screensTakeTheirBackground_data()
{
    QTest::addColumn<SchemeBackground>("takes");
    QTest::addColumn<Flag>("locked");
    QTest::addColumn<bool>("coloured");
    using B = SchemeBackground;
    QTest::newRow("always (internet), panels free") << B::Scheme << False << true;
    QTest::newRow("always (internet), panels locked") << B::Scheme << True << true;
    QTest::newRow("while free (development), panels free") << B::SchemeWhilePanelsFree << False << true;
    QTest::newRow("while free (development), panels locked") << B::SchemeWhilePanelsFree << True << false;
    QTest::newRow("design (main screen) keeps its body") << B::Design << False << false;
}

void ColourSchemeTest::screensTakeTheirBackground()
{
    QFETCH(SchemeBackground, takes);
    QFETCH(Flag, locked);
    QFETCH(bool, coloured);
    const auto background = screenBackground(chosenScheme(locked), takes);
    QCOMPARE(background.has_value(), coloured);
    if (coloured)
        QCOMPARE(*background, 0x070707u);
    // The catalogue labels wear the choice colour whatever the lock.
    QVERIFY(plainListColours(chosenScheme(locked)) == colours(0x050505, 0x080808));
}

QTEST_GUILESS_MAIN(ColourSchemeTest)
#include "tst_colourscheme.moc"
