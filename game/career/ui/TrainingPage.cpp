// Page 1: the four course panels with the nineteen course labels, the description panel
// lblPanel with the verdict and the course's progress bar, and the status line Label2. A click
// buys a course; a timed course runs on tmrObuchenie, which keeps running when the page is
// left. Leaving the page with its "Да" counts the newly learned skills into experience and the
// status title.
#include "TrainingPage.h"

#include "career/Courses.h"
#include "career/Skills.h"

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
#include <QPointer>
#include <QProgressBar>
#include <QTimer>

#include <memory>

namespace {
constexpr int Gap = 8;
constexpr int PanelWidth = (PageWidth - 3 * Gap) / 2;
constexpr int RightLeft = 2 * Gap + PanelWidth;

int coursesIn(const char* panel)
{
    int n = 0;
    for (const Course& c : courses)
        n += QByteArray(c.panel) == panel;
    return n;
}

// Systems above development environments on the left; web technologies above the other
// applications on the right.
QRect panelPlace(const char* panel)
{
    const int systems = cataloguePanelHeight(coursesIn("Tavorel1"));
    const int web = cataloguePanelHeight(coursesIn("Tavorel3"));
    const QByteArray name(panel);
    if (name == "Tavorel1")
        return {Gap, Gap, PanelWidth, systems};
    if (name == "Tavorel2")
        return {Gap, 2 * Gap + systems, PanelWidth, cataloguePanelHeight(coursesIn(panel))};
    if (name == "Tavorel3")
        return {RightLeft, Gap, PanelWidth, web};
    return {RightLeft, 2 * Gap + web, PanelWidth, cataloguePanelHeight(coursesIn(panel))};
}

// Below the panels: the description panel, and the status line beside "Да".
constexpr int LowerTop = 342;
constexpr QRect DescriptionPlace{Gap, LowerTop, ConfirmButtonPlace.left() - 2 * Gap,
                                 ConfirmButtonPlace.top() - LowerTop - Gap};
constexpr QRect StatusPlace{Gap, ConfirmButtonPlace.top(), DescriptionPlace.width(),
                            ConfirmButtonPlace.height()};

constexpr int TrainingTickMs = 250;

class Training : public QObject {
public:
    Training(GameContext& context, QWidget& page) : QObject(&page), m_ctx(context), m_page(page)
    {
        build();
        connect(m_timer, &QTimer::timeout, this, &Training::tick);
    }

    void addCatalogue(MainScreen& screen)
    {
        m_screen = &screen;
        CatalogueTable table;
        for (const Course& c : courses)
            table.labels.push_back(QString::fromLatin1(c.label));
        for (const CoursePanel& p : coursePanels)
            table.panels.push_back(QString::fromLatin1(p.name));
        table.descriptions = {QStringLiteral("lblOpisanie"), QStringLiteral("lblVozmozhno")};
        table.hover = [this](int row) { return hover(courses[size_t(row)]); };
        table.click = [this](int row) { click(courses[size_t(row)]); };
        table.describe = [this](int row) {
            const CourseHover shown = hoverCourse(m_ctx.game, courses[size_t(row)]);
            return catalogueDescription({shown.lblOpisanie, shown.lblVozmozhno});
        };
        screen.addCatalogue(std::move(table));
    }

