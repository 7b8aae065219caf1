// For start-up measurements (bench/): with TREVINOR_EXIT_WHEN_SHOWN set, a program ends right
// after its first window's first frame has been drawn, the moment a player sees it. The game
// and the Qt hello world it is compared with end the same way.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <functional>

class ExitAfterFirstPaint final : public QObject {
public:
    // done runs once, after the first frame; by default it ends the program with status 0.
    // exit(), not quit(): quit() would close the windows first, and closing the game's menu
    // asks the exit question.
    explicit ExitAfterFirstPaint(QWidget* window, std::function<void()> done = [] {
        QCoreApplication::exit(0);
    }) : QObject(window), m_done(std::move(done))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // The window and its children finish painting and the frame is flushed before the
            // event loop runs the timer.
            QTimer::singleShot(0, this, m_done);
        }
        return false;
    }

private:
    std::function<void()> m_done;
};

inline void exitAfterFirstPaintWhenAsked(QWidget* window)
{
    if (qEnvironmentVariableIsSet("TREVINOR_EXIT_WHEN_SHOWN"))
        new ExitAfterFirstPaint(window);
}
