// The rules of the settings screen frmNastroiki: melodies, the panel lock and the colour
// scheme with its preview. The chosen values live in GameState for the program run.
#pragma once

#include "ColourScheme.h"

#include "state/GameState.h"
#include "state/Message.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// The melody options optMel(1) to optMel(5).
namespace MelodyOption {
inline constexpr int First = 1, Second = 2, Third = 3, OwnMelody = 4, NoMusic = 5;
inline constexpr int Count = 5;
} // namespace MelodyOption
const std::array<const char*, MelodyOption::Count>& melodyOptionCaptions();

// What the screen shows when it opens: the preview in its design colours (the default
// scheme) and the options as designed, whatever the current settings are.
struct SettingsDesign {
    static constexpr int melodyOption = MelodyOption::First;
    static constexpr bool panelsLocked = false;
    static constexpr bool backgroundAutomatic = false; // Option2 "Задать вручную" selected
};

// Opening the screen: the settings count as not confirmed until "Да".
void openSettings(GameState& g);

// A colour chosen with the button of schemeColours[row]: stored at once. The preview part
// that shows it is the row's.
void chooseColour(GameState& g, const SchemeColour& row, uint32_t colour);

// "Определить автоматически": the background is the whole part of the mean of the two
// gradient colours taken as plain numbers, not channel by channel. Command7 is disabled.
struct AutomaticBackground {
    uint32_t colour = 0;        // also Frame2's background
    bool command7Enabled = false;
};
uint32_t averageColour(uint32_t a, uint32_t b);
AutomaticBackground chooseAutomaticBackground(GameState& g);
// "Задать вручную": Command7 is enabled again.
inline constexpr bool manualBackgroundCommand7Enabled = true;

// A click on optMel(index). "Выбрать свою мелодию" answers with a message and changes
// nothing; "Не проигрывать мелодии" clears the three melody flags at once; the others do
// nothing until "Да".
std::optional<Message> clickMelodyOption(GameState& g, int index);

// The screen's state when "Да" is pressed.
struct SettingsChoice {
    int melodyOption = SettingsDesign::melodyOption; // the selected optMel index
    bool panelsLocked = SettingsDesign::panelsLocked; // chkZapret
    uint32_t previewStart = DefaultColours::GradientStart; // Tavorel23's colours
    uint32_t previewEnd = DefaultColours::GradientEnd;
};
// cmdYes: the melody flags from the options, the settings confirmed, the default scheme back
// when the preview's gradient was left as designed, the panel lock from chkZapret.
void confirmSettings(GameState& g, const SettingsChoice& choice);
// cmdNo: the settings count as cancelled for good; colours chosen in this visit stay.
void cancelSettings(GameState& g);
