#include "DisabledText.h"

#include "Colours.h"
#include "ScreenKit.h"

#include <QEvent>
#include <QPalette>
#include <QWidget>

#include <vuzedovi/Tavorel.h>

#include <algorithm>

namespace {
// The panel's bands are whole colour steps, so its colours behind an option are known to a
// step only: the option's text aims a little higher.
constexpr Fading ReadableOnBands{4.6};
constexpr int BandSamples = 6;

QColor mix(const QColor& a, const QColor& b, double share,
           Fading::Rounding rounding = Fading::Rounding::Nearest)
{
    const double half = rounding == Fading::Rounding::Nearest ? 0.5 : 0.0;
    const auto channel = [share, half](int x, int y) { return int(x + (y - x) * share + half); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                  channel(a.blue(), b.blue()));
}

QColor average(const QList<QColor>& colours)
{
    int r = 0, g = 0, b = 0;
    for (const QColor& c : colours) {
        r += c.red();
        g += c.green();
        b += c.blue();
    }
    const int n = std::max<int>(1, int(colours.size()));
    return QColor(r / n, g / n, b / n);
}

double worstContrast(const QColor& text, const QList<QColor>& behind)
{
    double worst = 21.0;
    for (const QColor& back : behind)
        worst = std::min(worst, contrastRatio(text, back));
    return worst;
}

// The colours a Tavorel panel paints behind the child `control`: its gradient runs from
// ColorStart to ColorEnd down the panel (or across it, when its gradient is vertical), so the
// control sees the stretch of it over its own rows (or columns).
QList<QColor> bandsBehind(const QWidget* control, const vuzedovi::Tavorel& panel)
{
    const QColor start = toQColor(panel.ColorStart()), end = toQColor(panel.ColorEnd());
    const bool across = panel.GradientOrientation() == vuzedovi::constOrientation::Vertical;
    const QRect place = control->geometry();
    const double length = std::max(1, across ? panel.width() : panel.height());
    const double from = (across ? place.left() : place.top()) / length;
    const double to = (across ? place.right() : place.bottom()) / length;
    QList<QColor> bands;
    for (int i = 0; i < BandSamples; ++i)
        bands << mix(start, end, std::clamp(from + (to - from) * i / (BandSamples - 1), 0.0, 1.0));
    return bands;
}

void setText(QPalette& p, QPalette::ColorGroup group, const QColor& colour)
{
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        p.setColor(group, role, colour);
}

// Each text role fades into the background it is drawn on.
struct RolePair {
    QPalette::ColorRole text, background;
};
constexpr RolePair rolePairs[] = {
    {QPalette::WindowText, QPalette::Window},
    {QPalette::Text, QPalette::Base},
    {QPalette::ButtonText, QPalette::Button},
};

// Keeps a control's disabled text faded as its colours change.
class Fader : public QObject {
public:
    Fader(QWidget* control, const Fading& fading) : QObject(control), m_fading(fading)
    {
        control->installEventFilter(this);
    }

    void fade(QWidget* control) const
    {
        QPalette p = control->palette();
        bool changed = false;
        for (const RolePair& pair : rolePairs) {
            const QColor text = p.color(QPalette::Active, pair.text);
            const QColor back = p.color(QPalette::Active, pair.background);
            const QColor faded = disabledTextColour(text, {back}, m_fading).value_or(text);
            if (p.color(QPalette::Disabled, pair.text) != faded) {
                p.setColor(QPalette::Disabled, pair.text, faded);
                changed = true;
            }
        }
        if (changed)
            control->setPalette(p);
        if (m_fading.italic && control->font().italic() == control->isEnabled()) {
            QFont font = control->font();
            font.setItalic(!control->isEnabled());
            control->setFont(font);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::PaletteChange || event->type() == QEvent::EnabledChange)
            fade(static_cast<QWidget*>(watched));
        return QObject::eventFilter(watched, event);
    }

private:
    Fading m_fading;
};
} // namespace

std::optional<QColor> turnedToRead(const QColor& text, const QList<QColor>& behind,
                                   const Fading& fading)
{
    const QColor black(0, 0, 0), white(255, 255, 255);
    const QColor extreme =
        worstContrast(black, behind) >= worstContrast(white, behind) ? black : white;
    for (int step = 0; step <= 10; ++step) {
        const QColor turned = mix(text, extreme, step / 10.0, fading.rounding);
        if (worstContrast(turned, behind) >= fading.contrast)
            return turned;
    }
    return std::nullopt;
}

std::optional<QColor> disabledTextColour(const QColor& text, const QList<QColor>& behind,
                                         const Fading& fading)
{
    const QColor back = average(behind);
    for (int step = 10; step >= 0; --step) {
        const QColor faded = mix(text, back, step / 20.0, fading.rounding);
        if (worstContrast(faded, behind) >= fading.contrast)
            return faded;
    }
    return turnedToRead(text, behind, fading);
}

void fadeWhenDisabled(QWidget* control, const Fading& fading)
{
    (new Fader(control, fading))->fade(control);
}

void readableOnGradient(QWidget* control, const QColor& text)
{
    const vuzedovi::Tavorel* panel = tavorel(control->parentWidget());
    QPalette p = control->palette();
    const QList<QColor> behind =
        panel ? bandsBehind(control, *panel)
              : QList<QColor>{p.color(QPalette::Active, control->backgroundRole())};
    std::optional<QColor> shown = turnedToRead(text, behind, ReadableOnBands);
    std::optional<QColor> disabled =
        shown ? disabledTextColour(*shown, behind, ReadableOnBands) : std::nullopt;
    const bool backed = !disabled;
    if (backed) {
        // No colour reads on all of these bands: the control lies on a backing of their
        // average, on which black or white always reads.
        const QColor backing = average(behind);
        p.setColor(control->backgroundRole(), backing);
        shown = turnedToRead(text, {backing}, ReadableFading);
        disabled = disabledTextColour(*shown, {backing}, ReadableFading);
    }
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        setText(p, group, *shown);
    setText(p, QPalette::Disabled, *disabled);
    control->setPalette(p);
    control->setAutoFillBackground(backed);
}
