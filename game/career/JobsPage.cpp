// Page 2: the job offers and their requirements. Leaving the page with its "Да" shows the job
// line of the current pay.
#include "JobsPage.h"

#include "flow/CatalogueLabels.h"
#include "flow/Controls.h"
#include "flow/MainScreen.h"
#include "flow/MainScreenPages.h"

#include "career/Jobs.h"
#include "state/GameState.h"

namespace {
void buildJobsPage(QWidget& page)
{
    createTavorels(&page, {
        {"Tavorel6", nullptr, {8, 8, 300, cataloguePanelHeight(9)}, panelProperties(QStringLiteral("Работа. Предложение"))},
        {"Tavorel7", nullptr, {316, 8, 476, cataloguePanelHeight(9)}, panelProperties(QStringLiteral("Требования"))},
    });
}

void showJobLine(MainScreen& screen)
{
    if (const auto line = jobLineForPay(screen.context().game.dailyPay))
        setCaption(screen.control("lblRab"), *line);
}

// The page's catalogue: moving over its panels runs the main screen's hover reset.
void addCatalogue(MainScreen& screen)
{
    CatalogueTable table;
    table.panels = {QStringLiteral("Tavorel6")};
    table.descriptions = {QStringLiteral("lblDostupna"), QStringLiteral("lblTreb")};
    screen.addCatalogue(std::move(table));
}
} // namespace

void installJobsPage(GameContext& context)
{
    context.hooks.fillMainScreen.push_back(addCatalogue);
    PageHooks& page = context.hooks.pages[JobsPage];
    page.build = buildJobsPage;
    page.confirmBeforeResume = showJobLine;
}
