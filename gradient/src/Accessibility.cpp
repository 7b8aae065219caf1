// What assistive technology learns of a Tavorel: a button (a check box for the toggle
// buttons, as a checkable QPushButton is), or static text or a grouping for a panel, named by
// its caption, with a press action that presses it as the mouse does.
#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPointer>

#include "TavorelPrivate.h"

namespace vuzedovi {

#if QT_CONFIG(accessibility)

namespace {

// A left press and release at the control's centre, through its own mouse handlers: the
// container hears MouseDown, the Scroll Lock KeyDown and KeyUp, MouseUp and Click, in that
// order, and the control shows and does what a click of the mouse shows and does.
void clickAtCentre(Tavorel* control)
{
    QPointer<Tavorel> alive(control);
    const QPointF centre(control->rect().center());
    const QPointF global = control->mapToGlobal(centre);
    QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(control, &press);
    // The Scroll Lock keystroke the press posted comes before the release, as it does between
    // the press and the release of a hand on the mouse.
    for (QEvent::Type key : {QEvent::KeyPress, QEvent::KeyRelease})
        if (alive)
            QCoreApplication::sendPostedEvents(control, key);
    if (!alive)
        return;
    QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(control, &release);
    if (alive)
        settleFlatButton(*control);
}

class AccessibleTavorel : public QAccessibleWidget {
public:
    explicit AccessibleTavorel(Tavorel* control) : QAccessibleWidget(control, QAccessible::Button) {}

    QAccessible::Role role() const override
    {
        const constStyle style = control()->Style();
        if (isToggleStyle(style))
            return QAccessible::CheckBox;
        if (isButtonStyle(style))
            return QAccessible::Button;
        // A panel that holds other controls groups them; one that does not is a line of text.
        return childCount() > 0 ? QAccessible::Grouping : QAccessible::StaticText;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return control()->Caption();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (isToggleStyle(control()->Style())) {
            state.checkable = true;
            state.checked = control()->Style() == constStyle::ToggleButtonDown;
        }
        return state;
    }

    QStringList actionNames() const override
    {
        QStringList names;
        const constStyle style = control()->Style();
        if (widget()->isEnabled() && isButtonStyle(style)) {
            if (isToggleStyle(style))
                names << toggleAction();
            names << pressAction();
        }
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override
    {
        if (!widget()->isEnabled())
            return;
        const constStyle style = control()->Style();
        const bool presses = name == pressAction() || (isToggleStyle(style) && name == toggleAction());
        if (presses && isButtonStyle(style))
            clickAtCentre(control());
        else
            QAccessibleWidget::doAction(name);
    }

private:
    Tavorel* control() const { return static_cast<Tavorel*>(widget()); }
};

// Keyed on the class name, as Qt's own widgets are; subclasses reach it through their base.
QAccessibleInterface* accessibleTavorel(const QString& className, QObject* object)
{
    if (className == QLatin1String(Tavorel::staticMetaObject.className()))
        if (auto* control = qobject_cast<Tavorel*>(object))
            return new AccessibleTavorel(control);
    return nullptr;
}

// Passes an event on to assistive technology. Qt drops events while no screen reader listens,
// even those for an update handler the program installed itself (a test, a recorder); such a
// handler hears the control's events all the same.
void announce(QAccessibleEvent& event)
{
    if (QAccessible::isActive()) {
        QAccessible::updateAccessibility(&event);
        return;
    }
    const QAccessible::UpdateHandler handler = QAccessible::installUpdateHandler(nullptr);
    QAccessible::installUpdateHandler(handler);
    if (handler)
        handler(&event);
}

} // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&accessibleTavorel);
        return true;
    }();
    Q_UNUSED(installed);
}

void announceNameChange(Tavorel& control)
{
    if (!control.accessibleName().isEmpty())
        return;  // the name set for assistive technology stands in for the caption
    QAccessibleEvent event(&control, QAccessible::NameChanged);
    announce(event);
}

void announceCheckedChange(Tavorel& control)
{
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(&control, changed);
    announce(event);
}

#else

void installAccessibility() {}
void announceNameChange(Tavorel&) {}
void announceCheckedChange(Tavorel&) {}

#endif

} // namespace vuzedovi
