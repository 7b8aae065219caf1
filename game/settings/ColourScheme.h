// The colour scheme: the eight colours the player may choose, their captions and defaults,
// the colour registry (which controls of which screens take the scheme) and the rules by
// which each kind of control is coloured.
#pragma once

#include "state/GameState.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// What choosing a colour changes in the settings screen's preview.
enum class PreviewPart : uint8_t {
    PanelStart,       // start colour of the sample panel Tavorel23
    PanelEnd,         // its end colour
    TitleBarStart,    // start colour of the sample title bar Tavorel1
    TitleBarEnd,      // its end colour
    SampleLabelsBack, // background of the sample labels lbl1, lbl2, lbl3
    PanelCaption,     // caption colour of Tavorel23
    FrameBack,        // background of the preview frame Frame2
    SampleLabelsText, // text colour of lbl1, lbl2, lbl3
};

struct SchemeColour {
    Colour GameState::*field = nullptr;
    const char* caption = nullptr; // beside its button on the settings screen
    uint32_t defaultValue = 0;     // 0x00BBGGRR
    const char* button = nullptr;  // the settings screen's button that picks it
    PreviewPart preview = PreviewPart::PanelStart;
};

// The scheme, in the order of its buttons Command1 to Command8.
inline constexpr std::array<SchemeColour, 8> schemeColours{{
    {&GameState::colourGradientStart, "Начальный цвет", 0x000040, "Command1", PreviewPart::PanelStart},
    {&GameState::colourGradientEnd, "Конечный цвет", 0x0000FF, "Command2", PreviewPart::PanelEnd},
    {&GameState::colourGradientStart2, "Начальный цвет (2)", 0x0000FF, "Command3", PreviewPart::TitleBarStart},
    {&GameState::colourGradientEnd2, "Конечный цвет(2)", 0x00FFFF, "Command4", PreviewPart::TitleBarEnd},
    {&GameState::colourChoiceButtons, "Цвет кнопок выбора", 0x000080, "Command5", PreviewPart::SampleLabelsBack},
    {&GameState::colourCaption, "Цвет заголовка", 0x00FFFF, "Command6", PreviewPart::PanelCaption},
    {&GameState::colourBackground, "Цвет фона", 0x000080, "Command7", PreviewPart::FrameBack},
    {&GameState::colourText, "Цвет текста", 0x00FFFF, "Command8", PreviewPart::SampleLabelsText},
}};

constexpr uint32_t defaultColour(Colour GameState::*field)
{
    for (const SchemeColour& c : schemeColours)
        if (c.field == field)
            return c.defaultValue;
    return 0;
}

// The defaults by name, for the screens' design colours.
namespace DefaultColours {
inline constexpr uint32_t GradientStart = defaultColour(&GameState::colourGradientStart);
inline constexpr uint32_t GradientEnd = defaultColour(&GameState::colourGradientEnd);
inline constexpr uint32_t GradientStart2 = defaultColour(&GameState::colourGradientStart2);
inline constexpr uint32_t GradientEnd2 = defaultColour(&GameState::colourGradientEnd2);
inline constexpr uint32_t ChoiceButtons = defaultColour(&GameState::colourChoiceButtons);
inline constexpr uint32_t Caption = defaultColour(&GameState::colourCaption);
inline constexpr uint32_t Background = defaultColour(&GameState::colourBackground);
inline constexpr uint32_t Text = defaultColour(&GameState::colourText);
} // namespace DefaultColours

// Gives the eight scheme colours their defaults (new game and load, unless the settings were
// confirmed; the settings screen's "Да" with an untouched preview).
void setDefaultColours(GameState& g);

// The colour a screen paints with: the chosen one, or the default while none was chosen yet
// (a player may confirm the settings having picked only some of the colours).
uint32_t schemeColour(const GameState& g, Colour GameState::*field);

// Whether the scheme is put on screens at all: only while the settings were never left with
// "Нет". Once they were, every screen keeps its design colours for the rest of the run, also
// after a later "Да".
bool schemeApplies(const GameState& g);

// The colour registry. Its gradient list names controls of several screens by the screen's
// and the control's object names, in the order the scheme walks them. An entry without a
// control stands for the screen itself; no colour rule applies to it.
struct RegistryEntry {
    const char* screen = nullptr;
    const char* control = nullptr;
};

namespace SchemeScreens {
inline constexpr const char* Main = "frmMain";
inline constexpr const char* Install = "frmUstanovka";
inline constexpr const char* Internet = "frmInter";
inline constexpr const char* Load = "frmLoad";
inline constexpr const char* Save = "frmSave";
inline constexpr const char* Development = "frmRazrabotka";
} // namespace SchemeScreens

std::span<const RegistryEntry> gradientList();

// The kind of a control, which decides what the scheme gives it.
enum class ControlKind : uint8_t { GradientButton, Label, OptionButton, ListBox, Other };

// What the scheme sets on one control; an empty value is left as it is.
struct ControlColours {
    std::optional<uint32_t> gradientStart, gradientEnd, caption; // a gradient button (Tavorel)
    std::optional<uint32_t> background, text;
    std::optional<int16_t> moveControl; // a gradient button's MoveControl
    bool operator==(const ControlColours&) const = default;
};

// Movement modes of a gradient button.
inline constexpr int16_t MoveNone = 0, MoveForm = 1, MoveMe = 2;

// A control of the gradient list, by its kind, with the panel movement the lock allows.
ControlColours gradientListColours(const GameState& g, const RegistryEntry& entry,
                                   ControlKind kind);
// A catalogue label of the plain list.
ControlColours plainListColours(const GameState& g);
// The background the scheme gives a whole screen, if any: the internet screen always, the
// development screen only while the panels may move.
std::optional<uint32_t> screenBackground(const GameState& g, std::string_view screen);
