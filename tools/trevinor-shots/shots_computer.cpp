// The computer page while a part is pointed at in a category that has one, the software page
// while an unavailable program is pointed at, and the installation dialog mid-fill.
#include "ShotInput.h"
#include "Shots.h"

#include "flow/MainScreenPages.h"
#include "hardware/ui/ComputerPage.h"
#include "hardware/Parts.h"
#include "software/ui/InstallDialog.h"
#include "software/Programs.h"
#include "software/ui/SoftwarePage.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
#include <QToolBar>

namespace {
void buy(MainScreen* s, std::initializer_list<const char*> labels)
{
    toolbar(s, "Komp");
    for (const char* label : labels) {
        pointAt(s->control(label));
        click(s->control(label));
    }
    s->confirmPage(ComputerPage);
}

bool computerWithAPartPointedAt(ShotSession& s)
{
    MainScreen* screen = s.newGame();
    buy(screen, {"lblSoket478_ECS", "lblHDD_40GB_IBM_7200rpm", "lblCELERON_2000_MHz",
                 "lblAGP_32M_SG_Geforce2_MX400", "lblm17_SAMSUNG_757DFX"});
    toolbar(screen, "Komp");
    pointAt(screen->control("lblAGP_128M_Geforce4_Ti4200"));
    bool ok = s.save(screen, QStringLiteral("computer-exchange-price.png"));
    click(screen->control("lblAGP_128M_Geforce4_Ti4200"));
    screen->confirmPage(ComputerPage);
    return ok && s.save(screen, QStringLiteral("computer-summary.png"));
}

bool softwareWithAnUnavailableProgram(ShotSession& s)
{
    MainScreen* screen = s.newGame();
    buy(screen, {"lblSoket478_ECS", "lblHDD_60GB_SEAGATE_7200rpm", "lblCELERON_1200_MHz",
                 "lblDIMM_128MB_168pin_SDRAM", "lblAGP_32M_RIVA_TNT2_M64", "lblm15_LG_500E",
                 "lblCD_ROM_SAMSUNG_x52"});
    // Windows 98 is on the disk already.
    s.game.pendingInstallKey = QStringLiteral("w98");
    showInstallResult(*screen, installProgram(s.game));
    toolbar(screen, "Program");
    screen->toggleLegend();
    pointAt(screen->control("lblOSWinXP")); // needs the 256 MB module
    return s.save(screen, QStringLiteral("software-unavailable.png"));
}

bool installationDialogMidFill(ShotSession& s)
{
    MainScreen* screen = s.newGame();
    buy(screen, {"lblSoket478_ECS", "lblHDD_80GB_SEAGATE_7200rpm", "lblCELERON_2000_MHz",
                 "lblDIMM_256MB_168pin_DDR", "lblAGP_64M_ATI_RADEON_9000", "lblm15_LG_500E",
                 "lblCD_ROM_SAMSUNG_x52"});
    toolbar(screen, "Program");
    const Program& mandrake = *programWithKey(u"Lin");
    InstallDialog dialog(s.flow->context(), chooseProgram(s.game, mandrake),
                         [screen](const InstallResult& r) { showInstallResult(*screen, r); },
                         screen);
    dialog.show();
    dialog.install();
    s.clock.advance(InstallDialog::FillMs * 3 / 5);
    dialog.fillTick();
    const bool ok = s.save(&dialog, QStringLiteral("install-dialog-filling.png"));
    s.clock.advance(InstallDialog::FillMs);
    dialog.fillTick();
    return ok && s.save(screen, QStringLiteral("software-installed.png"));
}

const ShotRegistrar computer("30-computer-exchange", computerWithAPartPointedAt);
const ShotRegistrar software("31-software-unavailable", softwareWithAnUnavailableProgram);
const ShotRegistrar install("32-install-dialog", installationDialogMidFill);
} // namespace
