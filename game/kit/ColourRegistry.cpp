#include "ColourRegistry.h"

#include <QString>

#include <vector>

namespace {
std::vector<ColouredScreen>& registry()
{
    static std::vector<ColouredScreen> screens;
    return screens;
}
} // namespace

void registerColouredScreen(const ColouredScreen& screen)
{
    for (ColouredScreen& known : registry()) {
        if (QLatin1String(known.screen) == QLatin1String(screen.screen)) {
            known = screen;
            return;
        }
    }
    registry().push_back(screen);
}

const ColouredScreen* colouredScreen(QStringView name)
{
    for (const ColouredScreen& known : registry()) {
        if (name == QLatin1String(known.screen))
            return &known;
    }
    return nullptr;
}

std::span<const ColouredScreen> colouredScreens()
{
    return registry();
}
