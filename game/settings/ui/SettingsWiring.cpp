#include "SettingsWiring.h"

#include "SchemeOnScreens.h"
#include "SettingsScreen.h"

#include "flow/GameContext.h"
#include "flow/MainScreen.h"
#include "kit/ScreenPlacement.h"

void addSettingsScreen(GameContext& context)
{
    Hooks& hooks = context.hooks;
    hooks.openSettings = [&context](QWidget& menu) {
        auto* screen = new SettingsScreen(context, &menu);
        // Colours confirmed later reach the screens that already exist at once, unless the
        // settings were once cancelled.
        QObject::connect(screen, &SettingsScreen::confirmed, [&context] {
            if (MainScreen* main = context.mainScreen())
                applyColourScheme(*main);
        });
        ScreenPlacement::openOver(menu, screen);
    };
    hooks.applyColourScheme = [](MainScreen& main) { putSchemeOnScreens(main); };
}
