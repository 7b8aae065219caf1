// Mouse and keyboard handling of Tavorel.
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QStringEncoder>
#include <QWindow>

#include "TavorelPrivate.h"

namespace vuzedovi {

namespace {

constexpr short VkScrollLock = 145;

struct KeyCode {
    int qtKey;
    short vk;
};

// Keys whose virtual-key code is not their own character code.
constexpr KeyCode KeyCodes[] = {
    {Qt::Key_Cancel, 3},       {Qt::Key_Backspace, 8},    {Qt::Key_Tab, 9},
    {Qt::Key_Backtab, 9},      {Qt::Key_Clear, 12},       {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},       {Qt::Key_Shift, 16},       {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18},         {Qt::Key_Pause, 19},       {Qt::Key_CapsLock, 20},
    {Qt::Key_Escape, 27},      {Qt::Key_Space, 32},       {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},    {Qt::Key_End, 35},         {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},        {Qt::Key_Up, 38},          {Qt::Key_Right, 39},
    {Qt::Key_Down, 40},        {Qt::Key_Select, 41},      {Qt::Key_Printer, 42},
    {Qt::Key_Execute, 43},     {Qt::Key_Print, 44},       {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},      {Qt::Key_Help, 47},        {Qt::Key_Meta, 91},
    {Qt::Key_Menu, 93},        {Qt::Key_Sleep, 95},       {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, VkScrollLock},
    {Qt::Key_Semicolon, 186},  {Qt::Key_Colon, 186},      {Qt::Key_Equal, 187},
    {Qt::Key_Plus, 187},       {Qt::Key_Comma, 188},      {Qt::Key_Less, 188},
    {Qt::Key_Minus, 189},      {Qt::Key_Underscore, 189}, {Qt::Key_Period, 190},
    {Qt::Key_Greater, 190},    {Qt::Key_Slash, 191},      {Qt::Key_Question, 191},
    {Qt::Key_QuoteLeft, 192},  {Qt::Key_BracketLeft, 219},{Qt::Key_Backslash, 220},
    {Qt::Key_BracketRight, 221}, {Qt::Key_Apostrophe, 222},
};

// The keypad's own codes, used when the key event carries the keypad modifier.
constexpr KeyCode KeypadCodes[] = {
    {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107}, {Qt::Key_Minus, 109},
    {Qt::Key_Period, 110},   {Qt::Key_Comma, 110}, {Qt::Key_Slash, 111},
};

short mouseButtonCode(Qt::MouseButtons buttons)
{
    short code = 0;
    if (buttons & Qt::LeftButton)
        code |= 1;
    if (buttons & Qt::RightButton)
        code |= 2;
    if (buttons & Qt::MiddleButton)
        code |= 4;
    return code;
}

// The parameters of the mouse events: button code, shift mask and position in twips.
struct MouseArguments {
    short button;
    short shift;
    float x;
    float y;
};

MouseArguments mouseArguments(const Tavorel& control, const QMouseEvent& event, Qt::MouseButtons buttons)
{
    return {mouseButtonCode(buttons), shiftMask(event.modifiers()),
            float(event.position().x() * control.twipsPerPixelX()),
            float(event.position().y() * control.twipsPerPixelY())};
}

// The frame a button shows while it is pressed: Button, ToggleButtonUp and ButtonFlat sink,
// ToggleButtonDown and AntiButton rise.
void showPress(Tavorel& control)
{
    switch (control.Style()) {
    case constStyle::Button:
    case constStyle::ToggleButtonUp:
    case constStyle::ButtonFlat:
        control.DrawSunkenFrame();
        break;
    case constStyle::ToggleButtonDown:
    case constStyle::AntiButton:
        control.DrawRaisedFrame();
        break;
    default:
        break;
    }
}

// What letting go of a press does: Button and ButtonFlat rise, AntiButton sinks, a toggle
// button stores its other Style only (the frame of its press stays until the next full paint).
void releasePress(Tavorel& control, TavorelState& s)
{
    const constStyle before = s.style;
    switch (s.style) {
    case constStyle::Button:
    case constStyle::ButtonFlat:
        control.DrawRaisedFrame();
        break;
    case constStyle::ToggleButtonUp:
        s.style = constStyle::ToggleButtonDown;
        break;
    case constStyle::ToggleButtonDown:
        s.style = constStyle::ToggleButtonUp;
        break;
    case constStyle::AntiButton:
        control.DrawSunkenFrame();
        break;
    default:
        break;
    }
    if (s.style != before)
        followStyle(control, before);
}

// Space and Enter press a button that has the focus, as a left click does.
bool isActivationKey(int key)
{
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

void releaseCapture(QWidget& control, TavorelState& state)
{
    if (state.mouseGrabbed) {
        control.releaseMouse();
        state.mouseGrabbed = false;
    }
}

short virtualKeyCode(int qtKey, bool keypad)
{
    if (keypad) {
        if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
            return short(96 + qtKey - Qt::Key_0);
        for (const KeyCode& k : KeypadCodes)
            if (k.qtKey == qtKey)
                return k.vk;
    }
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return short(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return short(112 + qtKey - Qt::Key_F1);
    for (const KeyCode& k : KeyCodes)
        if (k.qtKey == qtKey)
            return k.vk;
    return 0;
}

short shiftMask(Qt::KeyboardModifiers modifiers)
{
    short mask = 0;
    if (modifiers & Qt::ShiftModifier)
        mask |= 1;
    if (modifiers & Qt::ControlModifier)
        mask |= 2;
    if (modifiers & Qt::AltModifier)
        mask |= 4;
    return mask;
}

void Tavorel::mousePressEvent(QMouseEvent* event)
{
    MouseArguments args = mouseArguments(*this, *event, event->button());
    d->pressedButton = event->button();

    if (event->button() == Qt::LeftButton) {
        d->lastPressLeft = true;
        switch (d->style) {
        case constStyle::PanelUp:
        case constStyle::PanelDown:
        case constStyle::PanelFlat:
            d->dragTarget = nullptr;
            if (d->moveControl == constMoveControl::MoveForm) {
                releaseCapture(*this, *d);
                QWindow* handle = window()->windowHandle();
                if (!handle || !handle->startSystemMove())
                    d->dragTarget = window();  // no interactive move here: follow the pointer
            } else if (d->moveControl == constMoveControl::MoveMe) {
                d->dragTarget = this;
            }
            if (d->dragTarget) {
                d->dragging = true;
                d->dragStartGlobal = event->globalPosition().toPoint();
                d->dragStartPos = d->dragTarget->pos();
            }
            break;
        default:
            showPress(*this);  // the buttons; nothing for a Style outside constStyle
            break;
        }

        // The Scroll Lock keystroke: the control takes the focus and receives key down and
        // key up, which reach the container as KeyDown and KeyUp shortly after the press.
        setFocus(Qt::MouseFocusReason);
        QCoreApplication::postEvent(this, new QKeyEvent(QEvent::KeyPress, Qt::Key_ScrollLock, Qt::NoModifier));
        QCoreApplication::postEvent(this, new QKeyEvent(QEvent::KeyRelease, Qt::Key_ScrollLock, Qt::NoModifier));

        if (d->internetLink == constInternetLink::InternetPage)
            openUrl(QUrl::fromUserInput(d->caption));
        else if (d->internetLink == constInternetLink::EMail)
            openUrl(QUrl(QStringLiteral("mailto:") + d->caption + QStringLiteral("?Subject=")
                         + QStringLiteral("About ...")));
    } else {
        d->lastPressLeft = false;
    }
    emit MouseDown(args.button, args.shift, args.x, args.y);
}

void Tavorel::mouseMoveEvent(QMouseEvent* event)
{
    MouseArguments args = mouseArguments(*this, *event, event->buttons());

    if (d->dragging && d->dragTarget && (event->buttons() & Qt::LeftButton))
        d->dragTarget->move(d->dragStartPos + event->globalPosition().toPoint() - d->dragStartGlobal);

    if (d->style == constStyle::ButtonFlat) {
        const double widthTwips = width() * twipsPerPixelX();
        const double heightTwips = height() * twipsPerPixelY();
        if (args.x > 0 && args.x < widthTwips && args.y > 0 && args.y < heightTwips) {
            if (!d->mouseGrabbed && isVisible()) {
                grabMouse();
                d->mouseGrabbed = true;
            }
            DrawRaisedFrame();
        } else {
            releaseCapture(*this, *d);
            PaintControl();
        }
    }

    if (d->internetLink == constInternetLink::None)
        unsetCursor();
    else
        setCursor(Qt::PointingHandCursor);

    emit MouseMove(args.button, args.shift, args.x, args.y);
}

void Tavorel::mouseReleaseEvent(QMouseEvent* event)
{
    MouseArguments args = mouseArguments(*this, *event, event->button());

    if (event->button() == Qt::LeftButton) {
        releasePress(*this, *d);
        d->dragging = false;
        d->dragTarget = nullptr;
    }

    const bool click = event->button() == d->pressedButton && rect().contains(event->position().toPoint());
    d->pressedButton = Qt::NoButton;
    QPointer<Tavorel> self(this);
    emit MouseUp(args.button, args.shift, args.x, args.y);
    if (click && self)
        emit Click();
}

void Tavorel::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click is a double click, not a press: it sinks no frame,
    // sends no Scroll Lock and raises no MouseDown, so a button acts once. Its release is an
    // ordinary release without a Click.
    d->pressedButton = Qt::NoButton;
    event->accept();
}

void Tavorel::leaveEvent(QEvent* event)
{
    if (d->style == constStyle::ButtonFlat) {
        releaseCapture(*this, *d);
        PaintControl();
    }
    QWidget::leaveEvent(event);
}

void Tavorel::keyPressEvent(QKeyEvent* event)
{
    short code = virtualKeyCode(event->key(), event->modifiers().testFlag(Qt::KeypadModifier));
    short shift = shiftMask(event->modifiers());
    QPointer<Tavorel> self(this);
    emit KeyDown(code, shift);
    if (!self)
        return;
    // KeyPress carries the character's single-byte code, as typed characters have one.
    const QString text = event->text();
    if (text.size() == 1) {
        QStringEncoder encode("windows-1251");
        const QByteArray bytes = encode(text);
        if (bytes.size() == 1 && !encode.hasError()) {
            short ascii = short(static_cast<unsigned char>(bytes.at(0)));
            emit KeyPress(ascii);
            if (!self)
                return;
        }
    }
    if (!isButtonStyle(d->style) || !isActivationKey(event->key())) {
        // A key the control does not use goes on to its window, as on any button: Escape
        // still closes the dialog the focused control stands in. Scroll Lock stays: the
        // control sends it to itself after each left press.
        if (event->key() != Qt::Key_ScrollLock)
            event->ignore();
        return;
    }
    if (!event->isAutoRepeat()) {
        d->activationKey = event->key();
        showPress(*this);
    }
}

void Tavorel::keyReleaseEvent(QKeyEvent* event)
{
    if (event->isAutoRepeat())
        return;
    short code = virtualKeyCode(event->key(), event->modifiers().testFlag(Qt::KeypadModifier));
    short shift = shiftMask(event->modifiers());
    QPointer<Tavorel> self(this);
    emit KeyUp(code, shift);
    if (!self)
        return;
    if (event->key() != d->activationKey) {
        if (event->key() != Qt::Key_ScrollLock)
            event->ignore();
        return;
    }
    // The release of the Space or Enter that went down here: the button's click.
    d->activationKey = 0;
    if (!isButtonStyle(d->style))
        return;
    releasePress(*this, *d);
    settleFlatButton(*this);
    emit Click();
}

namespace {
// Whether the user is moving through the controls with the keyboard: a Tab or Backtab key
// turns it on, any mouse press off. The focus a window hands its first control when it opens
// comes "by Tab" too; for a mouse user that shows no frame.
class InputModality final : public QObject {
public:
    static bool keyboard() { return s_keyboard; }
    static void watch()
    {
        static InputModality* watcher = [] {
            auto* w = new InputModality(QCoreApplication::instance());
            QCoreApplication::instance()->installEventFilter(w);
            return w;
        }();
        Q_UNUSED(watcher);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
                s_keyboard = true;
        } else if (event->type() == QEvent::MouseButtonPress) {
            s_keyboard = false;
        }
        return false;
    }

private:
    using QObject::QObject;
    static inline bool s_keyboard = false;
};
} // namespace

void watchInputModality()
{
    if (QCoreApplication::instance())
        InputModality::watch();
}

bool keyboardModality()
{
    return InputModality::keyboard();
}

void Tavorel::focusInEvent(QFocusEvent* event)
{
    switch (event->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
        d->keyboardFocus = InputModality::keyboard();
        break;
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
        break;  // the focus comes back the way it had come
    default:
        d->keyboardFocus = false;  // from the mouse or the program: no frame
        break;
    }
    if (d->keyboardFocus)
        update();
}

void Tavorel::focusOutEvent(QFocusEvent* event)
{
    if (d->activationKey != 0) {
        // A Space or Enter still held presses nothing once the focus has gone.
        d->activationKey = 0;
        DrawStyleFrame();
    }
    if (d->keyboardFocus)
        update();
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        d->keyboardFocus = false;
}

void settleFlatButton(Tavorel& control)
{
    if (control.Style() == constStyle::ButtonFlat && !control.underMouse())
        control.DrawStyleFrame();
}

} // namespace vuzedovi
