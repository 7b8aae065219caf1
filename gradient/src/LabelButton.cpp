// A label that acts as a button by keyboard and for assistive technology: its keys, its focus
// and its accessibility interface.
#include "vuzedovi/LabelButton.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleOption>
#include <QTextDocument>

#include <utility>

#include "TavorelPrivate.h"

namespace vuzedovi {

namespace {

bool isPressKey(int key)
{
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

class LabelButtonWatcher final : public QObject {
public:
    LabelButtonWatcher(QLabel* label, LabelButton button)
        : QObject(label), m_label(label), m_button(std::move(button))
    {
        label->setFocusPolicy(Qt::TabFocus);
        label->installEventFilter(this);
    }

    // A press asked for by assistive technology: once its call has returned, the label gets
    // Space as from the keyboard, so that whatever holds the window's keys (a page loading)
    // holds this press too.
    void pressLater()
    {
        QMetaObject::invokeMethod(
            this,
            [this] {
                QPointer<QLabel> label(m_label);
                QKeyEvent down(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
                QCoreApplication::sendEvent(label, &down);
                QKeyEvent up(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
                if (label)
                    QCoreApplication::sendEvent(label, &up);
            },
            Qt::QueuedConnection);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return key(static_cast<QKeyEvent*>(event));
        case QEvent::FocusIn:
            // Kept from the label, which would start drawing its text as an editor does.
            focusIn(static_cast<QFocusEvent*>(event)->reason());
            return true;
        case QEvent::FocusOut:
            focusOut(static_cast<QFocusEvent*>(event)->reason());
            break;
        case QEvent::EnabledChange:
        case QEvent::Hide:
            m_key = 0;  // a press the label can no longer finish
            if (!m_label->isEnabled())
                unpoint();
            break;
        case QEvent::Paint:
            return paintWithFrame(event);
        default:
            break;
        }
        return false;
    }

private:
    // Space or Enter: the press on the release of the key that went down here, once.
    bool key(QKeyEvent* event)
    {
        if (!isPressKey(event->key()) || !m_label->isEnabled())
            return false;
        if (event->isAutoRepeat())
            return true;
        if (event->type() == QEvent::KeyPress) {
            m_key = event->key();
        } else if (std::exchange(m_key, 0) == event->key() && m_button.press) {
            m_button.press();
        }
        return true;
    }

    void focusIn(Qt::FocusReason reason)
    {
        switch (reason) {
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
            m_keyboard = keyboardModality();
            break;
        case Qt::ActiveWindowFocusReason:
        case Qt::PopupFocusReason:
            m_keyboard = m_keyboard && keyboardModality();  // back as it went, unless the mouse
            break;                                           // has been used since
        default:
            m_keyboard = false;  // from the mouse or the program: no frame, nothing shown
            break;
        }
        if (m_keyboard) {
            m_pointed = true;
            if (m_button.point)
                m_button.point();
        } else {
            unpoint();
        }
        m_label->update();
    }

    void focusOut(Qt::FocusReason reason)
    {
        m_key = 0;  // a Space or Enter still held presses nothing once the focus has gone
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            return;  // another window for a while: the focus comes back here
        m_keyboard = false;
        unpoint();
        m_label->update();
    }

    void unpoint()
    {
        if (std::exchange(m_pointed, false) && m_button.leave)
            m_button.leave();
    }

    // The label's picture, and the frame over it while the focus came from the keyboard.
    bool paintWithFrame(QEvent* event)
    {
        if (m_painting)
            return false;
        const bool framed = m_keyboard && m_label->hasFocus();
        if (!paintsOwnText() && !framed)
            return false;
        if (paintsOwnText()) {
            paintText();
        } else {
            m_painting = true;
            QCoreApplication::sendEvent(m_label, event);
            m_painting = false;
        }
        if (framed) {
            QPainter painter(m_label);
            paintFocusFrame(painter, m_label->width(), m_label->height(),
                            m_label->palette().color(m_label->backgroundRole()));
        }
        return true;
    }

    // A label that may take the focus draws its text through a text document, a pixel higher
    // than a plain label does: the text is drawn here as a plain label draws it.
    bool paintsOwnText() const
    {
        const Qt::TextFormat format = m_label->textFormat();
        return !m_label->text().isEmpty() && m_label->frameShape() == QFrame::NoFrame
            && (format == Qt::PlainText
                || (format == Qt::AutoText && !Qt::mightBeRichText(m_label->text())));
    }

    void paintText() const
    {
        QPainter painter(m_label);
        const int margin = m_label->margin();
        QRect area = m_label->contentsRect().adjusted(margin, margin, -margin, -margin);
        const QString text = m_label->text();
        const Qt::LayoutDirection direction = text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
        const Qt::Alignment align = QStyle::visualAlignment(direction, m_label->alignment());
        if (const int indent = m_label->indent(); indent > 0) {
            area.adjust(align & Qt::AlignLeft ? indent : 0, align & Qt::AlignTop ? indent : 0,
                        align & Qt::AlignRight ? -indent : 0, align & Qt::AlignBottom ? -indent : 0);
        }
        int flags = int(align) | Qt::TextExpandTabs
            | (direction == Qt::LeftToRight ? Qt::TextForceLeftToRight : Qt::TextForceRightToLeft);
        if (m_label->wordWrap())
            flags |= Qt::TextWordWrap;
        QStyleOption option;
        option.initFrom(m_label);
        m_label->style()->drawItemText(&painter, area, flags, option.palette, m_label->isEnabled(),
                                       text, m_label->foregroundRole());
    }

    QLabel* m_label;
    LabelButton m_button;
    int m_key = 0;            // the Space or Enter that went down on the label
    bool m_keyboard = false;  // the focus came from the keyboard
    bool m_pointed = false;   // point has run, leave not yet
    bool m_painting = false;
};

LabelButtonWatcher* watcherOf(QObject* label)
{
    for (QObject* child : label->children()) {
        if (auto* watcher = dynamic_cast<LabelButtonWatcher*>(child))
            return watcher;
    }
    return nullptr;
}

#if QT_CONFIG(accessibility)

class AccessibleLabelButton final : public QAccessibleWidget {
public:
    explicit AccessibleLabelButton(QLabel* label) : QAccessibleWidget(label, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (widget()->isEnabled())
            names << pressAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override
    {
        if (name != pressAction()) {
            QAccessibleWidget::doAction(name);
        } else if (widget()->isEnabled()) {
            if (LabelButtonWatcher* watcher = watcherOf(widget()))
                watcher->pressLater();
        }
    }
};

QAccessibleInterface* accessibleLabelButton(const QString& className, QObject* object)
{
    if (className != QLatin1String(QLabel::staticMetaObject.className()) || !watcherOf(object))
        return nullptr;
    return new AccessibleLabelButton(static_cast<QLabel*>(object));
}

// The label is a button from now on, also for an interface made of it before (setting its text
// makes one, and it would stay a line of text).
void announceButton(QLabel* label)
{
    static const bool installed = [] {
        QAccessible::installFactory(&accessibleLabelButton);
        return true;
    }();
    Q_UNUSED(installed);
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(label);
    if (made && !dynamic_cast<AccessibleLabelButton*>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

#else

void announceButton(QLabel*) {}

#endif

}  // namespace

void makeLabelButton(QLabel* label, LabelButton button)
{
    if (!label || watcherOf(label))
        return;
    watchInputModality();
    new LabelButtonWatcher(label, std::move(button));
    announceButton(label);
}

}  // namespace vuzedovi
