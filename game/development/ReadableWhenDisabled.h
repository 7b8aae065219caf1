// Disabled options and lists of the development screen (an environment not learned, a list not
// to choose from) show so by their text fading toward what lies behind it, but only as far as
// the text still reads at 4.5:1 against every colour there, whatever the colour scheme paints.
#pragma once

#include <QColor>
#include <QList>

#include <optional>

class QWidget;

// The disabled text for `text` over the colours `behind`: faded toward them (halfway at
// most) where that reads at `contrast` against each of them, else the text turned toward black
// or white as far as needed. Nothing when no colour reads against all of them, as over a
// gradient from dark to light.
std::optional<QColor> disabledTextColour(const QColor& text, const QList<QColor>& behind,
                                         double contrast);

// An option drawn straight on its gradient panel: its disabled text reads on the bands behind
// it; where no colour could, the disabled option gets a backing of its own.
void readableWhenDisabledOnGradient(QWidget* option);
// A list on its own background: its disabled entries read on it.
void readableWhenDisabledOnBase(QWidget* list);
