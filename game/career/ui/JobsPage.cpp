// Page 2: the nine job offers on Tavorel6, their requirements on Tavorel7 and the verdict
// lblDostupna. A click takes an available job; leaving the page with its "Да" shows the job
// line of the current pay on the home page.
#include "JobsPage.h"

#include "career/Jobs.h"

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

namespace {
constexpr int Gap = 8;
constexpr QRect OffersPlace{Gap, Gap, 300, cataloguePanelHeight(int(jobs.size()))};
constexpr QRect RequirementsPlace{2 * Gap + 300, Gap, PageWidth - 3 * Gap - 300,
                                  OffersPlace.height()};
constexpr QRect VerdictPlace{RequirementsPlace.left(), RequirementsPlace.bottom() + 1 + Gap,
                             RequirementsPlace.width(), 40};

vuzedovi::PropertyBag verdictProperties()
{
    vuzedovi::PropertyBag bag = buttonProperties(QString());
    bag.write(QStringLiteral("style"), int(vuzedovi::constStyle::PanelDown));
    return bag;
}

void buildJobsPage(const GameState& g, QWidget& page)
{
    createTavorels(&page, {
        {"Tavorel6", nullptr, OffersPlace, panelProperties(QStringLiteral("Работа. Предложение"))},
        {"Tavorel7", nullptr, RequirementsPlace, panelProperties(QStringLiteral("Требования"))},
        {"lblDostupna", nullptr, VerdictPlace, verdictProperties()},
    });
    const ControlColours colours = plainListColours(g);
    int row = 0;
    for (const Job& job : jobs) {
        QLabel* l = createLabel(&page, {job.label, "Tavorel6", catalogueRow(row++, OffersPlace.width()),
                                        job.caption, LabelKind::Value});
        setBackColour(l, *colours.background);
        setForeColour(l, *colours.text);
        l->setCursor(Qt::PointingHandCursor);
        fadeWhenDisabled(l, CatalogueFading);
    }
    QLabel* treb = createLabel(&page, {"lblTreb", "Tavorel7",
                                       {12, PanelCaptionHeight + 4, RequirementsPlace.width() - 24,
                                        RequirementsPlace.height() - PanelCaptionHeight - 16},
                                       "", LabelKind::Value});
    treb->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    treb->setAutoFillBackground(false);
}

QWidget* jobLabel(MainScreen& screen, const Job& job)
{
    return screen.control(job.label);
}

void addCatalogue(MainScreen& screen)
{
    GameState& g = screen.context().game;
    CatalogueTable table;
    for (const Job& job : jobs)
        table.labels.push_back(QString::fromLatin1(job.label));
    table.panels = {QStringLiteral("Tavorel6")};
    table.descriptions = {QStringLiteral("lblDostupna"), QStringLiteral("lblTreb")};
    table.hover = [&screen, &g](int row) {
        const Job& job = jobs[size_t(row)];
        // The job held has its label disabled: nothing to show, nothing to take.
        if (!jobLabel(screen, job)->isEnabled())
            return false;
        const JobHover shown = hoverJob(g, job);
        setCaption(screen.control("lblTreb"), shownLines(shown.lblTreb));
        setCaption(screen.control("lblDostupna"), shown.lblDostupna);
        return jobAvailable(g, job);
    };
    table.describe = [&g](int row) {
        const JobHover shown = hoverJob(g, jobs[size_t(row)]);
        return catalogueDescription({shown.lblTreb, shown.lblDostupna});
    };
    table.click = [&screen, &g](int row) {
        const JobTaken taken = takeJob(g, jobs[size_t(row)]);
        if (!taken.taken)
            return;
        if (taken.enable)
            jobLabel(screen, *taken.enable)->setEnabled(true);
        jobLabel(screen, *taken.disable)->setEnabled(false);
    };
    screen.addCatalogue(std::move(table));
}

void showJobLine(MainScreen& screen)
{
    if (const auto line = jobLineForPay(screen.context().game.dailyPay))
        screen.showJobLine(*line);
}

// A new or loaded game: only the job held is disabled, and the home page names it.
void refreshJobs(MainScreen& screen)
{
    const GameState& g = screen.context().game;
    for (const Job& job : jobs) {
        if (QWidget* label = jobLabel(screen, job))
            label->setEnabled(jobLabelEnabled(g, job));
    }
    showJobLine(screen);
}
} // namespace

void addJobsPage(GameContext& context)
{
    PageHooks& page = context.hooks.pages[JobsPage];
    page.build = [&context](QWidget& p) { buildJobsPage(context.game, p); };
    page.confirmBeforeResume = showJobLine;
    context.hooks.fillMainScreen.push_back(addCatalogue);
    context.hooks.refresh.push_back(refreshJobs);
}
