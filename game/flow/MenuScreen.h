// The main menu frmMenu: seven buttons that start, continue, save, load and end a game.
#pragma once

#include "kit/Colours.h"
#include "NavigationRules.h"

#include <QWidget>

#include <array>
#include <cstdint>

struct GameContext;
class QPushButton;

class MenuScreen : public QWidget {
    Q_OBJECT
public:
    static constexpr uint32_t NormalColour = ChromeColours::MenuButton;
    static constexpr uint32_t HighlightColour = ChromeColours::MenuButtonHighlight;

    explicit MenuScreen(GameContext& context, QWidget* parent = nullptr);

    // Button number 1 (cmdSave) to 7 (cmdExit).
    QPushButton* button(int number) const;
    int16_t rememberedHighlight() const { return m_highlight.remembered(); }

    void enableSaveAndContinue(bool enabled = true);
    // The game closes the menu: for a new, continued or loaded game.
    void leave();

    void newGameProcedure();
    void continueProcedure();
    void exitProcedure();
    void openAbout();

signals:
    // The menu is closing; it is destroyed right after.
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void load();
    void press(int number);
    void apply(const std::vector<MenuHighlight::Change>& changes);
    int numberOf(const QObject* object) const;
    bool m_leaving = false; // the game itself is closing the menu

    GameContext& m_ctx;
    MenuHighlight m_highlight;
    std::array<QPushButton*, MenuHighlight::ButtonCount> m_buttons{};
};
