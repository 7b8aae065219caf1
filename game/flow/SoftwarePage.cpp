// Page 4: the four software section panels, the system requirements panel, the legend with
// its toggle, and the confirm button. The catalogue labels, their markers and the disk
// indicator come with the software rules.
#include "MainScreenPages.h"

#include "Colours.h"
#include "Controls.h"
#include "NavigationRules.h"

#include <QLabel>

namespace {
// The legend explains the disk-usage bar: its empty part is free space, its filled part used.
struct LegendEntry {
    const char* swatch;
    const char* label;
    const char* caption;
    QColor colour;
    int top;
};
const LegendEntry legendEntries[] = {
    {"shpLegendFree", "lblLegendFree", " - Свободно", BarColours::Free, 32},
    {"shpLegendUsed", "lblLegendUsed", " - Занято", BarColours::Used, 54},
};
} // namespace

void buildSoftwarePage(QWidget* page)
{
    createTavorels(page, {
        {"Tavorel5", nullptr, {8, 8, 262, cataloguePanelHeight(5)}, panelProperties(QStringLiteral("Операционная система"))},
        {"Tavorel13", nullptr, {8, 164, 262, cataloguePanelHeight(3)}, panelProperties(QStringLiteral("Антивирус"))},
        {"Tavorel12", nullptr, {278, 8, 290, cataloguePanelHeight(5)}, panelProperties(QStringLiteral("Среда разработки приложений"))},
        {"Tavorel14", nullptr, {278, 164, 290, cataloguePanelHeight(6)}, panelProperties(QStringLiteral("Другое"))},
        {"Tavorel15", nullptr, {576, 8, 216, 326}, panelProperties(QStringLiteral("Системные требования"))},
        {"Tavorel29", nullptr, {608, 342, 184, 80}, panelProperties(QStringLiteral("Легенда"))},
        {"cmdProgDa", nullptr, ConfirmButtonPlace, buttonProperties(QStringLiteral("Да"))},
    });

    for (const LegendEntry& entry : legendEntries) {
        QLabel* swatch = createLabel(page, {entry.swatch, "Tavorel29", {14, entry.top + 3, 14, 14},
                                            "", LabelKind::Value});
        setPaletteColours(swatch, {{QPalette::Window, entry.colour}});
        swatch->setFrameStyle(QFrame::Box | QFrame::Plain);
        createLabel(page, {entry.label, "Tavorel29", {32, entry.top, 140, 20}, entry.caption,
                           LabelKind::Value});
    }

    const LegendToggle::View legend = LegendToggle::hidden();
    controlNamed(page, "Tavorel29")->setVisible(legend.legendVisible);
    QLabel* toggle = createLabel(page, {"lblLegenda", nullptr, {576, 342, 26, 24}, "",
                                        LabelKind::Centred});
    toggle->setText(legend.caption);
    toggle->setToolTip(legend.toolTip);
}
