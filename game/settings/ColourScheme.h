// The colour scheme's rules: whether it is put on screens at all, the colour registry (which
// controls of which screens take the scheme) and the rules by which each kind of control is
// coloured. The eight colours themselves, their captions and defaults are the scheme's table
// beside the record (state/SchemeColours.h).
#pragma once

#include "state/GameState.h"
#include "state/SchemeColours.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

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
