#include "HomePageToggles.h"

QString SoftwarePanelSlide::captionOut()
{
    return QStringLiteral("Программное обеспечение >>");
}

QString SoftwarePanelSlide::captionIn()
{
    return QStringLiteral("Программное обеспечение <<");
}

QString SoftwarePanelSlide::toggle()
{
    m_sliding = true;
    if (m_flag == -1) {
        m_step = -Step;
        m_stop = InTop;
        m_visible = true;
        m_flag = 0;
        return captionIn();
    }
    m_step = Step;
    m_stop = OutTop;
    m_flag = -1;
    return captionOut();
}

void SoftwarePanelSlide::tick()
{
    // Clicked twice before the first step, the panel already stands at the stop of its new
    // direction; stepping on would carry it past the stop for good.
    if (m_top != m_stop) {
        m_top += m_step;
        m_left += m_step;
    }
    if (m_top == m_stop)
        m_sliding = false;
    if (m_top >= OutTop)
        m_visible = false;
}

LegendToggle::View LegendToggle::hidden()
{
    return {false, QStringLiteral("+"), QStringLiteral("Показать легенду")};
}

LegendToggle::View LegendToggle::toggle()
{
    if (m_flag == -1) {
        m_flag = 0;
        return {true, QStringLiteral("-"), QStringLiteral("Скрыть легенду")};
    }
    m_flag = -1;
    return hidden();
}
