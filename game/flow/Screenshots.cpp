#include "Screenshots.h"

#include "Dialogs.h"
#include "GameFlow.h"
#include "MainScreen.h"
#include "MainScreenPages.h"
#include "MenuScreen.h"

#include "state/GameState.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

namespace {
// The player of the pictures: always types the same name and never wants to leave.
class ScriptedPlayer final : public Dialogs {
public:
    QString askText(QWidget*, const QString&, const QString&) override
    {
        return QStringLiteral("Вася Пупкин");
    }
    bool askYesNo(QWidget*, const QString&, const QString&, Icon) override { return false; }
    void tell(QWidget*, const QString&, const QString&, Icon) override {}
};

bool save(QWidget* widget, const QDir& folder, const QString& file)
{
    QApplication::processEvents();
    return widget->grab().save(folder.filePath(file));
}
} // namespace

bool writeScreenshots(const QString& folderPath)
{
    QDir folder(folderPath);
    if (!folder.mkpath(QStringLiteral(".")))
        return false;

    ScriptedPlayer player;
    GameState& game = theGame();
    Services services;
    services.dialogs = &player;
    GameFlow flow(game, services);
    bool ok = true;

    MenuScreen* menu = flow.openMenu(GameFlow::MenuMode::Start);
    menu->button(3)->setFocus();
    ok &= save(menu, folder, QStringLiteral("menu.png"));
    menu->openAbout();
    if (QWidget* about = menu->findChild<QWidget*>(QStringLiteral("frmAbout")))
        ok &= save(about, folder, QStringLiteral("about.png"));

    menu->newGameProcedure();
    MainScreen* screen = flow.mainScreen();
    // A week of play, so the day, the mood and the money show.
    for (int day = 0; day < 7; ++day)
        screen->dailyTick();
    screen->stopClock();

    const char* const pages[MainPageCount] = {"main-home.png", "main-training.png",
                                              "main-jobs.png", "main-computer.png",
                                              "main-software.png"};
    auto* tabs = screen->control<QTabWidget>("SSTab1");
    for (int page = 0; page < MainPageCount; ++page) {
        tabs->setCurrentIndex(page);
        if (page == SoftwarePage)
            screen->toggleLegend();
        ok &= save(screen, folder, QString::fromLatin1(pages[page]));
    }

    tabs->setCurrentIndex(HomePage);
    screen->toggleSoftwarePanel();
    while (screen->softwarePanel().sliding())
        screen->slideTick();
    ok &= save(screen, folder, QStringLiteral("main-software-panel.png"));
    return ok;
}
