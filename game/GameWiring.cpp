#include "GameWiring.h"

#include "career/JobsPage.h"
#include "career/TrainingPage.h"
#include "development/DevelopmentScreen.h"
#include "hardware/ComputerPage.h"
#include "internet/InternetScreen.h"
#include "rest/RestScreen.h"
#include "settings/SettingsInstall.h"
#include "software/SoftwarePage.h"

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
