// The colour registry: which controls of which screen take the colour scheme, by the screen's
// and the controls' object names, in the order the scheme walks them. Each screen keeps its
// table beside it and registers it when it is built; the scheme's way onto the screens reads
// the registry (settings/ui/SchemeOnScreens.h), the rules only say what each kind of control
// is given (settings/ColourScheme.h).
#pragma once

#include "state/SchemeColours.h"

#include <QStringView>

#include <span>

struct ColouredScreen {
    const char* screen = nullptr;           // the screen's object name
    std::span<const char* const> controls;  // its controls that take the scheme, in order
    const char* windowPanel = nullptr;      // the panel that drags the whole window, if any
    SchemeBackground background = SchemeBackground::Design;
};

// Registers a screen's table; a screen registered again keeps one entry, the latest.
void registerColouredScreen(const ColouredScreen& screen);
// The table of a registered screen, by its object name; nullptr for any other.
const ColouredScreen* colouredScreen(QStringView name);
// Every screen registered so far, in the order they were first registered.
std::span<const ColouredScreen> colouredScreens();
