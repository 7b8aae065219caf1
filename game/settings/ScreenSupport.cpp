#include "ScreenSupport.h"

#include "flow/ButtonPress.h"
#include "flow/Colours.h"
#include "flow/Controls.h"
#include "flow/ScreenKit.h"

#include <QWidget>

#include <vuzedovi/Tavorel.h>

void tellNotice(Dialogs& dialogs, QWidget* parent, const SettingsNotice& notice)
{
    Dialogs::Icon icon = Dialogs::Icon::None;
    switch (notice.icon) {
    case SettingsNotice::Icon::None: icon = Dialogs::Icon::None; break;
    case SettingsNotice::Icon::Information: icon = Dialogs::Icon::Information; break;
    case SettingsNotice::Icon::Exclamation: icon = Dialogs::Icon::Exclamation; break;
    }
    dialogs.tell(parent, notice.text, notice.caption, icon);
}

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
