#include "ScreenPlacement.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QScreen>
#include <QWidget>

ScreenPlacement::ScreenPlacement(QObject* parent) : QObject(parent)
{
    qApp->installEventFilter(this);
}

ScreenPlacement::~ScreenPlacement()
{
    qApp->removeEventFilter(this);
}

void ScreenPlacement::place(QWidget* window)
{
    // A window the game or the player moved already keeps its place.
    if (window->testAttribute(Qt::WA_Moved))
        return;
    const QWidget* over = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    QRect area;
    if (over && over->isVisible()) {
        area = over->frameGeometry();
    } else {
        const QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        if (!screen)
            return;
        area = screen->availableGeometry();
    }
    window->move(area.center() - window->rect().center());
}

bool ScreenPlacement::eventFilter(QObject* watched, QEvent* event)
{
    // The game's own screens (frmMain, frmMenu, ...); the toolkit centres its message boxes.
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->isWindow() && widget->objectName().startsWith(QLatin1String("frm")))
            place(widget);
    }
    return QObject::eventFilter(watched, event);
}
