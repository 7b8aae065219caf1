// The focus frame: where a control focused from the keyboard marks it, in black or white by
// the contrast with what lies under each part of it.
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

#include "Bands.h"
#include "TavorelPrivate.h"

namespace vuzedovi {

namespace {

constexpr int Inset = 3;  // inside the two-pixel frames and a pixel of gradient

// Two pixels wide; one on a control under 32 pixels, where two would crowd the caption.
int thicknessFor(int W, int H) { return std::min(W, H) >= 32 ? 2 : 1; }

// The sRGB channel 0..255 as linear light.
double linearChannel(int value)
{
    static const std::array<double, 256> table = [] {
        std::array<double, 256> linear{};
        for (int i = 0; i < 256; ++i) {
            const double c = i / 255.0;
            linear[i] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        }
        return linear;
    }();
    return table[std::clamp(value, 0, 255)];
}

// Relative luminance as WCAG defines it, 0 for black to 1 for white.
double luminance(const QColor& colour)
{
    return 0.2126 * linearChannel(colour.red()) + 0.7152 * linearChannel(colour.green())
        + 0.0722 * linearChannel(colour.blue());
}

// Black or white, whichever has the higher contrast ratio with the given colour; the worse
// of the two choices still reads at 4.58:1.
QColor readableOn(const QColor& under)
{
    const double l = luminance(under);
    const double onBlack = (l + 0.05) / 0.05;
    const double onWhite = 1.05 / (l + 0.05);
    return onBlack >= onWhite ? QColor(Qt::black) : QColor(Qt::white);
}

// The four sides of the frame.
struct Ring {
    QRect sides[4];

    Ring(int W, int H)
    {
        const QRect outer(Inset, Inset, W - 2 * Inset, H - 2 * Inset);
        const int across = std::min(thicknessFor(W, H), outer.height());
        const int down = std::min(thicknessFor(W, H), outer.width());
        sides[0] = QRect(outer.left(), outer.top(), outer.width(), across);
        sides[1] = QRect(outer.left(), outer.bottom() - across + 1, outer.width(), across);
        sides[2] = QRect(outer.left(), outer.top(), down, outer.height());
        sides[3] = QRect(outer.right() - down + 1, outer.top(), down, outer.height());
    }

    bool isEmpty() const { return sides[0].isEmpty(); }

    // The parts of the frame that lie in area, in one colour.
    void fill(QPainter& painter, const QRect& area, const QColor& colour) const
    {
        for (const QRect& side : sides) {
            const QRect part = side & area;
            if (!part.isEmpty())
                painter.fillRect(part, colour);
        }
    }
};

} // namespace

void paintFocusFrame(QPainter& painter, int W, int H, const QColor& under)
{
    const Ring ring(W, H);
    if (!ring.isEmpty())
        ring.fill(painter, QRect(0, 0, W, H), readableOn(under));
}

void paintFocusFrame(QPainter& painter, const TavorelState& s, int W, int H)
{
    const Ring ring(W, H);
    if (ring.isEmpty())
        return;
    if (!s.vuzedovi) {
        paintFocusFrame(painter, W, H, QColor(translateColor(s.backColor)));
        return;
    }
    // Along the gradient, each stretch of bands gets the colour that reads on it; neighbouring
    // stretches of the same choice are filled together.
    const bool stripes = bandsAreStripes(s);
    const auto across = [&](int from, int to) {
        return stripes ? QRect(0, from, W, to - from) : QRect(from, 0, to - from, H);
    };
    int pendingFrom = 0;
    int pendingTo = 0;
    QColor pending;
    forEachBandRun(s, gradientLength(s, W, H), [&](int from, int to, const QColor& band) {
        const QColor colour = readableOn(band);
        if (colour != pending && pendingTo > pendingFrom) {
            ring.fill(painter, across(pendingFrom, pendingTo), pending);
            pendingFrom = from;
        }
        pending = colour;
        pendingTo = to;
    });
    ring.fill(painter, across(pendingFrom, pendingTo), pending);
}

} // namespace vuzedovi
