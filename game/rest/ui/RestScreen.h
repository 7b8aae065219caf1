// The rest screen frmOtdyh: five paid activities that raise mood. The toolbar key "Otdih"
// opens it over the hidden main screen with the clock stopped; "Да", the close button or a
// close from the desktop goes back and starts the clock again unless the game is paused.
#pragma once

#include <QWidget>

struct GameContext;
struct RestActivity;
class QLabel;

class RestScreen : public QWidget {
public:
    static constexpr int Width = 480, Height = 400;

    explicit RestScreen(GameContext& context);

    void open();
    void leave();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void build();
    void hover(const RestActivity& activity);
    void clearHover();
    void choose(const RestActivity& activity);

    GameContext& m_ctx;
};

void addRestScreen(GameContext& context);
