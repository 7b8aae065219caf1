// The gradient bands of a full paint, as runs of neighbouring bands of one colour.
#pragma once

#include <QColor>

#include <algorithm>
#include <iterator>

#include "TavorelPrivate.h"

namespace vuzedovi {

// One channel of the band colour, start + k * step * (end - start) / S for the band k, kept
// exactly as a quotient and remainder of S so that moving on a band costs additions only.
class BandChannel {
public:
    BandChannel(int start, int end, int S, int step)
        : m_quotient(start), m_S(S), m_delta(step * (end - start)) {}

    // Rounded to nearest, ties to even, as the floating-point formula rounds.
    short value() const
    {
        const int twice = 2 * m_remainder;
        const bool up = twice > m_S || (twice == m_S && (m_quotient & 1));
        return short(m_quotient + (up ? 1 : 0));
    }

    void advance()
    {
        m_remainder += m_delta;
        while (m_remainder >= m_S) {
            m_remainder -= m_S;
            ++m_quotient;
        }
        while (m_remainder < 0) {
            m_remainder += m_S;
            --m_quotient;
        }
    }

private:
    int m_quotient;
    int m_remainder = 0;
    int m_S;
    int m_delta;
};

// Whether the bands are horizontal stripes stacked from the top (else vertical ones from the
// left), and the size S along the gradient.
inline bool bandsAreStripes(const TavorelState& s) { return s.gradientOrientation != constOrientation::Vertical; }
inline int gradientLength(const TavorelState& s, int W, int H) { return bandsAreStripes(s) ? H : W; }

// Calls run(from, to, colour) for each run of neighbouring bands of one colour, in order along
// the gradient of size S > 0: the pixels [from, to) along it have that colour.
template <typename Run>
void forEachBandRun(const TavorelState& s, int S, Run&& run)
{
    const int step = S / 255 > 0 ? S / 255 : 1;
    BandChannel channels[3] = {{s.startRgb[0], s.endRgb[0], S, step},
                               {s.startRgb[1], s.endRgb[1], S, step},
                               {s.startRgb[2], s.endRgb[2], S, step}};
    short colour[3] = {s.startRgb[0], s.startRgb[1], s.startRgb[2]};
    int runStart = 0;
    int position = 0;
    for (int c = S; c >= 0; c -= step) {
        position += step;  // the band [position - step, position) has the current colour
        // The next band's colour comes from the counter of the band just drawn:
        // start + (S - c) * (end - start) / S.
        short next[3];
        for (int channel = 0; channel < 3; ++channel) {
            next[channel] = channels[channel].value();
            channels[channel].advance();
        }
        if (c - step < 0 || next[0] != colour[0] || next[1] != colour[1] || next[2] != colour[2]) {
            run(runStart, position, QColor(colour[0], colour[1], colour[2]));
            runStart = position;
            std::copy(std::begin(next), std::end(next), colour);
        }
    }
}

} // namespace vuzedovi
