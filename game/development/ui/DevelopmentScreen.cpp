#include "DevelopmentScreen.h"

#include "development/ProjectDays.h"

#include "kit/ButtonPress.h"
#include "kit/ColourRegistry.h"
#include "kit/Colours.h"
#include "kit/Controls.h"
#include "kit/Dialogs.h"
#include "flow/GameContext.h"
#include "flow/MainScreen.h"
#include "kit/ScreenKit.h"
#include "settings/ui/SchemeOnScreens.h"
#include "kit/ShowAgain.h"
#include "state/GameState.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QProgressBar>
#include <QRadioButton>

#include <vuzedovi/Tavorel.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {
// The panels the colour scheme reaches; the screen's body takes its background while the
// panels may move.
constexpr const char* colouredControls[] = {"Tavorel1", "Tavorel2", "Tavorel3", "Tavorel4",
                                            "lblTr",    "Tavorel6", "Tavorel5"};
constexpr int TitleHeight = TitleBarHeight, Gap = 8, OptionRow = 22;
constexpr int LeftWidth = 352, RightLeft = 2 * Gap + LeftWidth;
constexpr int RightWidth = DevelopmentScreen::Width - RightLeft - Gap;

int panelHeight(int rows, int rowHeight) { return 30 + rows * rowHeight + 10; }

constexpr int EnvironmentsTop = TitleHeight + Gap;
const int EnvironmentsHeight = panelHeight(EnvironmentCount, OptionRow);
const QRect NoticePlace{Gap, EnvironmentsTop + EnvironmentsHeight + 6, LeftWidth, 58};
const int ProjectsTop = NoticePlace.bottom() + 1 + 6;
const QRect ProjectsPlace{Gap, ProjectsTop, LeftWidth, DevelopmentScreen::Height - Gap - ProjectsTop};

const QRect WebTechnologiesPlace{RightLeft, EnvironmentsTop, RightWidth, panelHeight(3, OptionRow)};
const QRect WebLevelsPlace{RightLeft, WebTechnologiesPlace.bottom() + 1 + Gap, RightWidth, 140};
const QRect RequirementsPlace{RightLeft, WebLevelsPlace.bottom() + 1 + Gap, RightWidth, 56};
const QRect ProjectPlace{RightLeft, RequirementsPlace.bottom() + 1 + Gap, RightWidth, 104};
constexpr QRect ConfirmPlace{DevelopmentScreen::Width - Gap - 100, DevelopmentScreen::Height - Gap - 40, 100, 40};

// The headings, "Да" and the two caption-less buttons may be moved by the player.
vuzedovi::PropertyBag movable(vuzedovi::PropertyBag bag)
{
    bag.write(QStringLiteral("movecontrol"), int(vuzedovi::constMoveControl::MoveMe));
    return bag;
}

vuzedovi::PropertyBag backdropProperties()
{
    vuzedovi::PropertyBag bag = movable(buttonProperties(QString()));
    bag.write(QStringLiteral("style"), int(vuzedovi::constStyle::PanelDown));
    return bag;
}

// Labels and options drawn straight on a gradient: no background of their own, yellow text.
void onGradient(QWidget* w)
{
    w->setAutoFillBackground(false);
    const QColor yellow = toQColor(DesignColours::LabelText);
    setPaletteColours(w, {{QPalette::WindowText, yellow}, {QPalette::ButtonText, yellow}});
}

