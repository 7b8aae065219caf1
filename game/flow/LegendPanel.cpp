// The legend Tavorel29 on the software page: it explains the disk-usage bar (its empty part is
// free space, its filled part used) and is shown and hidden by its toggle lblLegenda.
#include "MainScreenPages.h"

#include "kit/Colours.h"
#include "kit/Controls.h"
#include "HomePageToggles.h"

#include <QLabel>

namespace {
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

void buildLegend(QWidget* page)
{
    createTavorel(page, {"Tavorel29", nullptr, LegendPlace, panelProperties(QStringLiteral("Легенда"))});
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
    QLabel* toggle = createLabel(page, {"lblLegenda", nullptr, LegendTogglePlace, "",
                                        LabelKind::Centred});
    toggle->setText(legend.caption);
    toggle->setToolTip(legend.toolTip);
}
