// Page 2: the job offers, their requirements and the confirm button. The job labels and the
// verdict line come with the job rules.
#include "MainScreenPages.h"

#include "Controls.h"

void buildJobsPage(QWidget* page)
{
    createTavorels(page, {
        {"Tavorel6", nullptr, {8, 8, 300, cataloguePanelHeight(9)}, panelProperties(QStringLiteral("Работа. Предложение"))},
        {"Tavorel7", nullptr, {316, 8, 476, cataloguePanelHeight(9)}, panelProperties(QStringLiteral("Требования"))},
        {"cmdDa2", nullptr, ConfirmButtonPlace, buttonProperties(QStringLiteral("Да"))},
    });
}
