#include "MusicWiring.h"

#include "flow/GameContext.h"
#include "flow/MainScreen.h"
#include "music/Music.h"

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
} // namespace

void playMelodiesWithMainScreen(GameContext& context)
{
    context.hooks.fillMainScreen.push_back([&context](MainScreen& main) {
        if (context.services.music)
            new MelodyTimerBinding(main, *context.services.music);
    });
}
