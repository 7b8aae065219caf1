// A label that acts like a button: on a click, that is a left press and its release inside
// the same label. A press let go outside the label does nothing, as on a button.
#pragma once

#include <functional>

class QEvent;
class QLabel;
class QWidget;

// Runs `clicked` on every click of `label`; the watcher lives as long as the label.
void onLabelClick(QLabel* label, std::function<void()> clicked);

// The event is the left button let go inside the widget, which had its press (the mouse stays
// with the widget it was pressed on): the end of a click for a label watched by hand.
bool isClickRelease(const QWidget* widget, const QEvent* event);
