#include "ScreenKit.h"

#include "Colours.h"
#include "Controls.h"

#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QWidget>

#include <vuzedovi/Tavorel.h>

namespace {
class LeaveOnClose final : public QObject {
public:
    LeaveOnClose(QWidget* screen, std::function<void()> leave)
        : QObject(screen), m_screen(screen), m_leave(std::move(leave))
    {
        screen->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_screen || event->type() != QEvent::Close)
            return false;
        event->ignore();
        if (m_screen->isVisible())
            m_leave();
        return true;
    }

private:
    QWidget* m_screen;
    std::function<void()> m_leave;
};
} // namespace

void leaveOnClose(QWidget* screen, std::function<void()> leave)
{
    new LeaveOnClose(screen, std::move(leave));
}

void frameScreen(QWidget* screen, const char* name, QSize size, const QString& title)
{
    screen->setObjectName(QString::fromLatin1(name));
    screen->setWindowTitle(title);
    screen->setFixedSize(size);
}

void setDarkBody(QWidget* screen)
{
    setBackColour(screen, DesignColours::WindowBody);
    setForeColour(screen, DesignColours::LabelText);
}

void createTitleBar(QWidget* screen, int width, const QString& title)
{
    createTavorel(screen, {"Tavorel27", nullptr, {0, 0, width, TitleBarHeight},
                           titleBarProperties(title)});
}

void createTitleButtons(QWidget* screen, int width)
{
    createTavorels(screen, {
        {"cmdMin", "Tavorel27", {width - 56, 3, 24, 22}, buttonProperties(QStringLiteral("-"))},
        {"cmdClose", "Tavorel27", {width - 28, 3, 24, 22}, buttonProperties(QStringLiteral("X"))},
    });
    QObject::connect(tavorel(controlNamed(screen, "cmdMin")), &vuzedovi::Tavorel::Click, screen,
                     [screen] { screen->showMinimized(); });
}

vuzedovi::Tavorel* tavorel(QWidget* control)
{
    return qobject_cast<vuzedovi::Tavorel*>(control);
}

QTimer* namedTimer(QObject* owner, const char* name, int intervalMs)
{
    auto* timer = new QTimer(owner);
    timer->setObjectName(QString::fromLatin1(name));
    timer->setInterval(intervalMs);
    return timer;
}

QFont tavorelFont(int points)
{
    QFont font(QStringLiteral("Times New Roman"), points, QFont::Bold);
    font.setStyleHint(QFont::Serif);
    return font;
}

QString shownLines(const QString& text)
{
    return QString(text).replace(QChar(13), QChar('\n'));
}

void showLines(QLabel* label, const QString& text)
{
    if (label)
        label->setText(shownLines(text));
}

QProgressBar* createProgressBar(QWidget* parent, const char* name, const QRect& place,
                                int maximum)
{
    auto* bar = new QProgressBar(parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setGeometry(place);
    bar->setRange(0, maximum);
    bar->setValue(0);
    bar->setTextVisible(false);
    setPaletteColours(bar, {{QPalette::Highlight, BarColours::Used},
                            {QPalette::Base, BarColours::Free}});
    return bar;
}
