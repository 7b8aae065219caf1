// What every screen of the game builds with: its frame (a frameless window under the title bar
// Tavorel27), the Tavorel behind a control, timers with their given names, the caption font,
// texts whose lines are kept apart by carriage returns, progress bars, and the fading of
// disabled text (DisabledText.h).
#pragma once

#include <functional>

#include "DisabledText.h"

#include <QRect>
#include <QSize>
#include <QString>
#include <qnamespace.h>

class QFont;
class QLabel;
class QObject;
class QProgressBar;
class QTimer;
class QWidget;
namespace vuzedovi {
class Tavorel;
}

// Every top-level screen is constructed with these flags: the title bar is its frame.
inline constexpr Qt::WindowFlags ScreenWindow = Qt::Window | Qt::FramelessWindowHint;

// Names the screen, titles it and fixes its size.
void frameScreen(QWidget* screen, const char* name, QSize size, const QString& title);
// Closed from the desktop (Alt+F4, the taskbar), the screen leaves as its own button does,
// only while it is shown; the window itself stays with the game.
void leaveOnClose(QWidget* screen, std::function<void()> leave);
// The screens' dark body with yellow text.
void setDarkBody(QWidget* screen);

// The title bar Tavorel27 across the top of a screen `width` wide; dragging it moves the window.
inline constexpr int TitleBarHeight = 28;
void createTitleBar(QWidget* screen, int width, const QString& title);
// The minimise and close buttons cmdMin and cmdClose at the right end of that title bar. A click
// on cmdMin minimises the screen; what cmdClose does is the screen's own.
void createTitleButtons(QWidget* screen, int width);

// The Tavorel a control is, or nullptr.
vuzedovi::Tavorel* tavorel(QWidget* control);

// A timer of owner with its given name, firing every intervalMs once it is started.
QTimer* namedTimer(QObject* owner, const char* name, int intervalMs);

// The font of a Tavorel's caption: bold "Times New Roman", served by its metric twin
// Liberation Serif.
QFont tavorelFont(int points);

// Multi-line texts keep their lines apart with a carriage return; a label breaks on newlines.
QString shownLines(const QString& text);
// Shows such a text on label (nothing without a label).
void showLines(QLabel* label, const QString& text);

// A progress bar named `name` at `place` on parent: from 0 to maximum, empty, without a
// percentage, filled in the bar colours.
QProgressBar* createProgressBar(QWidget* parent, const char* name, const QRect& place,
                                int maximum = 100);
