// Page 4: the four section panels with the program labels and their installed indicators, the
// requirements panel Tavorel15 with the verdict, the disk picture and the disk bar. Everything
// is built from the programs and sections tables; the pointer shows a program's requirements,
// a click chooses it and opens the installation dialog.
#include "SoftwarePage.h"

#include "InstallDialog.h"
#include "SoftwarePictures.h"

#include "kit/CatalogueLabels.h"
#include "kit/Colours.h"
#include "kit/Controls.h"
#include "flow/GameContext.h"
#include "flow/MainScreen.h"
#include "flow/MainScreenPages.h"
#include "kit/ScreenKit.h"
#include "settings/ColourScheme.h"
#include "state/GameState.h"

#include <QLabel>
#include <QProgressBar>

namespace {
constexpr int Gap = 8;
constexpr int NarrowWidth = 222, WideWidth = 330;
constexpr int LowerTop = Gap + cataloguePanelHeight(programCount(Section::OperatingSystem)) + Gap;

// Where each section's panel stands, in section order: systems and antivirus on the left,
// development environments and other applications (the long names) on the right.
constexpr QRect sectionPlaces[] = {
    {Gap, Gap, NarrowWidth, cataloguePanelHeight(programCount(Section::OperatingSystem))},
    {2 * Gap + NarrowWidth, Gap, WideWidth,
     cataloguePanelHeight(programCount(Section::DevelopmentEnvironment))},
    {Gap, LowerTop, NarrowWidth, cataloguePanelHeight(programCount(Section::Antivirus))},
    {2 * Gap + NarrowWidth, LowerTop, WideWidth, cataloguePanelHeight(programCount(Section::Other))},
};
constexpr int RequirementsLeft = 3 * Gap + NarrowWidth + WideWidth;
constexpr QRect RequirementsPlace{RequirementsLeft, Gap, PageWidth - RequirementsLeft - Gap, 326};
static_assert(LowerTop + cataloguePanelHeight(programCount(Section::Other)) <= LegendPlace.top());

constexpr int IndicatorSize = 14;

void buildSections(const GameState& g, QWidget& page)
{
    const ControlColours label = plainListColours(g);
    for (const SectionInfo& s : sections) {
        const QRect place = sectionPlaces[size_t(s.section)];
        createTavorel(&page, {s.panel, nullptr, place,
                              panelProperties(QString::fromUtf8(s.caption))});
        QWidget* panel = controlNamed(&page, s.panel);
        for (const Program* p : programsInPanel(s.section)) {
            QRect row = catalogueRow(p->panelRow, place.width());
            row.setRight(row.right() - IndicatorSize - 6);
            QLabel* l = createLabel(&page, {p->label, s.panel, row, p->caption, LabelKind::Value});
            setBackColour(l, *label.background);
            setForeColour(l, *label.text);
            l->setCursor(Qt::PointingHandCursor);

            auto* indicator = new IndicatorShape(panel);
            indicator->setObjectName(QString::fromLatin1(p->indicator));
            indicator->setGeometry(row.right() + 5, row.top() + (row.height() - IndicatorSize) / 2,
                                   IndicatorSize, IndicatorSize);
            indicator->setToolTip(QStringLiteral("Установлено"));
            indicator->hide();
        }
    }
}

void buildRequirements(QWidget& page)
{
    createTavorel(&page, {"Tavorel15", nullptr, RequirementsPlace,
                          panelProperties(QStringLiteral("Системные требования"))});
    const int width = RequirementsPlace.width() - 16;
    createLabels(&page, {
        {"lblSisTreb", "Tavorel15", {8, 30, width, 134}, "", LabelKind::Value},
        {"lblTool", "Tavorel15", {8, 168, width, 38}, "", LabelKind::Centred},
        {"lblVintCaption", "Tavorel15", {8, 262, width, 18}, "Свободное дисковое пространство",
         LabelKind::Caption},
        {"lblObiomVint", "Tavorel15", {width - 40, 286, 26, 22}, "", LabelKind::Centred},
        {"lblGb", "Tavorel15", {width - 14, 286, 22, 22}, "Гб", LabelKind::Value},
    });
    auto* requirements = controlNamed(&page, "lblSisTreb");
    static_cast<QLabel*>(requirements)->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    static_cast<QLabel*>(requirements)->setWordWrap(true);
    static_cast<QLabel*>(controlNamed(&page, "lblTool"))->setWordWrap(true);
    // The number beside the bar is the disk's size; the bar shows how much of it is taken.
    controlNamed(&page, "lblObiomVint")->setToolTip(QStringLiteral("Объём жёсткого диска"));
    controlNamed(&page, "lblGb")->setToolTip(QStringLiteral("Объём жёсткого диска"));
    auto* diskCaption = static_cast<QLabel*>(controlNamed(&page, "lblVintCaption"));
    diskCaption->setAlignment(Qt::AlignCenter);
    QFont small = diskCaption->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    diskCaption->setFont(small);

    QWidget* panel = controlNamed(&page, "Tavorel15");
    auto* pictures = new ImageList({diskPicture(PicturePossible), diskPicture(PictureResting),
                                    diskPicture(PictureImpossible)},
                                   &page);
    pictures->setObjectName(QStringLiteral("imlDiski"));
    auto* picture = new QLabel(panel);
    picture->setObjectName(QStringLiteral("imgDiski"));
    picture->setGeometry((RequirementsPlace.width() - 48) / 2, 210, 48, 48);
    picture->setPixmap(pictures->picture(PictureResting));

    QProgressBar* bar = createProgressBar(panel, "prgVint", {8, 286, width - 52, 22});
    bar->setToolTip(QStringLiteral("Занятое место на жёстком диске"));
}

void showPicture(MainScreen& screen, int number)
{
    auto* pictures = screen.findChild<ImageList*>(QStringLiteral("imlDiski"));
    if (auto* picture = screen.control<QLabel>("imgDiski"); picture && pictures)
        picture->setPixmap(pictures->picture(number));
}

void chooseAndOpen(MainScreen& screen, const Program& p)
{
    GameContext& context = screen.context();
    const InstallDialogOpening opening = chooseProgram(context.game, p);
    InstallDialog dialog(context, opening,
                         [&screen](const InstallResult& r) { showInstallResult(screen, r); },
                         &screen);
    dialog.exec();
}

void addCatalogue(MainScreen& screen)
{
    GameState& g = screen.context().game;
    CatalogueTable table;
    for (const Program& p : programs)
        table.labels.push_back(QString::fromLatin1(p.label));
    for (const SectionInfo& s : sections)
        table.panels.push_back(QString::fromLatin1(s.panel));
    table.panels.push_back(QStringLiteral("Tavorel15"));
    table.descriptions = {QStringLiteral("lblTool"), QStringLiteral("lblSisTreb")};

    table.hover = [&screen, &g](int row) {
        const ProgramHover view = hoverProgram(g, programs[size_t(row)]);
        showLines(screen.control<QLabel>("lblSisTreb"), view.lblSisTreb);
        setCaption(screen.control("lblTool"), view.lblTool);
        showPicture(screen, diskPictureFor(view.installable));
        // A program that cannot be installed is still chosen: the dialog can remove it.
        return true;
    };
    table.describe = [&g](int row) {
        const ProgramHover view = hoverProgram(g, programs[size_t(row)]);
        return catalogueDescription({view.lblSisTreb, view.lblTool});
    };
    table.click = [&screen](int row) { chooseAndOpen(screen, programs[size_t(row)]); };
    table.reset = [&screen] { showPicture(screen, PictureResting); };
    screen.addCatalogue(std::move(table));

    // The home page's list of installed software, section by section.
    QObject::connect(&screen, &MainScreen::softwareSectionChosen, &screen,
                     [&screen, &g](const QString& entry) {
                         if (const std::optional<Section> s = sectionForEntry(entry))
                             screen.showInstalledSoftware(installedList(g, *s));
                     });
}
} // namespace

void showInstallResult(MainScreen& screen, const InstallResult& result)
{
    if (result.indicator) {
        if (QWidget* shape = screen.control(result.indicator->name))
            shape->setVisible(result.indicator->visible);
    }
    if (result.prgVint)
        screen.showDiskBar(*result.prgVint);
}

void refreshSoftware(MainScreen& screen)
{
    const GameState& g = screen.context().game;
    for (const Program& p : programs)
        screen.showInstalled(p, isSet(g.*p.installed));
    // The installed list shows the game it was picked in: a new or loaded game starts it over.
    screen.clearInstalledSoftware();
}

void addSoftwarePage(GameContext& context)
{
    context.hooks.pages[SoftwarePage].build = [&context](QWidget& page) {
        buildSections(context.game, page);
        buildRequirements(page);
    };
    context.hooks.fillMainScreen.push_back(addCatalogue);
    context.hooks.refresh.push_back(refreshSoftware);
}
