// How the colour scheme reaches the game's screens: every control of the colour registry by
// its kind, the catalogue labels of the main screen and the screens' backgrounds. Whether it
// reaches them at all (schemeApplies) is asked once on each way: by applyColourScheme, by
// applySchemeToScreen, or by the main screen's load before it calls putSchemeOnScreens.
#pragma once

#include "settings/ColourScheme.h"

#include <QList>

class MainScreen;
class QWidget;
struct GameState;

// What the scheme sees a control as: a Tavorel is a gradient button, a label a label, an
// option button an option button, a list a list box; anything else is left alone.
ControlKind controlKind(const QWidget* control);
void applyControlColours(QWidget* control, const ControlColours& colours);

// The registered controls of one screen (kit/ColourRegistry.h, found under it by name) and
// its body, unless the settings were once cancelled. A screen of the registry calls this
// itself when it opens.
void applySchemeToScreen(QWidget& screen, const GameState& g);

// The whole scheme as it stands: the main screen with its catalogue labels, then every other
// screen of the registry that exists now (found among the top-level windows by name). Nothing
// once the settings were cancelled: this asks schemeApplies once for the whole way.
void applyColourScheme(MainScreen& main);
// The same for a caller that has asked schemeApplies itself: the main screen as it loads.
void putSchemeOnScreens(MainScreen& main);

// The top-level windows of the registry's screens other than the main screen.
QList<QWidget*> otherSchemeScreens(const QWidget& main);
