#include "GameWiring.h"

#include "career/ui/JobsPage.h"
#include "career/ui/TrainingPage.h"
#include "development/ui/DevelopmentScreen.h"
#include "hardware/ui/ComputerPage.h"
#include "internet/ui/InternetScreen.h"
#include "music/ui/MusicWiring.h"
#include "rest/ui/RestScreen.h"
#include "saves/ui/SavesWiring.h"
#include "settings/ui/SettingsWiring.h"
#include "software/ui/SoftwarePage.h"

namespace {
// Every subsystem's wiring function, in the order the main screen's pages and refresh steps
// should run.
using Wiring = void (*)(GameContext&);
constexpr Wiring subsystems[] = {
    addTrainingPage,
    addJobsPage,
    addComputerPage,
    addSoftwarePage,
    addDevelopmentScreen,
    addRestScreen,
    addSettingsScreen,
    addSaveAndLoadDialogs,
    playMelodiesWithMainScreen,
    addInternetScreen,
};
} // namespace

std::unique_ptr<GameFlow> buildGame(GameState& game, Services services)
{
    auto flow = std::make_unique<GameFlow>(game, std::move(services));
    for (Wiring wire : subsystems)
        wire(flow->context());
    return flow;
}
