// The main menu frmMenu: seven buttons that start, continue, save, load and end a game.
#pragma once

#include "kit/Colours.h"
#include "MenuHighlight.h"

#include <QWidget>

#include <array>
#include <cstdint>

struct GameContext;
class QPushButton;

// The menu's colours, which do not follow the colour scheme.
namespace ChromeColours {
inline constexpr uint32_t MenuButton = 0x0000C0;          // RGB 192, 0, 0
inline constexpr uint32_t MenuButtonHighlight = 0x0080FF; // RGB 255, 128, 0
inline const QColor MenuButtonText{255, 255, 0};
inline const QColor MenuHighlightText{64, 0, 0};
inline const QColor MenuBodyTop{64, 0, 0};
inline const QColor MenuBodyBottom{16, 0, 0};
inline const QColor MenuTitleShadow{0, 0, 0, 160};
inline const QColor MenuTitle{255, 255, 0};
inline const QColor MenuSubtitle{255, 200, 120};
} // namespace ChromeColours

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
