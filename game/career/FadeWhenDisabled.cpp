#include "FadeWhenDisabled.h"

#include <QEvent>
#include <QPalette>
#include <QWidget>

namespace {
// Each text role fades into the background it is drawn on.
struct Pair {
    QPalette::ColorRole text, background;
};
constexpr Pair pairs[] = {
    {QPalette::WindowText, QPalette::Window},
    {QPalette::Text, QPalette::Base},
    {QPalette::ButtonText, QPalette::Button},
};

class Fader : public QObject {
public:
    explicit Fader(QWidget* control) : QObject(control) { control->installEventFilter(this); }

    static void fade(QWidget* control)
    {
        QPalette p = control->palette();
        bool changed = false;
        for (const Pair& pair : pairs) {
            const QColor text = p.color(QPalette::Active, pair.text);
            const QColor back = p.color(QPalette::Active, pair.background);
            const QColor faded((text.red() + back.red()) / 2, (text.green() + back.green()) / 2,
                               (text.blue() + back.blue()) / 2);
            if (p.color(QPalette::Disabled, pair.text) != faded) {
                p.setColor(QPalette::Disabled, pair.text, faded);
                changed = true;
            }
        }
        if (changed)
            control->setPalette(p);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The scheme sets the colours of every group; the faded text follows each change.
        if (event->type() == QEvent::PaletteChange)
            fade(static_cast<QWidget*>(watched));
        return QObject::eventFilter(watched, event);
    }
};
} // namespace

void fadeWhenDisabled(QWidget* control)
{
    new Fader(control);
    Fader::fade(control);
}
