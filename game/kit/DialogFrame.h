// What the settings subsystem's screens share: the frameless window body with its Tavorel27
// title bar, and its action buttons.
#pragma once

#include "ScreenKit.h"

#include <QRect>
#include <QString>

#include <functional>

class QWidget;
namespace vuzedovi {
class Tavorel;
}

// Makes widget a modal window named name, in the screens' dark body, with the title bar
// Tavorel27 captioned title across its top (dragging it moves the window).
void buildDialogFrame(QWidget* widget, const char* name, const QString& title, int width,
                      int height);
inline constexpr int DialogTitleHeight = TitleBarHeight;

// A Tavorel action button: a press (KeyUp) runs action.
vuzedovi::Tavorel* actionButton(QWidget* parent, const char* name, const QString& caption,
                                const QRect& place, std::function<void()> action);

// Escape anywhere on the screen runs cancel, as its "Нет" button does.
void cancelOnEscape(QWidget* screen, std::function<void()> cancel);
