// The pages of the main screen's tabbed panel SSTab1, each built by its own function from its
// control table. Pages 1 to 4 hold the catalogue panels that the training, jobs, hardware and
// software parts of the game fill with their labels.
#pragma once

#include <QRect>

class QWidget;

enum MainPage { HomePage = 0, TrainingPage = 1, JobsPage = 2, ComputerPage = 3, SoftwarePage = 4 };
inline constexpr int MainPageCount = 5;

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

void buildHomePage(QWidget* page);
void buildTrainingPage(QWidget* page);
void buildJobsPage(QWidget* page);
void buildComputerPage(QWidget* page);
void buildSoftwarePage(QWidget* page);

// The software panel Tavorel26 on the home page: its place in pixels is this origin plus its
// position in twips.
inline constexpr int SoftwarePanelOriginX = 263, SoftwarePanelOriginY = 223;
