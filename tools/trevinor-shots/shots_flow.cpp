// The menu, the about box and the main screen's home page and pages.
#include "Shots.h"

#include "flow/MainScreenPages.h"
#include "flow/MenuScreen.h"

#include <QPushButton>
#include <QTabWidget>

namespace {
bool menuAndAbout(ShotSession& s)
{
    MenuScreen* menu = s.flow->openMenu(GameFlow::MenuMode::Start);
    menu->button(3)->setFocus();
    bool ok = s.save(menu, QStringLiteral("menu.png"));
    menu->openAbout();
    if (QWidget* about = menu->findChild<QWidget*>(QStringLiteral("frmAbout")))
        ok &= s.save(about, QStringLiteral("about.png"));
    return ok;
}

bool mainScreenPages(ShotSession& s)
{
    MainScreen* screen = s.newGame();
    // A week of play, so the day, the mood and the money show.
    for (int day = 0; day < 7; ++day)
        screen->dailyTick();
    screen->stopClock();

    const char* const pictures[MainPageCount] = {"main-home.png", "main-training.png",
                                                 "main-jobs.png", "main-computer.png",
                                                 "main-software.png"};
    auto* tabs = screen->control<QTabWidget>("SSTab1");
    bool ok = true;
    for (int page = 0; page < MainPageCount; ++page) {
        tabs->setCurrentIndex(page);
        if (page == SoftwarePage)
            screen->toggleLegend();
        ok &= s.save(screen, QString::fromLatin1(pictures[page]));
    }

    tabs->setCurrentIndex(HomePage);
    screen->toggleSoftwarePanel();
    while (screen->softwarePanel().sliding())
        screen->slideTick();
    ok &= s.save(screen, QStringLiteral("main-software-panel.png"));
    return ok;
}

const ShotRegistrar menu("10-menu", menuAndAbout);
const ShotRegistrar pages("20-main-pages", mainScreenPages);
} // namespace
