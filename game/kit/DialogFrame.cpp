#include "DialogFrame.h"

#include "ButtonPress.h"
#include "Colours.h"
#include "Controls.h"
#include "ScreenKit.h"

#include <QShortcut>
#include <QWidget>

#include <vuzedovi/Tavorel.h>

void buildDialogFrame(QWidget* widget, const char* name, const QString& title, int width,
                      int height)
{
    widget->setWindowFlags(ScreenWindow);
    widget->setWindowModality(Qt::ApplicationModal);
    widget->setAttribute(Qt::WA_DeleteOnClose);
    frameScreen(widget, name, {width, height}, title);
    setDarkBody(widget);
    createTitleBar(widget, width, title);
}

vuzedovi::Tavorel* actionButton(QWidget* parent, const char* name, const QString& caption,
                                const QRect& place, std::function<void()> action)
{
    auto* button =
        tavorel(createTavorel(parent, {name, nullptr, place, buttonProperties(caption)}));
    onPress(button, std::move(action));
    return button;
}

void cancelOnEscape(QWidget* screen, std::function<void()> cancel)
{
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), screen);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(escape, &QShortcut::activated, screen, std::move(cancel));
}
