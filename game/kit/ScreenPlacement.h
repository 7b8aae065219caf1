// Where the game's windows open: a screen shown for the first time opens centred over the
// window it belongs to, or centred on the screen when it stands alone (the menu at start, the
// main screen). A screen the game placed itself keeps its place, and one that is hidden and
// shown again (the main, development, internet and rest screens) comes back where the player
// last put it. On that first show the screen's keyboard focus also learns to move in reading
// order: Tab goes left to right along a row, then on to the row below, and walks a panel's
// controls before it goes on to the panel beside it.
#pragma once

#include <QObject>

class ScreenPlacement final : public QObject {
    Q_OBJECT
public:
    // Watches every window of the application while it lives.
    explicit ScreenPlacement(QObject* parent = nullptr);
    ~ScreenPlacement() override;

    // Centres window over its parent window, else on the screen, once.
    static void place(QWidget* window);
    // Centres window over its parent window, else on the screen, now, wherever it stands.
    static void centre(QWidget* window);
    // A dialog of the menu: shows it as a window of its own, centred over owner, and makes it
    // the active window.
    static void openOver(QWidget& owner, QWidget* dialog);
    // Chains the screen's focusable controls for Tab in reading order.
    static void setReadingTabOrder(QWidget* screen);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
