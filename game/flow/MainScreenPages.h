// The pages of the main screen's tabbed panel SSTab1 and the geometry they share. The flow
// builds the home page, each page's "Да" and the legend; the training, jobs, computer and
// software subsystems fill pages 1 to 4 through their page hooks.
#pragma once

#include "GameContext.h"

#include <QRect>

class QWidget;

enum MainPage { HomePage = 0, TrainingPage = 1, JobsPage = 2, ComputerPage = 3, SoftwarePage = 4 };

inline constexpr int PageWidth = 800, PageHeight = 512;

// Catalogue panels list their items in rows under the caption.
inline constexpr int PanelCaptionHeight = 30, CatalogueRowHeight = 22;
inline constexpr int cataloguePanelHeight(int items)
{
    return PanelCaptionHeight + items * CatalogueRowHeight + 8;
}
// Where item `index` of a catalogue panel `panelWidth` wide goes.
inline constexpr QRect catalogueRow(int index, int panelWidth)
{
    return QRect(10, PanelCaptionHeight + index * CatalogueRowHeight, panelWidth - 20,
                 CatalogueRowHeight - 2);
}

// Where a page's confirm button "Да" sits.
inline constexpr QRect ConfirmButtonPlace{692, 462, 100, 40};

// The legend panel Tavorel29 and its toggle lblLegenda on the software page.
inline constexpr QRect LegendPlace{608, 342, 184, 80};
inline constexpr QRect LegendTogglePlace{576, 342, 26, 24};

void buildHomePage(QWidget* page);
void buildLegend(QWidget* page);

// The software panel Tavorel26 on the home page: its place in pixels is this origin plus its
// position in twips.
inline constexpr int SoftwarePanelOriginX = 263, SoftwarePanelOriginY = 223;
