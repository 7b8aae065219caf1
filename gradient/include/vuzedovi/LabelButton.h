// A label that a program makes act on a click (a link, an entry of a list to choose from), made
// to act the same way without a mouse, as a Tavorel button does:
// - Tab reaches it in the window's focus chain; a click gives it no focus, and a disabled label
//   is passed over;
// - Space or Enter pressed and released on it presses it, once per press: the repeat of a held
//   key presses nothing more, and a key that went down elsewhere presses nothing;
// - while it has the focus from the keyboard, the focus frame of the buttons marks it and what
//   the pointer over it shows is shown; the focus leaving resets as the pointer leaving does;
// - assistive technology finds a button, named by the label's text (or its accessible name),
//   described by its accessible description or tool tip, whose Press action presses it while
//   the label is enabled.
// The program keeps watching the label's mouse itself.
#pragma once

#include <vuzedovi/Tavorel.h>

#include <functional>

class QLabel;

namespace vuzedovi {

struct LabelButton {
    std::function<void()> press;  // what a click on the label does
    std::function<void()> point;  // what the pointer over the label shows, if anything
    std::function<void()> leave;  // what the pointer leaving it resets, if anything
};

// Gives label the behaviour above for as long as it lives.
VUZEDOVI_EXPORT void makeLabelButton(QLabel* label, LabelButton button);

}  // namespace vuzedovi
