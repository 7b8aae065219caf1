// Puts the colour scheme on the game's screens: every control of the colour registry by its
// kind, the catalogue labels of the main screen and the screens' backgrounds.
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

// The registered controls of one screen (found under it by name) and its background, unless
// the settings were once cancelled. A screen of the registry that is created later calls
// this itself when it opens.
void applySchemeToScreen(QWidget& screen, const GameState& g);

// The whole scheme as it stands: the main screen with its catalogue labels, then every other
// screen of the registry that exists now (found among the top-level windows by name). Nothing
// once the settings were cancelled (schemeApplies).
void applyColourScheme(MainScreen& main);

// The top-level windows of the registry's screens other than the main screen.
QList<QWidget*> otherSchemeScreens();
