// Page 4: the four software section panels, the system requirements panel, the legend with
// its toggle, and the confirm button. The catalogue labels, their markers and the disk
// indicator come with the software rules.
#include "MainScreenPages.h"

#include "Controls.h"
#include "NavigationRules.h"

#include <QLabel>

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

    const LegendToggle::View legend = LegendToggle::hidden();
    controlNamed(page, "Tavorel29")->setVisible(legend.legendVisible);
    QLabel* toggle = createLabel(page, {"lblLegenda", nullptr, {576, 342, 26, 24}, "",
                                        LabelKind::Centred});
    toggle->setText(legend.caption);
    toggle->setToolTip(legend.toolTip);
}
