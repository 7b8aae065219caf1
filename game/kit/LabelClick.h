// A label that acts like a button: on a click, that is a left press and its release inside
// the same label. A press let go outside the label does nothing, as on a button. Every such
// label acts the same way without a mouse (vuzedovi/LabelButton.h): Tab reaches it, Space or
// Enter presses it, the keyboard's focus shows what the pointer over it shows, and a screen
// reader finds a button with a Press action.
#pragma once

#include <functional>

class QEvent;
class QLabel;
class QWidget;

// What the pointer over a label shows and what its leaving resets; the keyboard's focus on the
// label shows and resets the same.
struct LabelHover {
    std::function<void()> show;
    std::function<void()> reset;
};

// Runs `clicked` on every click of `label`, and on every press of it by keyboard or screen
// reader; the watchers live as long as the label.
void onLabelClick(QLabel* label, std::function<void()> clicked, LabelHover hover = {});

// For a label whose mouse its screen watches itself: `pressed` runs on every press by keyboard
// or screen reader, which should be what the screen does on its click.
void onLabelPress(QLabel* label, std::function<void()> pressed, LabelHover hover = {});

// The event is the left button let go inside the widget, which had its press (the mouse stays
// with the widget it was pressed on): the end of a click for a label watched by hand.
bool isClickRelease(const QWidget* widget, const QEvent* event);
