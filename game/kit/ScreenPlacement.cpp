#include "ScreenPlacement.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace {
constexpr const char* PlacedProperty = "trevinorPlaced";
// Controls whose tops lie this close stand in one row.
constexpr int RowTolerance = 8;
} // namespace

void ScreenPlacement::openOver(QWidget& owner, QWidget* dialog)
{
    dialog->move(owner.geometry().center() - dialog->rect().center());
    dialog->show();
    dialog->activateWindow();
}

namespace {
// The controls Tab stops at under parent: its children read in rows from the top, each row
// from the left, and a child that holds controls read whole before the next child, so that a
// panel's list is walked down before the panel beside it.
void appendReadingOrder(QWidget* parent, std::vector<QWidget*>& stops)
{
    struct Child {
        QWidget* control;
        QPoint at;
    };
    std::vector<Child> children;
    for (QObject* object : parent->children()) {
        auto* control = qobject_cast<QWidget*>(object);
        if (control && !control->isWindow())
            children.push_back({control, control->pos()});
    }
    std::stable_sort(children.begin(), children.end(),
                     [](const Child& a, const Child& b) { return a.at.y() < b.at.y(); });
    for (auto row = children.begin(); row != children.end();) {
        auto end = std::find_if(row, children.end(), [&](const Child& c) {
            return c.at.y() - row->at.y() >= RowTolerance;
        });
        std::stable_sort(row, end, [](const Child& a, const Child& b) { return a.at.x() < b.at.x(); });
        row = end;
    }
    for (const Child& child : children) {
        if ((child.control->focusPolicy() & Qt::TabFocus) && !child.control->focusProxy())
            stops.push_back(child.control);
        appendReadingOrder(child.control, stops);
    }
}
} // namespace

void ScreenPlacement::setReadingTabOrder(QWidget* screen)
{
    std::vector<QWidget*> stops;
    appendReadingOrder(screen, stops);
    for (size_t i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(stops[i - 1], stops[i]);
}

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
    if (!window->testAttribute(Qt::WA_Moved))
        centre(window);
}

void ScreenPlacement::centre(QWidget* window)
{
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
    // Its frame, where the window system has given it one, is centred with it.
    const QSize frame = window->frameGeometry().size();
    window->move(area.center() - QPoint((frame.width() - 1) / 2, (frame.height() - 1) / 2));
}

bool ScreenPlacement::eventFilter(QObject* watched, QEvent* event)
{
    // The game's own screens (frmMain, frmMenu, ...); the toolkit centres its message boxes.
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->isWindow() && widget->objectName().startsWith(QLatin1String("frm"))
            && !widget->property(PlacedProperty).toBool()) {
            widget->setProperty(PlacedProperty, true);
            place(widget);
            setReadingTabOrder(widget);
        }
    }
    return QObject::eventFilter(watched, event);
}
