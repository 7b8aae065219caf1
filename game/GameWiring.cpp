#include "GameWiring.h"

#include "career/ui/JobsPage.h"
#include "career/ui/TrainingPage.h"
#include "development/ui/DevelopmentScreen.h"
#include "hardware/ui/ComputerPage.h"
#include "internet/ui/InternetScreen.h"
#include "rest/ui/RestScreen.h"
#include "settings/ui/SettingsWiring.h"
#include "software/ui/SoftwarePage.h"

namespace {
// Every subsystem's install function, in the order the main screen's pages and refresh steps
// should run.
using Install = void (*)(GameContext&);
constexpr Install subsystems[] = {
    installTrainingPage,
    installJobsPage,
    installComputerPage,
    installSoftwarePage,
    installDevelopment,
    installRest,
    installSettings,
    installInternet,
};
} // namespace

std::unique_ptr<GameFlow> buildGame(GameState& game, Services services)
{
    auto flow = std::make_unique<GameFlow>(game, std::move(services));
    for (Install install : subsystems)
        install(flow->context());
    return flow;
}
