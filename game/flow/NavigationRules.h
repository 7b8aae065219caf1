// The bookkeeping rules of the menu and the main screen, without widgets.
#pragma once

#include <QString>

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

// Lengths on the main screen are kept in twips, 15 to a pixel.
inline constexpr int TwipsPerPixel = 15;
inline constexpr int twipsToPixels(int twips) { return twips / TwipsPerPixel; }

// The software panel Tavorel26 that slides in and out of view diagonally by lblPO.
class SoftwarePanelSlide {
public:
    static constexpr int OutTop = 3000, OutLeft = 5160; // where the panel waits out of view
    static constexpr int InTop = 200;
    static constexpr int Step = 100;

    // A click on lblPO: starts the slide in the other direction. Returns lblPO's new caption.
    QString toggle();
    // One tick of tmrDviz: moves the panel one step on both axes.
    void tick();

    int top() const { return m_top; }
    int left() const { return m_left; }
    bool sliding() const { return m_sliding; }
    bool visible() const { return m_visible; }
    int16_t flag() const { return m_flag; } // -1 while the panel is out of view

    static QString captionOut(); // "Программное обеспечение >>"
    static QString captionIn();  // "Программное обеспечение <<"

private:
    int m_top = OutTop, m_left = OutLeft;
    int16_t m_step = 0, m_stop = 0;
    bool m_sliding = false;
    bool m_visible = false;
    int16_t m_flag = -1;
};

// The legend toggle lblLegenda.
class LegendToggle {
public:
    struct View {
        bool legendVisible;
        QString caption;
        QString toolTip;
    };
    View toggle();
    static View hidden(); // how the legend starts: hidden, "+"
    int16_t flag() const { return m_flag; } // -1 while the legend is hidden

private:
    int16_t m_flag = -1;
};
