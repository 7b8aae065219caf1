// Page 3: the nine hardware category panels.
#include "ComputerPage.h"

#include "flow/CatalogueLabels.h"
#include "flow/Controls.h"
#include "flow/MainScreen.h"
#include "flow/MainScreenPages.h"

namespace {
constexpr int ColumnWidth = 254;
constexpr int column(int n) { return 8 + n * (ColumnWidth + 8); }
constexpr int Row1 = 8, Row2 = 208, Row3 = 342;

void buildComputerPage(QWidget& page)
{
    createTavorels(&page, {
        {"Tavorel17", nullptr, {column(0), Row1, ColumnWidth, cataloguePanelHeight(5)}, panelProperties(QStringLiteral("Платы ЦП"))},
        {"Tavorel18", nullptr, {column(1), Row1, ColumnWidth, cataloguePanelHeight(7)}, panelProperties(QStringLiteral("Винчестеры"))},
        {"Tavorel19", nullptr, {column(2), Row1, ColumnWidth, cataloguePanelHeight(7)}, panelProperties(QStringLiteral("Процессоры"))},
        {"Tavorel20", nullptr, {column(0), Row2, ColumnWidth, cataloguePanelHeight(3)}, panelProperties(QStringLiteral("Звуковые платы"))},
        {"Tavorel21", nullptr, {column(1), Row2, ColumnWidth, cataloguePanelHeight(3)}, panelProperties(QStringLiteral("Память (ОЗУ)"))},
        {"Tavorel22", nullptr, {column(2), Row2, ColumnWidth, cataloguePanelHeight(4)}, panelProperties(QStringLiteral("Платы SVGA"))},
        {"Tavorel23", nullptr, {column(0), Row3, ColumnWidth, cataloguePanelHeight(3)}, panelProperties(QStringLiteral("Мониторы"))},
        {"Tavorel24", nullptr, {column(1), Row3, ColumnWidth, cataloguePanelHeight(3)}, panelProperties(QStringLiteral("CD-ROM"))},
        {"Tavorel25", nullptr, {column(2), Row3, ColumnWidth, cataloguePanelHeight(3)}, panelProperties(QStringLiteral("Модемы"))},
    });
}

// The page's catalogue: moving over its panels runs the main screen's hover reset.
void addCatalogue(MainScreen& screen)
{
    CatalogueTable table;
    table.panels = {QStringLiteral("Tavorel17"), QStringLiteral("Tavorel18"), QStringLiteral("Tavorel19"), QStringLiteral("Tavorel20"), QStringLiteral("Tavorel21"), QStringLiteral("Tavorel22"), QStringLiteral("Tavorel23"), QStringLiteral("Tavorel24"), QStringLiteral("Tavorel25")};
    table.descriptions = {QStringLiteral("lblShowTsena")};
    screen.addCatalogue(std::move(table));
}
} // namespace

void installComputerPage(GameContext& context)
{
    context.hooks.fillMainScreen.push_back(addCatalogue);
    context.hooks.pages[ComputerPage].build = buildComputerPage;
}
