// The menu's highlighted button, without widgets.
#pragma once

#include <cstdint>
#include <vector>

// Which menu button is highlighted. Buttons are numbered 1 to 7 from the top; the menu
// remembers the last one it highlighted (0: none).
class MenuHighlight {
public:
    static constexpr int ButtonCount = 7;
    struct Change {
        int button;
        bool highlighted;
        bool operator==(const Change&) const = default;
    };

    // Button k receives the focus: highlight it and remember it.
    std::vector<Change> focusIn(int k);
    // The mouse moves over button k: highlight it, remember it, and give its neighbours k-1
    // and k+1 their normal colour.
    std::vector<Change> mouseOver(int k);
    // Button k loses the focus, or the mouse moves over the background: the remembered button
    // gets its normal colour.
    std::vector<Change> focusOut();
    std::vector<Change> backgroundMove();

    int16_t remembered() const { return m_remembered; }

private:
    static bool isButton(int k) { return k >= 1 && k <= ButtonCount; }
    int16_t m_remembered = 0;
};
