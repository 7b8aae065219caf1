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
    bool italic = false; // a disabled control also sets its text in italics
};
// The development screen's options and lists: readable at 4.5:1.
inline constexpr Fading ReadableFading{4.5};
// Halfway into the background with the channels rounded down, whatever contrast that leaves
// (about 3.3:1 for the default scheme's yellow on dark red).
inline constexpr Fading HalfwayFading{1.0, Fading::Rounding::Down};
// The catalogue labels of the training, jobs and computer pages (a course bought, a job held, a
// part owned): readable at 4.5:1 and in italics, so that they stand apart from the labels for
// sale under any scheme, also one whose text leaves no room to fade.
inline constexpr Fading CatalogueFading{4.5, Fading::Rounding::Nearest, true};

// The disabled text for `text` over the colours `behind`. Nothing when no colour reads at the
// fading's contrast against all of them, as over a gradient from dark to light.
std::optional<QColor> disabledTextColour(const QColor& text, const QList<QColor>& behind,
                                         const Fading& fading);

// Each of the control's text colours fades into the background it is drawn on, now and again
// whenever its colours change (the scheme sets the colours of every group); with an italic
// fading, the control's font follows its enabling too.
void fadeWhenDisabled(QWidget* control, const Fading& fading);

// `text` turned toward black or white as little as needed to read at the fading's contrast
// against every colour behind it (itself where it reads already); nothing where none reads.
std::optional<QColor> turnedToRead(const QColor& text, const QList<QColor>& behind,
                                   const Fading& fading);

// A control drawn straight on its gradient panel (an option, a label without a background):
// its text, `text` where that reads, and its disabled text read on the bands behind it; where
// no colour could, the control gets a backing of its own.
void readableOnGradient(QWidget* control, const QColor& text);
