// The home page's two toggles, without widgets: the software panel that slides in and out,
// and the legend.
#pragma once

#include <QString>

#include <cstdint>

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
