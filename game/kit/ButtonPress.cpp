#include "ButtonPress.h"

#include <QAbstractButton>
#include <QEvent>
#include <QKeyEvent>
#include <QObject>

#include <vuzedovi/Tavorel.h>

namespace {
constexpr short ScrollLock = 145, Enter = 13, Space = 32;
constexpr short LeftButton = 1;

bool isPressKey(short code)
{
    return code == Enter || code == Space;
}

// Follows one button's mouse and key events and tells which of them make a press.
class PressTracker final : public QObject {
public:
    PressTracker(vuzedovi::Tavorel* button, std::function<void()> action, PressOn when)
        : QObject(button), m_action(std::move(action)), m_when(when)
    {
        connect(button, &vuzedovi::Tavorel::MouseDown, this,
                [this](short& mouseButton, short&, float&, float&) {
                    if (mouseButton & LeftButton)
                        m_leftPressed = true;
                });
        connect(button, &vuzedovi::Tavorel::KeyDown, this,
                [this](short& code, short&) { keyDown(code); });
        connect(button, &vuzedovi::Tavorel::KeyUp, this,
                [this](short& code, short&) { keyUp(code); });
        button->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        // Seen before the control turns the key into KeyDown.
        if (event->type() == QEvent::KeyPress)
            m_repeating = static_cast<QKeyEvent*>(event)->isAutoRepeat();
        return false;
    }

private:
    void keyDown(short code)
    {
        if (code == ScrollLock) {
            // The control's own keystroke after a left press; any other Scroll Lock is a key.
            m_scrollLockFromPress = m_leftPressed;
            m_leftPressed = false;
            if (m_scrollLockFromPress && m_when == PressOn::KeyDown) {
                m_scrollLockFromPress = false;
                m_action();
            }
        } else if (isPressKey(code)) {
            // A held key that went down elsewhere (on the message box it closed) repeats here.
            if (m_repeating && m_keyDown != code)
                return;
            const bool first = m_keyDown != code; // held keys repeat their KeyDown
            m_keyDown = code;
            if (first && m_when == PressOn::KeyDown)
                m_action();
        }
    }

    void keyUp(short code)
    {
        if (code == ScrollLock) {
            const bool press = m_scrollLockFromPress;
            m_scrollLockFromPress = false;
            if (press && m_when == PressOn::KeyUp)
                m_action();
        } else if (isPressKey(code) && m_keyDown == code) {
            m_keyDown = 0;
            if (m_when == PressOn::KeyUp)
                m_action();
        }
    }

    std::function<void()> m_action;
    PressOn m_when;
    bool m_repeating = false;
    bool m_leftPressed = false;
    bool m_scrollLockFromPress = false;
    short m_keyDown = 0;
};
} // namespace

namespace {
class EnterClick final : public QObject {
public:
    EnterClick(QAbstractButton* button, bool arrowsStill)
        : QObject(button), m_button(button), m_arrowsStill(arrowsStill)
    {
        button->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (m_arrowsStill && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down
                              || key->key() == Qt::Key_Left || key->key() == Qt::Key_Right))
            return true;
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || key->isAutoRepeat())
            return false;
        m_button->click();
        return true;
    }

private:
    QAbstractButton* m_button;
    bool m_arrowsStill; // the arrow keys neither move the focus nor click
};
} // namespace

void clickOnEnter(QAbstractButton* button)
{
    new EnterClick(button, false);
}

void clickOnKeys(QAbstractButton* option)
{
    option->setFocusPolicy(Qt::TabFocus);
    new EnterClick(option, true);
}

void onPress(vuzedovi::Tavorel* button, std::function<void()> action, PressOn when)
{
    if (button)
        new PressTracker(button, std::move(action), when);
}
