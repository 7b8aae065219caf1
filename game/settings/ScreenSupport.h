// What the settings subsystem's screens share: showing a rule's message through the game's
// dialogs, and the frameless window body with its Tavorel27 title bar.
#pragma once

#include "SettingsRules.h"

#include "flow/Dialogs.h"
#include "flow/ScreenKit.h"

#include <QRect>

#include <functional>

class QWidget;
namespace vuzedovi {
class Tavorel;
}

void tellNotice(Dialogs& dialogs, QWidget* parent, const SettingsNotice& notice);

// Makes widget a modal window named name, in the screens' dark body, with the title bar
// Tavorel27 captioned title across its top (dragging it moves the window).
void buildDialogFrame(QWidget* widget, const char* name, const QString& title, int width,
                      int height);
inline constexpr int DialogTitleHeight = TitleBarHeight;

// A Tavorel action button: a press (KeyUp) runs action.
vuzedovi::Tavorel* actionButton(QWidget* parent, const char* name, const QString& caption,
                                const QRect& place, std::function<void()> action);
