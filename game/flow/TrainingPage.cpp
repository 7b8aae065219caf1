// Page 1: the four course panels and the confirm button. The courses, the description panel
// and the status line come with the training rules.
#include "MainScreenPages.h"

#include "Controls.h"

void buildTrainingPage(QWidget* page)
{
    createTavorels(page, {
        {"Tavorel1", nullptr, {8, 8, 262, cataloguePanelHeight(3)}, panelProperties(QStringLiteral("Операционная система"))},
        {"Tavorel2", nullptr, {8, 120, 262, cataloguePanelHeight(5)}, panelProperties(QStringLiteral("Среда разработки"))},
        {"Tavorel3", nullptr, {278, 8, 262, cataloguePanelHeight(5)}, panelProperties(QStringLiteral("Web-технологии"))},
        {"Tavorel4", nullptr, {278, 164, 262, cataloguePanelHeight(6)}, panelProperties(QStringLiteral("Другое"))},
        {"cmdDa", nullptr, ConfirmButtonPlace, buttonProperties(QStringLiteral("Да"))},
    });
}
