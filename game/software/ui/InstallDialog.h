// The installation dialog frmUstanovka: installs or removes the program chosen on the software
// page. It shows the program's name from the moment it opens; after an install or a remove its
// bar fills smoothly to 100 over FillMs on the animation clock, painted, and the dialog closes.
#pragma once

#include "software/Installation.h"

#include <QDialog>

#include <functional>

struct GameContext;
class QProgressBar;
class QTimer;

class InstallDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int FillMs = 400;       // the bar's fill, well within half a second
    static constexpr int FillFrameMs = 16;   // one repaint of the fill

    // showOnPage applies what an install or a remove changed to the software page.
    InstallDialog(GameContext& context, const InstallDialogOpening& opening,
                  std::function<void(const InstallResult&)> showOnPage,
                  QWidget* parent = nullptr);

    void install(); // Command1 "Установить"
    void remove();  // Tavorel1 "Удалить"
    void cancel();  // cmdCancel "Нет"

    bool filling() const { return m_fillStart >= 0; }
    void fillTick(); // one tick of the fill timer tmrZapolnenie

    void reject() override; // Escape: "Нет", except while the bar fills

private:
    void colourFromScheme();
    void act(const InstallResult& result);

    GameContext& m_ctx;
    std::function<void(const InstallResult&)> m_showOnPage;
    QProgressBar* m_bar = nullptr;
    QTimer* m_fillTimer = nullptr;
    qint64 m_fillStart = -1;
};
