// A disabled control (a course bought, a job held, a part owned, an environment not learned)
// shows so by its text fading into what lies behind it, whatever colours the scheme gives it.
//
// One rule for every screen: the text moves toward the colours behind it, halfway at most, and
// only as far as it still reads at the fading's contrast against each of them; where even the
// unfaded text does not, it turns toward black or white as far as needed.
#pragma once

#include <QColor>
#include <QList>

#include <optional>

class QWidget;

struct Fading {
    enum class Rounding { Nearest, Down };
    double contrast; // the least contrast the faded text keeps; 1 keeps none
    Rounding rounding = Rounding::Nearest;
};
// The development screen's options and lists: readable at 4.5:1.
inline constexpr Fading ReadableFading{4.5};
// The catalogue labels of the training, jobs and computer pages fade the whole way, halfway
// into their background with the channels rounded down, whatever contrast that leaves (about
// 3.3:1 for the default scheme's yellow on dark red).
inline constexpr Fading HalfwayFading{1.0, Fading::Rounding::Down};

// The disabled text for `text` over the colours `behind`. Nothing when no colour reads at the
// fading's contrast against all of them, as over a gradient from dark to light.
std::optional<QColor> disabledTextColour(const QColor& text, const QList<QColor>& behind,
                                         const Fading& fading);

// Each of the control's text colours fades into the background it is drawn on, now and again
// whenever its colours change (the scheme sets the colours of every group).
void fadeWhenDisabled(QWidget* control, const Fading& fading);

// An option drawn straight on its gradient panel: its disabled text reads on the bands behind
// it; where no colour could, the disabled option gets a backing of its own.
void readableWhenDisabledOnGradient(QWidget* option);
// A list on its own background: its disabled entries read on it.
void readableWhenDisabledOnBase(QWidget* list);
