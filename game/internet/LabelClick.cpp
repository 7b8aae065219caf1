#include "LabelClick.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

#include <utility>

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
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton)
                break;
            const bool inside = m_label->rect().contains(mouse->position().toPoint());
            if (std::exchange(m_pressed, false) && inside && m_clicked)
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

void onLabelClick(QLabel* label, std::function<void()> clicked)
{
    new LabelClick(label, std::move(clicked));
}
