// The colour scheme's rules: whether it is put on screens at all, and what each kind of
// control and a screen's body are given. Which controls of which screens take the scheme is
// the colour registry's, beside the screens (kit/ColourRegistry.h); the eight colours
// themselves, their captions and defaults are the scheme's table beside the record
// (state/SchemeColours.h).
#pragma once

#include "state/GameState.h"
#include "state/SchemeColours.h"

#include <array>
#include <cstdint>
#include <optional>

// Whether the scheme is put on screens at all: only while the settings were never left with
// "Нет". Once they were, every screen keeps its design colours for the rest of the run, also
// after a later "Да".
bool schemeApplies(const GameState& g);

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

// A control of the registry, by its kind, with the panel movement the lock allows: a panel
// that drags its whole window moves the window, any other the panel itself.
ControlColours gradientListColours(const GameState& g, ControlKind kind,
                                   bool movesWindow = false);
// A catalogue label of the plain list.
ControlColours plainListColours(const GameState& g);
// The background the scheme gives a whole screen, if any, by what the screen takes (the
// internet screen takes it always, the development screen only while the panels may move).
std::optional<uint32_t> screenBackground(const GameState& g, SchemeBackground takes);
