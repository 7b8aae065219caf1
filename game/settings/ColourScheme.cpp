#include "ColourScheme.h"

bool schemeApplies(const GameState& g)
{
    return g.settingsCancelled == False;
}

namespace {
// The panel lock: -1 holds every gradient button still, 0 lets the panels be dragged and
// a panel that drags its window move the window. Any other value changes no movement mode.
std::optional<int16_t> moveControlFor(const GameState& g, bool movesWindow)
{
    if (g.panelsLocked == True)
        return MoveNone;
    if (g.panelsLocked != False)
        return std::nullopt;
    return movesWindow ? MoveForm : MoveMe;
}
} // namespace

ControlColours gradientListColours(const GameState& g, ControlKind kind, bool movesWindow)
{
    ControlColours c;
    switch (kind) {
    case ControlKind::GradientButton:
        c.gradientStart = schemeColour(g, &GameState::colourGradientStart);
        c.gradientEnd = schemeColour(g, &GameState::colourGradientEnd);
        c.caption = schemeColour(g, &GameState::colourCaption);
        c.moveControl = moveControlFor(g, movesWindow);
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

std::optional<uint32_t> screenBackground(const GameState& g, SchemeBackground takes)
{
    if (takes == SchemeBackground::Scheme)
        return schemeColour(g, &GameState::colourBackground);
    if (takes == SchemeBackground::SchemeWhilePanelsFree && g.panelsLocked == False)
        return schemeColour(g, &GameState::colourBackground);
    return std::nullopt;
}
