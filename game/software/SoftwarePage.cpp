// Page 4: the four software section panels and the system requirements panel.
#include "SoftwarePage.h"

#include "flow/CatalogueLabels.h"
#include "flow/Controls.h"
#include "flow/MainScreen.h"
#include "flow/MainScreenPages.h"

namespace {
void buildSoftwarePage(QWidget& page)
{
    createTavorels(&page, {
        {"Tavorel5", nullptr, {8, 8, 262, cataloguePanelHeight(5)}, panelProperties(QStringLiteral("Операционная система"))},
        {"Tavorel13", nullptr, {8, 164, 262, cataloguePanelHeight(3)}, panelProperties(QStringLiteral("Антивирус"))},
        {"Tavorel12", nullptr, {278, 8, 290, cataloguePanelHeight(5)}, panelProperties(QStringLiteral("Среда разработки приложений"))},
        {"Tavorel14", nullptr, {278, 164, 290, cataloguePanelHeight(6)}, panelProperties(QStringLiteral("Другое"))},
        {"Tavorel15", nullptr, {576, 8, 216, 326}, panelProperties(QStringLiteral("Системные требования"))},
    });
}

// The page's catalogue: moving over its panels runs the main screen's hover reset.
void addCatalogue(MainScreen& screen)
{
    CatalogueTable table;
    table.panels = {QStringLiteral("Tavorel5"), QStringLiteral("Tavorel12"), QStringLiteral("Tavorel13"), QStringLiteral("Tavorel14"), QStringLiteral("Tavorel15")};
    table.descriptions = {QStringLiteral("lblTool"), QStringLiteral("lblSisTreb")};
    screen.addCatalogue(std::move(table));
}
} // namespace

void installSoftwarePage(GameContext& context)
{
    context.hooks.fillMainScreen.push_back(addCatalogue);
    context.hooks.pages[SoftwarePage].build = buildSoftwarePage;
}