    // A new or loaded game: a course of the previous game stops uncharged, and every course
    // whose skill is not known can be bought.
    void refresh()
    {
        cancelCourse(m_ctx.game, m_run);
        finish();
        for (const Course& c : courses)
            setBuyable(c, courseLabelEnabled(m_ctx.game, c));
    }

private:
    void build()
    {
        const ControlColours colours = plainListColours(m_ctx.game);
        for (const CoursePanel& p : coursePanels) {
            const QRect place = panelPlace(p.name);
            createTavorel(&m_page, {p.name, nullptr, place,
                                    panelProperties(QString::fromUtf8(p.caption))});
            int row = 0;
            for (const Course& c : courses) {
                if (QByteArray(c.panel) != p.name)
                    continue;
                QLabel* l = createLabel(&m_page, {c.label, p.name,
                                                  catalogueRow(row++, place.width()), c.caption,
                                                  LabelKind::Value});
                setBackColour(l, *colours.background);
                setForeColour(l, *colours.text);
                l->setCursor(Qt::PointingHandCursor);
                fadeWhenDisabled(l, CatalogueFading);
                if (c.toolTip)
                    l->setToolTip(QString::fromUtf8(c.toolTip));
            }
        }

        vuzedovi::PropertyBag panel = panelProperties(QString());
        createTavorel(&m_page, {"lblPanel", nullptr, DescriptionPlace, panel});
        const int inner = DescriptionPlace.width() - 2 * 12;
        createLabels(&m_page, {
            {"lblOpisanie", "lblPanel", {12, 10, inner, 44}, "", LabelKind::Value},
            {"lblVozmozhno", "lblPanel", {12, 58, inner, 22}, ".", LabelKind::Value},
        });
        for (const char* name : {"lblOpisanie", "lblVozmozhno"})
            controlNamed(&m_page, name)->setAutoFillBackground(false);
        // The page's background label shows the status beside "Да".
        QWidget* status = controlNamed(&m_page, "Label2");
        status->setContentsMargins(StatusPlace.left(), StatusPlace.top(),
                                   PageWidth - 1 - StatusPlace.right(),
                                   PageHeight - 1 - StatusPlace.bottom());

        m_bar = createProgressBar(controlNamed(&m_page, "lblPanel"), "prgObuchenie",
                                  {12, 84, inner, 16});
        m_bar->hide();

        m_timer = namedTimer(&m_page, "tmrObuchenie", TrainingTickMs);
    }

    QWidget* label(const Course& c) const { return controlNamed(&m_page, c.label); }

    // A paid course's label reacts to no pointer: disabled, and without its tooltip.
    void setBuyable(const Course& c, bool buyable)
    {
        label(c)->setEnabled(buyable);
        label(c)->setToolTip(buyable && c.toolTip ? QString::fromUtf8(c.toolTip) : QString());
    }

    bool hover(const Course& c)
    {
        // A bought course's label is disabled and shows nothing.
        if (!label(c)->isEnabled())
            return false;
        const CourseHover shown = hoverCourse(m_ctx.game, c);
        setCaption(controlNamed(&m_page, "lblOpisanie"), shownLines(shown.lblOpisanie));
        setCaption(controlNamed(&m_page, "lblVozmozhno"), shown.lblVozmozhno);
        return courseAvailable(m_ctx.game, c);
    }

    void click(const Course& c)
    {
        switch (startCourse(m_ctx.game, m_run, c)) {
        case CourseStart::Refused:
            break;
        case CourseStart::Timed:
            m_bar->show();
            m_timer->start();
            break;
        case CourseStart::Immediate:
            setBuyable(c, false);
            break;
        }
    }

    void tick()
    {
        const CourseTick t = courseTick(m_ctx.game, m_run);
        m_bar->setValue(t.progress);
        setCaption(controlNamed(&m_page, "Label2"), t.label2);
        for (const CoursePanel& p : coursePanels)
            controlNamed(&m_page, p.name)->setVisible(t.panelsVisible);
        if (t.completed) {
            setBuyable(*t.completed, false);
            if (m_screen)
                m_screen->showMoney(); // the course is paid now, and the balance shows it
        }
        if (t.finished)
            finish();
    }

    // The bar and the timer stop, the panels come back and the status line empties.
    void finish()
    {
        m_timer->stop();
        m_bar->setValue(0);
        m_bar->hide();
        for (const CoursePanel& p : coursePanels)
            controlNamed(&m_page, p.name)->show();
        setCaption(controlNamed(&m_page, "Label2"), QString());
    }

    GameContext& m_ctx;
    QWidget& m_page;
    QPointer<MainScreen> m_screen;
    CourseRun m_run;
    QTimer* m_timer = nullptr;
    QProgressBar* m_bar = nullptr;
};

void showExperience(MainScreen& screen)
{
    const StatusLabels status = recomputeExperience(screen.context().game);
    screen.showStatus(status.lblStatus);
    screen.showExperience(status.lblOpit);
}
} // namespace

void addTrainingPage(GameContext& context)
{
    // The page's controller lives with the page, which lives with the main screen.
    auto training = std::make_shared<QPointer<Training>>();
    PageHooks& page = context.hooks.pages[TrainingPage];
    page.build = [&context, training](QWidget& p) { *training = new Training(context, p); };
    page.confirmBeforeResume = showExperience;
    context.hooks.fillMainScreen.push_back([training](MainScreen& screen) {
        if (*training)
            (*training)->addCatalogue(screen);
    });
    context.hooks.refresh.push_back([training](MainScreen&) {
        if (*training)
            (*training)->refresh();
    });
}
