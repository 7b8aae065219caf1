// A label that acts like a button: on a click, that is a left press and its release inside
// the same label. A press let go outside the label does nothing, as on a button.
#pragma once

#include <functional>

class QLabel;

// Runs `clicked` on every click of `label`; the watcher lives as long as the label.
void onLabelClick(QLabel* label, std::function<void()> clicked);
