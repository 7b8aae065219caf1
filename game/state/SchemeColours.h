// The colour scheme's table: the eight colours the player may choose, each with its caption,
// the settings screen's button that picks it, the part of the preview that shows it and its
// default. The record holds the chosen colours; the rules that put them on the screens are the
// settings' (settings/ColourScheme.h).
#pragma once

#include "GameState.h"

#include <array>
#include <cstdint>

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

// What the scheme gives a whole screen's body: nothing (it keeps its design), its background
// colour, or that colour only while the panels may move.
enum class SchemeBackground : uint8_t { Design, Scheme, SchemeWhilePanelsFree };

// Gives the eight scheme colours their defaults (new game and load, unless the settings were
// confirmed; the settings screen's "Да" with an untouched preview).
void setDefaultColours(GameState& g);

// The colour a screen paints with: the chosen one, or the default while none was chosen yet
// (a player may confirm the settings having picked only some of the colours).
uint32_t schemeColour(const GameState& g, Colour GameState::*field);
