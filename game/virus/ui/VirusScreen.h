// The virus screen frmVirus: a window cut to a jagged star that offers to destroy the virus
// with an antivirus or to let it pass. It is shown modally while the internet screen
// disconnects, and tells when it has closed.
#pragma once

#include <QWidget>

struct GameContext;
struct VirusDamage;
class MainScreen;
class QLabel;

class VirusScreen : public QWidget {
    Q_OBJECT
public:
    static constexpr int Width = 560, Height = 440;
    // The action labels' backgrounds: red under the pointer, dark red otherwise.
    static constexpr uint32_t HoverColour = 255, RestColour = 192;

    VirusScreen(GameContext& context, MainScreen& mainScreen, QWidget* parent = nullptr);

    // The window's outline as a polygon, in pixels from its top-left corner.
    static QPolygon outline();

    template <class T = QWidget> T* control(const char* name) const
    {
        return findChild<T*>(QString::fromLatin1(name));
    }

    // Shown modally, centred over the screen that raised it.
    void open();
    void destroyVirus(); // lblUnictozh
    void letPass();      // lblPropust

signals:
    void closed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void colourActions(const QLabel* hovered);
    void closeScreen();

    GameContext& m_ctx;
    MainScreen& m_main;
};

// Brings the main screen into line with what a virus destroyed.
void showVirusDamage(MainScreen& mainScreen, const VirusDamage& damage);