int selectedRow(const QListWidget* list)
{
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

QString selectedText(const QListWidget* list)
{
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

// An option array on a panel, one option under the other, each named `name` with its index.
QButtonGroup* createOptions(QWidget* screen, const char* name, const char* panel, int width,
                            const std::vector<const char*>& captions)
{
    auto* group = new QButtonGroup(screen);
    for (int i = 0; i < int(captions.size()); ++i) {
        auto* option = new QRadioButton(QString::fromUtf8(captions[size_t(i)]),
                                        controlNamed(screen, panel));
        option->setObjectName(QString::fromLatin1(name));
        option->setProperty("Index", i);
        option->setGeometry(14, 30 + i * OptionRow, width - 28, OptionRow - 2);
        onGradient(option);
        group->addButton(option, i);
    }
    return group;
}

// A list of levels on its panel. Nothing is chosen to develop until an environment or a web
// technology is.
QListWidget* createList(QWidget* screen, const char* name, const char* panel, const QRect& place)
{
    auto* list = new QListWidget(controlNamed(screen, panel));
    list->setObjectName(QString::fromLatin1(name));
    list->setGeometry(10, 30, place.width() - 20, place.height() - 40);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    setListBoxColours(list, DesignColours::LabelBack, DesignColours::LabelText);
    list->setEnabled(false);
    return list;
}

// Takes the choice away from an exclusive group of options.
void uncheck(QButtonGroup* group)
{
    if (QAbstractButton* checked = group->checkedButton()) {
        group->setExclusive(false);
        checked->setChecked(false);
        group->setExclusive(true);
    }
}

// A key let go in a list (the arrows move the selection) reports it.
class ListKeys : public QObject {
public:
    ListKeys(QListWidget* list, std::function<void()> keyUp)
        : QObject(list), m_keyUp(std::move(keyUp))
    {
        list->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyRelease && m_keyUp)
            m_keyUp();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_keyUp;
};
} // namespace

DevelopmentScreen::DevelopmentScreen(GameContext& context)
    : QWidget(nullptr, ScreenWindow), m_ctx(context)
{
    frameScreen(this, "frmRazrabotka", {Width, Height}, ProgramTitle);
    registerColouredScreen(
        {"frmRazrabotka", colouredControls, nullptr, SchemeBackground::SchemeWhilePanelsFree});
    setDarkBody(this);
    build();
    connectControls();
    // First loaded in this run: the project of the game, if there is one, is named.
    refreshOptions();
    setCaption(controlNamed(this, "lblInform"), currentProjectCaption(m_ctx.game));
}

void DevelopmentScreen::build()
{
    createTitleBar(this, Width, ProgramTitle);
    createTitleButtons(this, Width);
    createTavorels(this, {
        {"Tavorel1", nullptr, {Gap, EnvironmentsTop, LeftWidth, EnvironmentsHeight},
         panelProperties(QStringLiteral("Среды разработки приложений"))},
        {"Tavorel2", nullptr, ProjectsPlace, panelProperties(QStringLiteral("Типы приложений для разработки"))},
        {"Tavorel3", nullptr, WebTechnologiesPlace, panelProperties(QStringLiteral("Программирование для веб"))},
        {"Tavorel4", nullptr, WebLevelsPlace, panelProperties(QStringLiteral("Типы веб-приложений для разработки"))},
        {"lblTr", nullptr, RequirementsPlace, backdropProperties()},
        {"Tavorel6", nullptr, ProjectPlace, backdropProperties()},
        {"Tavorel5", nullptr, ConfirmPlace, movable(buttonProperties(QStringLiteral("Да")))},
    });

    // The environments and the web technologies: two option arrays, each its own choice.
    std::vector<const char*> environmentCaptions, webCaptions;
    for (const DevEnvironment& environment : environments)
        environmentCaptions.push_back(environment.caption);
    for (const WebTechnology& technology : webTechnologies)
        webCaptions.push_back(technology.caption);
    m_environments = createOptions(this, "optDS", "Tavorel1", LeftWidth, environmentCaptions);
    m_webTechnologies = createOptions(this, "optWeb", "Tavorel3", RightWidth, webCaptions);

    buildNotice();
    m_projects = createList(this, "lstTipProj", "Tavorel2", ProjectsPlace);
    for (const DesktopLevel& level : desktopLevels)
        m_projects->addItem(QString::fromUtf8(level.item));
    m_web = createList(this, "lstWeb", "Tavorel4", WebLevelsPlace);
    for (const WebLevel& level : webLevels)
        m_web->addItem(QString::fromUtf8(level.item));
    buildProject();
}

// Picture1: the notice that an environment hides some of the project types.
void DevelopmentScreen::buildNotice()
{
    auto* notice = new QFrame(this);
    notice->setObjectName(QStringLiteral("Picture1"));
    notice->setGeometry(NoticePlace);
    notice->setFrameShape(QFrame::Box);
    setBackColour(notice, DesignColours::LabelBack);
    QLabel* label3 = createLabel(this, {"Label3", "Picture1", {6, 4, LeftWidth - 12, NoticePlace.height() - 8},
                                        "В данной среде разработки скрытая часть типов приложений для разработки не доступна.",
                                        LabelKind::Value});
    label3->setWordWrap(true);
    notice->hide();
}

// The requirements, and the project under way with its progress.
void DevelopmentScreen::buildProject()
{
    const int inner = RightWidth - 16;
    createLabels(this, {
        {"lblTrebovania", "lblTr", {8, 4, inner, RequirementsPlace.height() - 8}, "", LabelKind::Value},
        {"lblInform", "Tavorel6", {8, 8, inner, 24}, "", LabelKind::Value},
        {"lblRazrabotka", "Tavorel6", {8, 64, inner, 30}, "", LabelKind::Value},
    });
    for (const char* name : {"lblTrebovania", "lblInform", "lblRazrabotka"}) {
        auto* l = static_cast<QLabel*>(controlNamed(this, name));
        onGradient(l);
        l->setWordWrap(true);
    }
    m_progress = createProgressBar(controlNamed(this, "Tavorel6"), "prgRazrabotka",
                                   {8, 38, inner, 18}, 1);
}

void DevelopmentScreen::connectControls()
{
    // The close button, and the desktop's close, leave like "Да": a close that did nothing
    // would surprise.
    for (const char* name : {"Tavorel5", "cmdClose"})
        onPress(tavorel(controlNamed(this, name)), [this] { leave(); });
    leaveOnClose(this, [this] { leave(); });

    connect(m_environments, &QButtonGroup::idClicked, this,
            [this](int id) { chooseEnvironment(id); });
    connect(m_webTechnologies, &QButtonGroup::idClicked, this,
            [this](int) { chooseWebTechnology(); });

    connect(m_projects, &QListWidget::itemPressed, this, [this] { showRequirement(); });
    new ListKeys(m_projects, [this] { showRequirement(); });
    connect(m_projects, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { start(ProjectList::Desktop, m_projects->row(item)); });
    connect(m_web, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { start(ProjectList::Web, m_web->row(item)); });
}

void DevelopmentScreen::open()
{
    const GameState& g = m_ctx.game;
    applySchemeToScreen(*this, g);
    refreshOptions();
    showAgain(this);
}

void DevelopmentScreen::leave()
{
    hide();
    if (MainScreen* main = m_ctx.mainScreen ? m_ctx.mainScreen() : nullptr)
        main->comeBack();
}

void DevelopmentScreen::refreshOptions()
{
    const DevelopmentView view =
        developmentView(m_ctx.game, m_environments->checkedId(), m_webTechnologies->checkedId());
    for (int i = 0; i < EnvironmentCount; ++i)
        m_environments->button(i)->setEnabled(view.optDS[size_t(i)]);
    for (int i = 0; i < int(webTechnologies.size()); ++i)
        m_webTechnologies->button(i)->setEnabled(view.optWeb[size_t(i)]);
    if (!view.keepEnvironment) {
        uncheck(m_environments);
        controlNamed(this, "Picture1")->hide();
    }
    if (!view.keepWebTechnology)
        uncheck(m_webTechnologies);
    if (view.lstTipProj)
        m_projects->setEnabled(*view.lstTipProj);
    if (view.lstWeb)
        m_web->setEnabled(*view.lstWeb);
    // The options and texts read, enabled or not, on whatever the colour scheme paints behind
    // them.
    QList<QWidget*> onPanels;
    for (QAbstractButton* option : m_environments->buttons() + m_webTechnologies->buttons())
        onPanels << option;
    for (const char* name : {"lblTrebovania", "lblInform", "lblRazrabotka"})
        onPanels << controlNamed(this, name);
    for (QWidget* control : onPanels)
        readableOnGradient(control, toQColor(DesignColours::LabelText));
}

void DevelopmentScreen::refreshFromGame()
{
    const GameState& g = m_ctx.game;
    setCaption(controlNamed(this, "lblInform"), currentProjectCaption(g));
    setCaption(controlNamed(this, "lblRazrabotka"), QString());
    if (isSet(g.developing)) {
        m_progress->setRange(0, std::max<int>(1, developmentDays(g.devProjectType)));
        m_progress->setValue(std::min<int>(g.devDaysDone, m_progress->maximum()));
    } else {
        m_progress->setValue(0);
    }
    refreshOptions();
}

void DevelopmentScreen::showProgress(const DevelopmentProgress& progress)
{
    // A bar whose maximum is 0 would run an endless busy animation.
    m_progress->setRange(0, std::max<int>(1, progress.maximum));
    m_progress->setValue(std::clamp(progress.value, 0, m_progress->maximum()));
    setCaption(controlNamed(this, "lblRazrabotka"), progress.lblRazrabotka);
    if (!progress.finished)
        return;
    // The player gets back the list the project came from.
    const QListWidget* source = sourceList();
    if (!source)
        return; // a project of a loaded game: no list to give back
    const ListsAfterFinish fromTick =
        listsAfterFinish(selectedText(source), selectedText(m_projects), selectedText(m_web));
    switch (listsGivenBack(fromTick, m_environments->checkedButton() != nullptr,
                           m_webTechnologies->checkedButton() != nullptr)) {
    case ListsAfterFinish::EnableProjectList:
        m_projects->setEnabled(true);
        m_web->setEnabled(false);
        break;
    case ListsAfterFinish::EnableWebList:
        m_web->setEnabled(true);
        m_projects->setEnabled(false);
        break;
    case ListsAfterFinish::Unchanged:
        break;
    }
}

void DevelopmentScreen::chooseEnvironment(int environment)
{
    const ListStates states = ::chooseEnvironment(environment);
    m_projects->setEnabled(states.lstTipProj);
    m_web->setEnabled(states.lstWeb);
    if (states.picture1)
        controlNamed(this, "Picture1")->setVisible(*states.picture1);
}

void DevelopmentScreen::chooseWebTechnology()
{
    const ListStates states = ::chooseWebTechnology();
    m_projects->setEnabled(states.lstTipProj);
    m_web->setEnabled(states.lstWeb);
}

void DevelopmentScreen::showRequirement()
{
    setCaption(controlNamed(this, "lblTrebovania"),
               shownLines(levelRequirement(selectedRow(m_projects))));
}

DevChoice DevelopmentScreen::choice() const
{
    return {m_environments->checkedId(), selectedRow(m_projects)};
}

QListWidget* DevelopmentScreen::sourceList() const
{
    switch (m_ctx.game.devSourceList) {
    case DevSource::ProjectList:
        return m_projects;
    case DevSource::WebList:
        return m_web;
    case DevSource::None:
        break;
    }
    return nullptr;
}

void DevelopmentScreen::start(ProjectList list, int level)
{
    Dialogs& dialogs = m_ctx.dialogs();
    const ProjectStart started = startProject(m_ctx.game, choice(), list, level,
                                              [&](const NameBox& box) {
        return dialogs.askText(this, box.prompt, box.title, box.defaultText);
    });
    if (started.message)
        showMessage(dialogs, this, *started.message);
    if (!started.started)
        return;
    (list == ProjectList::Desktop ? m_projects : m_web)->setEnabled(false);
    setCaption(controlNamed(this, "lblInform"), started.lblInform);
}

void addDevelopmentScreen(GameContext& context)
{
    // Created on first use, only hidden afterwards; it goes with the game.
    auto screen = std::make_shared<std::unique_ptr<DevelopmentScreen>>();
    const auto ensure = [&context, screen]() -> DevelopmentScreen& {
        if (!*screen)
            *screen = std::make_unique<DevelopmentScreen>(context);
        return **screen;
    };
    context.hooks.openDevelopment = [ensure](MainScreen&) { ensure().open(); };
    context.hooks.fillMainScreen.push_back([ensure](MainScreen& main) {
        // The clock's day advances the project, creating the screen (hidden) if need be.
        QObject::connect(&main, &MainScreen::developmentAdvanced, &main,
                         [ensure](const DevelopmentProgress& progress) {
                             ensure().showProgress(progress);
                         });
    });
    context.hooks.refresh.push_back([screen](MainScreen&) {
        if (*screen)
            (*screen)->refreshFromGame();
    });
}
