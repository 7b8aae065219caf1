// The settings screen's rules: colours, the automatic background, melodies, Да and Нет.
#include "settings/SettingsRules.h"

#include <QtTest>

using MelodyFlags = std::array<Flag, 3>;
Q_DECLARE_METATYPE(MelodyFlags)

namespace {
MelodyFlags melodyFlags(const GameState& g)
{
    return {g.melody1On, g.melody2On, g.melody3On};
}
} // namespace

class SettingsRulesTest : public QObject {
    Q_OBJECT

private slots:
    void automaticBackgroundAveragesPlainNumbers_data();
    void automaticBackgroundAveragesPlainNumbers();

    void melodyOptionsOnClick_data();
    void melodyOptionsOnClick();
    void ownMelodyMessageNamesThePlayer();

    void confirmingSetsTheMelodyFlags_data();
    void confirmingSetsTheMelodyFlags();
    void confirmingWithAnUntouchedPreviewRestoresTheDefaults_data();
    void confirmingWithAnUntouchedPreviewRestoresTheDefaults();
    void confirmingSetsThePanelLock_data();
    void confirmingSetsThePanelLock();

    void openingForgetsTheLastConfirmation();
    void cancellingKeepsTheVisitsColoursAndIsForGood();
    void noMusicThenCancelKeepsTheMelodiesOff();
};

void SettingsRulesTest::automaticBackgroundAveragesPlainNumbers_data()
{
    QTest::addColumn<Colour>("start");
    QTest::addColumn<Colour>("end");
    QTest::addColumn<uint>("expected");
    QTest::newRow("defaults") << Colour(0x000040) << Colour(0x0000FF) << 0x00009Fu;
    // As numbers 0x0000FF and 0x00FF00 average 0x007FFF; channel by channel it would be 0x007F7F.
    QTest::newRow("red and green, not channel by channel") << Colour(0x0000FF) << Colour(0x00FF00) << 0x007FFFu;
    QTest::newRow("the whole part") << Colour(0x000001) << Colour(0x000000) << 0x000000u;
    QTest::newRow("white and black") << Colour(0x00FFFFFF) << Colour(0) << 0x007FFFFFu;
    QTest::newRow("top bits set, no wrap-around") << Colour(0x80000005u) << Colour(0x80000007u) << 0x80000006u;
    QTest::newRow("nothing chosen yet: the defaults shown in the preview")
        << Colour() << Colour() << 0x00009Fu;
}

void SettingsRulesTest::automaticBackgroundAveragesPlainNumbers()
{
    QFETCH(Colour, start);
    QFETCH(Colour, end);
    QFETCH(uint, expected);
    GameState g;
    g.colourGradientStart = start;
    g.colourGradientEnd = end;
    const AutomaticBackground result = chooseAutomaticBackground(g);
    QCOMPARE(result.colour, expected);
    QCOMPARE(g.colourBackground, Colour(expected));
    QVERIFY(!result.command7Enabled);
    // The gradient itself is not touched.
    QCOMPARE(g.colourGradientStart, start);
    QCOMPARE(g.colourGradientEnd, end);
}

void SettingsRulesTest::melodyOptionsOnClick_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<MelodyFlags>("after");
    QTest::addColumn<bool>("message");
    const MelodyFlags before{True, True, False};
    QTest::newRow("Мелодия № 1 waits for Да") << 1 << before << false;
    QTest::newRow("Мелодия № 2 waits for Да") << 2 << before << false;
    QTest::newRow("Мелодия № 3 waits for Да") << 3 << before << false;
    QTest::newRow("own melody: a message only") << 4 << before << true;
    QTest::newRow("no melodies: all off at once") << 5 << MelodyFlags{False, False, False} << false;
}

void SettingsRulesTest::melodyOptionsOnClick()
{
    QFETCH(int, index);
    QFETCH(MelodyFlags, after);
    QFETCH(bool, message);
    GameState g;
    g.melody1On = True;
    g.melody2On = True;
    const GameState before = g;
    const auto notice = clickMelodyOption(g, index);
    QCOMPARE(notice.has_value(), message);
    QCOMPARE(melodyFlags(g), after);
    if (index != MelodyOption::NoMusic)
        QVERIFY(g == before);
}

void SettingsRulesTest::ownMelodyMessageNamesThePlayer()
{
    GameState g;
    g.playerName = QStringLiteral("Петя");
    const auto notice = clickMelodyOption(g, MelodyOption::OwnMelody);
    QVERIFY(notice);
    QCOMPARE(notice->text, QStringLiteral("Извините, товарищ Петя, но эта настройка будет "
                                          "доступна только в следующей версии."));
    QCOMPARE(notice->caption, QStringLiteral("Предупреждение"));
    QCOMPARE(notice->icon, Message::Icon::Information);
}

