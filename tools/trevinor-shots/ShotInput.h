// The player's hand for the pictures: toolbar keys, the pointer resting on a control, a left
// click, as the window system would report them.
#pragma once

#include "flow/MainScreen.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QToolBar>

inline void toolbar(MainScreen* s, const char* key)
{
    s->control<QToolBar>("Toolbar1")->findChild<QAction*>(QString::fromLatin1(key))->trigger();
}

inline void pointAt(QWidget* w, QPointF at)
{
    QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

inline void pointAt(QWidget* w)
{
    pointAt(w, QRectF(w->rect()).center());
}

// The pointer passing over an empty corner of a panel: the hover reset.
inline void pointAtCorner(QWidget* panel)
{
    pointAt(panel, QPointF(panel->width() - 4, panel->height() - 3));
}

inline void click(QWidget* w)
{
    const QPointF at = QRectF(w->rect()).center();
    QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QApplication::sendEvent(w, &release);
}

// The top-level window of that name, or nullptr.
inline QWidget* topLevel(const char* name)
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String(name))
            return w;
    }
    return nullptr;
}
