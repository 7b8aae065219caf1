// Page 1: the four course panels. Leaving the page with its "Да" counts the newly learned
// skills into experience and the status title.
#include "TrainingPage.h"

#include "flow/CatalogueLabels.h"
#include "flow/Controls.h"
#include "flow/MainScreen.h"
#include "flow/MainScreenPages.h"

#include "career/Skills.h"

namespace {
void buildTrainingPage(QWidget& page)
{
    createTavorels(&page, {
        {"Tavorel1", nullptr, {8, 8, 262, cataloguePanelHeight(3)}, panelProperties(QStringLiteral("Операционная система"))},
        {"Tavorel2", nullptr, {8, 120, 262, cataloguePanelHeight(5)}, panelProperties(QStringLiteral("Среда разработки"))},
        {"Tavorel3", nullptr, {278, 8, 262, cataloguePanelHeight(5)}, panelProperties(QStringLiteral("Web-технологии"))},
        {"Tavorel4", nullptr, {278, 164, 262, cataloguePanelHeight(6)}, panelProperties(QStringLiteral("Другое"))},
    });
}

void showExperience(MainScreen& screen)
{
    const StatusLabels status = recomputeExperience(screen.context().game);
    setCaption(screen.control("lblStatus"), status.lblStatus);
    setCaption(screen.control("lblOpit"), status.lblOpit);
}

// The page's catalogue: moving over its panels runs the main screen's hover reset.
void addCatalogue(MainScreen& screen)
{
    CatalogueTable table;
    table.panels = {QStringLiteral("Tavorel1"), QStringLiteral("Tavorel2"), QStringLiteral("Tavorel3"), QStringLiteral("Tavorel4")};
    table.descriptions = {QStringLiteral("lblOpisanie"), QStringLiteral("lblVozmozhno")};
    screen.addCatalogue(std::move(table));
}
} // namespace

void installTrainingPage(GameContext& context)
{
    context.hooks.fillMainScreen.push_back(addCatalogue);
    PageHooks& page = context.hooks.pages[TrainingPage];
    page.build = buildTrainingPage;
    page.confirmBeforeResume = showExperience;
}
