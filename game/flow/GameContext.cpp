#include "Services.h"

#include <QElapsedTimer>

namespace {
class SteadyClock final : public AnimationClock {
public:
    SteadyClock() { m_timer.start(); }
    qint64 nowMs() const override { return m_timer.elapsed(); }

private:
    QElapsedTimer m_timer;
};
} // namespace

AnimationClock& steadyClock()
{
    static SteadyClock clock;
    return clock;
}

#include "kit/Dialogs.h"
#include "GameContext.h"

#include "state/Random.h"

RandomSource& GameContext::random() const
{
    return services.random ? *services.random : systemRandom();
}

AnimationClock& GameContext::clock() const
{
    return services.clock ? *services.clock : steadyClock();
}

bool GameContext::askToExit(QWidget* parent) const
{
    const Message question{QStringLiteral("Товарищ, Вы действительно хотите выйти?"),
                           QStringLiteral("Exit"), Message::Icon::Question,
                           Message::Buttons::YesNo};
    if (!showMessage(dialogs(), parent, question))
        return false;
    quit();
    return true;
}
