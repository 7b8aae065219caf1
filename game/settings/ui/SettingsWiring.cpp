#include "SettingsWiring.h"

#include "SchemeOnScreens.h"
#include "SettingsScreen.h"

#include "flow/GameContext.h"
#include "flow/MainScreen.h"
#include "music/Music.h"
#include "saves/ui/SaveLoadDialogs.h"
#include "saves/SaveFolder.h"

#include <QTimer>

namespace {
// The main screen's melody timers timMel1 to timMel3, each keeping its melody playing. The
// main screen turns the timers on and off by the melody flags as it loads; the player follows
// the same flags at that moment, so music starts at once and stops when its timer is off.
class MelodyTimerBinding : public QObject {
public:
    MelodyTimerBinding(MainScreen& screen, MusicPlayer& player)
        : QObject(&screen), m_timers(player)
    {
        m_timers.mainScreenLoad(screen.context().game);
        for (size_t i = 0; i < melodies.size(); ++i) {
            if (QTimer* timer = screen.control<QTimer>(melodies[i].timer))
                connect(timer, &QTimer::timeout, this, [this, i] { m_timers.tick(i); });
        }
    }

private:
    MelodyTimers m_timers;
};

// A dialog of the menu: a window of its own, centred over the menu, modal.
void openOver(QWidget& menu, QWidget* dialog)
{
    dialog->move(menu.geometry().center() - dialog->rect().center());
    dialog->show();
    dialog->activateWindow();
}
} // namespace

SaveFolder& saveFolderOf(const GameContext& context)
{
    static DataSaveFolder dataFolder;
    return context.services.saves ? *context.services.saves : dataFolder;
}

void installSettings(GameContext& context)
{
    Hooks& hooks = context.hooks;
    hooks.openSave = [&context](QWidget& menu) {
        openOver(menu, new SaveDialog(context, saveFolderOf(context), &menu));
    };
    hooks.openLoad = [&context](QWidget& menu) {
        openOver(menu, new LoadDialog(context, saveFolderOf(context), &menu));
    };
    hooks.openSettings = [&context](QWidget& menu) {
        auto* screen = new SettingsScreen(context, &menu);
        // Colours confirmed later reach the screens that already exist at once, unless the
        // settings were once cancelled.
        QObject::connect(screen, &SettingsScreen::confirmed, [&context] {
            if (MainScreen* main = context.mainScreen())
                applyColourScheme(*main);
        });
        openOver(menu, screen);
    };
    hooks.applyColourScheme = [](MainScreen& main) { applyColourScheme(main); };
    hooks.fillMainScreen.push_back([&context](MainScreen& main) {
        if (context.services.music)
            new MelodyTimerBinding(main, *context.services.music);
    });
}
