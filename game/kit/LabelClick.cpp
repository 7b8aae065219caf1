#include "LabelClick.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

#include <utility>

#include <vuzedovi/LabelButton.h>

namespace {
class LabelClick : public QObject {
public:
    LabelClick(QLabel* label, std::function<void()> clicked)
        : QObject(label), m_label(label), m_clicked(std::move(clicked))
    {
        label->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
                break;
            m_pressed = true;
            return true;
        case QEvent::MouseButtonRelease: {
            if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
                break;
            if (std::exchange(m_pressed, false) && isClickRelease(m_label, event) && m_clicked)
                m_clicked();
            return true;
        }
        case QEvent::Hide:
        case QEvent::EnabledChange:
            m_pressed = false; // a press the label can no longer finish
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QLabel* m_label;
    std::function<void()> m_clicked;
    bool m_pressed = false;
};
} // namespace

bool isClickRelease(const QWidget* widget, const QEvent* event)
{
    if (event->type() != QEvent::MouseButtonRelease)
        return false;
    const auto* mouse = static_cast<const QMouseEvent*>(event);
    return mouse->button() == Qt::LeftButton && widget->rect().contains(mouse->position().toPoint());
}

void onLabelClick(QLabel* label, std::function<void()> clicked, LabelHover hover)
{
    new LabelClick(label, clicked);
    onLabelPress(label, std::move(clicked), std::move(hover));
}

void onLabelPress(QLabel* label, std::function<void()> pressed, LabelHover hover)
{
    vuzedovi::makeLabelButton(label, {std::move(pressed), std::move(hover.show),
                                      std::move(hover.reset)});
}