void SettingsRulesTest::confirmingSetsTheMelodyFlags_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<MelodyFlags>("flags");
    QTest::newRow("first") << 1 << MelodyFlags{True, False, False};
    QTest::newRow("second") << 2 << MelodyFlags{False, True, False};
    QTest::newRow("third") << 3 << MelodyFlags{False, False, True};
    QTest::newRow("own melody plays none") << 4 << MelodyFlags{False, False, False};
    QTest::newRow("no melodies") << 5 << MelodyFlags{False, False, False};
}

void SettingsRulesTest::confirmingSetsTheMelodyFlags()
{
    QFETCH(int, option);
    QFETCH(MelodyFlags, flags);
    GameState g;
    g.melody1On = g.melody2On = g.melody3On = True;
    SettingsChoice choice;
    choice.melodyOption = option;
    confirmSettings(g, choice);
    QCOMPARE(melodyFlags(g), flags);
    QCOMPARE(g.settingsConfirmed, True);
}

void SettingsRulesTest::confirmingWithAnUntouchedPreviewRestoresTheDefaults_data()
{
    QTest::addColumn<uint>("previewStart");
    QTest::addColumn<uint>("previewEnd");
    QTest::addColumn<bool>("defaults");
    QTest::newRow("untouched: the text colour chosen is dropped") << 0x000040u << 0x0000FFu << true;
    QTest::newRow("start chosen") << 0x123456u << 0x0000FFu << false;
    QTest::newRow("end chosen") << 0x000040u << 0x00FF00u << false;
}

void SettingsRulesTest::confirmingWithAnUntouchedPreviewRestoresTheDefaults()
{
    QFETCH(uint, previewStart);
    QFETCH(uint, previewEnd);
    QFETCH(bool, defaults);
    GameState g;
    openSettings(g);
    chooseColour(g, schemeColours[7], 0x00FF00); // Command8: the text colour
    chooseColour(g, schemeColours[0], previewStart);
    chooseColour(g, schemeColours[1], previewEnd);
    SettingsChoice choice;
    choice.previewStart = previewStart;
    choice.previewEnd = previewEnd;
    confirmSettings(g, choice);
    QCOMPARE(g.colourText, Colour(defaults ? DefaultColours::Text : 0x00FF00u));
    QCOMPARE(g.colourGradientStart, Colour(previewStart));
    QVERIFY(g.colourBackground.has_value() == defaults);
}

void SettingsRulesTest::confirmingSetsThePanelLock_data()
{
    QTest::addColumn<bool>("checked");
    QTest::addColumn<Flag>("before");
    QTest::addColumn<Flag>("after");
    QTest::newRow("checked") << true << False << True;
    QTest::newRow("cleared unlocks") << false << True << False;
}

void SettingsRulesTest::confirmingSetsThePanelLock()
{
    QFETCH(bool, checked);
    QFETCH(Flag, before);
    QFETCH(Flag, after);
    GameState g;
    g.panelsLocked = before;
    SettingsChoice choice;
    choice.panelsLocked = checked;
    confirmSettings(g, choice);
    QCOMPARE(g.panelsLocked, after);
}

void SettingsRulesTest::openingForgetsTheLastConfirmation()
{
    GameState g;
    confirmSettings(g, SettingsChoice{});
    QCOMPARE(g.settingsConfirmed, True);
    openSettings(g);
    QCOMPARE(g.settingsConfirmed, False);
}

void SettingsRulesTest::cancellingKeepsTheVisitsColoursAndIsForGood()
{
    GameState g;
    openSettings(g);
    chooseColour(g, schemeColours[4], 0x112233); // Command5: the choice buttons
    cancelSettings(g);
    QCOMPARE(g.settingsCancelled, True);
    QCOMPARE(g.settingsConfirmed, False);
    QCOMPARE(g.colourChoiceButtons, Colour(0x112233));
    // A later visit confirmed with Да does not undo the cancellation.
    openSettings(g);
    confirmSettings(g, SettingsChoice{});
    QCOMPARE(g.settingsCancelled, True);
}

void SettingsRulesTest::noMusicThenCancelKeepsTheMelodiesOff()
{
    GameState g;
    g.melody1On = True;
    openSettings(g);
    clickMelodyOption(g, MelodyOption::NoMusic);
    cancelSettings(g);
    QCOMPARE(melodyFlags(g), (MelodyFlags{False, False, False}));
}

QTEST_GUILESS_MAIN(SettingsRulesTest)
#include "tst_settingsrules.moc"
