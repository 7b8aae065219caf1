#include "ColourScheme.h"

bool schemeApplies(const GameState& g)
{
    return g.settingsCancelled == False;
}

namespace {
using namespace SchemeScreens;

constexpr RegistryEntry gradientEntries[] = {
    // The main screen's panels, confirm buttons and the labels that wear the background.
    {Main, "Tavorel1"}, {Main, "Tavorel2"}, {Main, "Tavorel3"}, {Main, "Tavorel4"},
    {Main, "Tavorel5"}, {Main, "Tavorel6"}, {Main, "Tavorel7"}, {Main, "Tavorel8"},
    {Main, "Tavorel9"}, {Main, "Tavorel10"}, {Main, "Tavorel11"}, {Main, "Tavorel12"},
    {Main, "Tavorel13"}, {Main, "Tavorel14"}, {Main, "Tavorel15"}, {Main, "Tavorel16"},
    {Main, "Tavorel17"}, {Main, "Tavorel18"}, {Main, "Tavorel19"}, {Main, "Tavorel20"},
    {Main, "Tavorel21"}, {Main, "Tavorel22"}, {Main, "Tavorel23"}, {Main, "Tavorel24"},
    {Main, "Tavorel25"}, {Main, "Tavorel26"}, {Main, "Tavorel29"},
    {Main, "lblPO"}, {Main, "cmdDa"}, {Main, "lblPanel"}, {Main, "cmdDa2"},
    {Main, "lblDostupna"}, {Main, "cmdKompDa"}, {Main, "lblShowTsena"}, {Main, "cmdProgDa"},
    {Main, "Label4"}, {Main, "Label2"}, {Main, "Label13"}, {Main, "Label14"}, {Main, "Label15"},
    // The install screen.
    {Install, "PanelUstanovka"}, {Install, "Command1"}, {Install, "Tavorel1"},
    {Install, "cmdCancel"},
    // The internet screen, then the screen itself.
    {Internet, "Tavorel1"}, {Internet, "PanelSost"}, {Internet, "Tavorel2"},
    {Internet, "Tavorel5"}, {Internet, "Tavorel8"}, {Internet, "Tavorel11"},
    {Internet, "cmdPodkl"}, {Internet, "cmdOtkl"}, {Internet, "cmdDetali"}, {Internet, nullptr},
    // The load dialog, then the dialog itself.
    {Load, "File1"}, {Load, "cmdYes"}, {Load, "cmdNo"}, {Load, nullptr},
    // The save dialog, then the dialog itself.
    {Save, "File1"}, {Save, "txtSave"}, {Save, "cmdSave"}, {Save, "cmdCancel"}, {Save, nullptr},
    // The development screen's panels.
    {Development, "Tavorel1"}, {Development, "Tavorel2"}, {Development, "Tavorel3"},
    {Development, "Tavorel4"}, {Development, "lblTr"}, {Development, "Tavorel6"},
    {Development, "Tavorel5"},
};

// The panel lock: -1 holds every gradient button still, 0 lets the panels be dragged and
// the install screen's panel move its window. Any other value changes no movement mode.
std::optional<int16_t> moveControlFor(const GameState& g, const RegistryEntry& entry)
{
    if (g.panelsLocked == True)
        return MoveNone;
    if (g.panelsLocked != False)
        return std::nullopt;
    if (std::string_view(entry.screen) == Install && std::string_view(entry.control) == "PanelUstanovka")
        return MoveForm;
    return MoveMe;
}
} // namespace

std::span<const RegistryEntry> gradientList()
{
    return gradientEntries;
}

ControlColours gradientListColours(const GameState& g, const RegistryEntry& entry,
                                   ControlKind kind)
{
    ControlColours c;
    if (entry.control == nullptr)
        return c;
    switch (kind) {
    case ControlKind::GradientButton:
        c.gradientStart = schemeColour(g, &GameState::colourGradientStart);
        c.gradientEnd = schemeColour(g, &GameState::colourGradientEnd);
        c.caption = schemeColour(g, &GameState::colourCaption);
        c.moveControl = moveControlFor(g, entry);
        break;
    case ControlKind::Label:
        c.background = schemeColour(g, &GameState::colourBackground);
        break;
    case ControlKind::OptionButton:
        c.background = schemeColour(g, &GameState::colourChoiceButtons);
        c.text = schemeColour(g, &GameState::colourText);
        break;
    case ControlKind::ListBox:
        c.background = schemeColour(g, &GameState::colourGradientEnd);
        break;
    case ControlKind::Other:
        break;
    }
    return c;
}

ControlColours plainListColours(const GameState& g)
{
    ControlColours c;
    c.background = schemeColour(g, &GameState::colourChoiceButtons);
    c.text = schemeColour(g, &GameState::colourText);
    return c;
}

std::optional<uint32_t> screenBackground(const GameState& g, std::string_view screen)
{
    if (screen == SchemeScreens::Internet)
        return schemeColour(g, &GameState::colourBackground);
    if (screen == SchemeScreens::Development && g.panelsLocked == False)
        return schemeColour(g, &GameState::colourBackground);
    return std::nullopt;
}
