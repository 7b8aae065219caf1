#include "MainScreen.h"

#include "kit/ButtonPress.h"
#include "kit/CatalogueLabels.h"
#include "kit/ColourRegistry.h"
#include "kit/Colours.h"
#include "kit/Controls.h"
#include "kit/Dialogs.h"
#include "GameContext.h"
#include "kit/LabelClick.h"
#include "MainScreenPages.h"
#include "kit/ScreenKit.h"
#include "kit/Twips.h"
#include "kit/ShowAgain.h"
#include "ToolbarIcons.h"

#include "settings/ColourScheme.h"
#include "state/GameState.h"
#include "state/NumberFormat.h"
#include "state/SchemeColours.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <vuzedovi/Tavorel.h>

namespace {
// The controls the colour scheme reaches: the panels, confirm buttons and the labels that wear
// the background. The title bar Tavorel27 and Tavorel28 keep their own colours.
constexpr const char* colouredControls[] = {
    "Tavorel1", "Tavorel2", "Tavorel3", "Tavorel4", "Tavorel5", "Tavorel6", "Tavorel7",
    "Tavorel8", "Tavorel9", "Tavorel10", "Tavorel11", "Tavorel12", "Tavorel13", "Tavorel14",
    "Tavorel15", "Tavorel16", "Tavorel17", "Tavorel18", "Tavorel19", "Tavorel20", "Tavorel21",
    "Tavorel22", "Tavorel23", "Tavorel24", "Tavorel25", "Tavorel26", "Tavorel29",
    "lblPO", "cmdDa", "lblPanel", "cmdDa2", "lblDostupna", "cmdKompDa", "lblShowTsena",
    "cmdProgDa", "Label4", "Label2", "Label13", "Label14", "Label15",
};

constexpr int TitleHeight = TitleBarHeight, ToolbarHeight = 60;

// What a toolbar key does besides selecting its page.
enum class KeyEffect { Page, Development, Internet, Rest, Menu };

struct ToolbarKeyRow {
    const char* key;
    const char* text;
    KeyEffect effect;
    int page; // for KeyEffect::Page
};

constexpr ToolbarKeyRow toolbarKeys[] = {
    {"Obuchenie", "Обучение", KeyEffect::Page, TrainingPage},
    {"Rabota", "Работа", KeyEffect::Page, JobsPage},
    {"Komp", "Компьютер", KeyEffect::Page, ComputerPage},
    {"Program", "Программы", KeyEffect::Page, SoftwarePage},
    {"Razrab", "Разработка", KeyEffect::Development, 0},
    {"Inet", "Интернет", KeyEffect::Internet, 0},
    {"Otdih", "Отдых", KeyEffect::Rest, 0},
    {"Menu", "Меню", KeyEffect::Menu, 0},
};

// The pages in their numbers' order, each page's background label, which the colour scheme
// gives its background colour, and its confirm button "Да" (none on page 0).
struct PageRow {
    const char* name;
    const char* background;
    const char* confirm;
};
constexpr PageRow pages[MainPageCount] = {
    {"tabHome", "Label4", nullptr},
    {"tabTraining", "Label2", "cmdDa"},
    {"tabJobs", "Label13", "cmdDa2"},
    {"tabComputer", "Label14", "cmdKompDa"},
    {"tabSoftware", "Label15", "cmdProgDa"},
};

// The page's background label lies under everything else of the page, over all of it; the
// pointer passes through it to the page.
void buildPageBackground(QWidget* page, const char* name)
{
    QLabel* background = createLabel(page, {name, nullptr, page->rect(), "", LabelKind::Centred});
    background->setAttribute(Qt::WA_TransparentForMouseEvents);
    background->lower();
}

// The panels of the home page whose background runs the hover reset.
const char* const homeResetPanels[] = {"Tavorel16"};
// The two link labels of the main screen, which the hover reset also gives their colour back.
const char* const linkLabels[] = {"lblLegenda", "lblPO"};

// The melody timers and the melody flag each follows.
struct MelodyTimerRow {
    const char* timer;
    Flag GameState::*flag;
};
constexpr MelodyTimerRow melodyTimers[] = {
    {"timMel1", &GameState::melody1On},
    {"timMel2", &GameState::melody2On},
    {"timMel3", &GameState::melody3On},
};
} // namespace

MainScreen::MainScreen(GameContext& context, QWidget* parent)
    : QWidget(parent, ScreenWindow), m_ctx(context)
{
    frameScreen(this, "frmMain", {Width, Height}, ProgramTitle);
    registerColouredScreen({"frmMain", colouredControls});
    setDarkBody(this);

    m_timerMain = namedTimer(this, "TimerMain", 1000);
    m_tmrDviz = namedTimer(this, "tmrDviz", SlideIntervalMs);
    for (const MelodyTimerRow& row : melodyTimers)
        namedTimer(this, row.timer, MelodyIntervalMs);

    m_catalogues = new CatalogueLabels(this, [this] { hoverReset(); });

    buildTitleBar();
    buildToolbar();
    buildPages();
    connectControls();
    // A screen reader hears the catalogues of the page it is on as they stand.
    connect(m_tabs, &QTabWidget::currentChanged, m_catalogues, [this] { m_catalogues->describe(); });
    CatalogueTable home;
    for (const char* panel : homeResetPanels)
        home.panels.push_back(QString::fromLatin1(panel));
    addCatalogue(std::move(home));
    for (const auto& fill : m_ctx.hooks.fillMainScreen)
        fill(*this);
    load();
}

MainScreen::~MainScreen() = default;

void MainScreen::buildTitleBar()
{
    // The close button has no action.
    createTitleBar(this, Width, ProgramTitle);
    createTitleButtons(this, Width);
}

void MainScreen::buildToolbar()
{
    m_toolbar = new QToolBar(this);
    m_toolbar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar->setGeometry(0, TitleHeight, Width, ToolbarHeight);
    m_toolbar->setMovable(false);
    m_toolbar->setIconSize(QSize(32, 32));
    m_toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setPaletteColours(m_toolbar, {{QPalette::Window, ChromeColours::BarBack},
                                  {QPalette::Button, ChromeColours::BarButton},
                                  {QPalette::ButtonText, ChromeColours::BarText},
                                  {QPalette::WindowText, ChromeColours::BarText}});
    m_toolbar->setAutoFillBackground(true);
    for (const ToolbarKeyRow& row : toolbarKeys) {
        const QString key = QString::fromLatin1(row.key);
        QAction* action = m_toolbar->addAction(toolbarIcon(key), QString::fromUtf8(row.text));
        action->setObjectName(key);
        action->setToolTip(QString::fromUtf8(row.text));
        connect(action, &QAction::triggered, this, [this, key] { toolbarKey(key); });
    }
    // A keyboard player reaches the toolbar's keys with Tab and presses them with Space or
    // Enter, as any other button.
    for (QToolButton* button : m_toolbar->findChildren<QToolButton*>()) {
        button->setFocusPolicy(Qt::TabFocus);
        clickOnEnter(button);
    }
}

void MainScreen::buildPages()
{
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_tabs->setGeometry(0, TitleHeight + ToolbarHeight, PageWidth, PageHeight);
    m_tabs->setDocumentMode(true);
    // The toolbar switches the pages; the tabs themselves are not shown, and the tabbed
    // panel's own Ctrl+Tab is swallowed (it would skip the clock and the pages' "Да").
    m_tabs->tabBar()->hide();
    m_tabs->setFocusPolicy(Qt::NoFocus); // no stop of its own for Tab: its tabs are hidden
    m_tabs->installEventFilter(this);
    for (int number = 0; number < MainPageCount; ++number) {
        const PageRow& row = pages[number];
        auto* page = new QWidget;
        page->setObjectName(QString::fromLatin1(row.name));
        page->setFixedSize(PageWidth, PageHeight);
        setBackColour(page, DesignColours::WindowBody);
        page->setMouseTracking(true);
        buildPageBackground(page, row.background);
        if (number == HomePage)
            buildHomePage(page);
        else
            buildConfirmButton(page, number);
        if (number == SoftwarePage)
            ::buildLegend(page);
        if (const auto& build = m_ctx.hooks.pages[size_t(number)].build)
            build(*page);
        m_tabs->addTab(page, QString::fromLatin1(row.name));
    }
}

void MainScreen::buildConfirmButton(QWidget* page, int number)
{
    QWidget* da = createTavorel(page, {pages[number].confirm, nullptr, ConfirmButtonPlace,
                                       buttonProperties(QStringLiteral("Да"))});
    onPress(tavorel(da), [this, number] { confirmPage(number); });
}

void MainScreen::connectControls()
{
    m_slider = control<QSlider>("Slider1");
    m_slider->setValue(SliderStart);
    connect(m_slider, &QSlider::valueChanged, this, [this] { setClockFromSlider(); });
    m_moodBarControl = control<QProgressBar>("ProgressBar1");

    connect(m_timerMain, &QTimer::timeout, this, &MainScreen::dailyTick);
    connect(m_tmrDviz, &QTimer::timeout, this, &MainScreen::slideTick);

    m_lblPO = control<QLabel>("lblPO");
    m_lblLegenda = control<QLabel>("lblLegenda");
    m_lblPO->installEventFilter(this);
    m_lblLegenda->installEventFilter(this);
    onLabelPress(m_lblPO, [this] { toggleSoftwarePanel(); });
    onLabelPress(m_lblLegenda, [this] { toggleLegend(); },
                 {[this] { setBackColour(m_lblLegenda, DesignColours::Hover); },
                  [this] {
                      setBackColour(m_lblLegenda,
                                    schemeColour(m_ctx.game, &GameState::colourChoiceButtons));
                  }});
    connect(control<QComboBox>("cmbProgrObesp"), &QComboBox::textActivated, this,
            &MainScreen::softwareSectionChosen);
}

void MainScreen::load()
{
    GameState& g = m_ctx.game;
    // 1. The menu may offer saving and continuing from now on.
    g.mainScreenShown = True;
    // 2. The clock as the slider stands.
    setClockFromSlider();
    // 3. The legend and the software panel start hidden.
    m_legend = LegendToggle();
    m_slide = SoftwarePanelSlide();
    // 4. The melody timers follow the melody flags.
    for (const MelodyTimerRow& row : melodyTimers) {
        QTimer* timer = control<QTimer>(row.timer);
        if (g.*row.flag == True)
            timer->start();
        else if (g.*row.flag == False)
            timer->stop();
    }
    // 5. Unless the settings were once cancelled: the colour scheme and the hand cursor.
    if (!schemeApplies(g))
        return;
    if (m_ctx.hooks.applyColourScheme)
        m_ctx.hooks.applyColourScheme(*this);
    m_toolbar->setCursor(Qt::PointingHandCursor);
    m_lblPO->setCursor(Qt::PointingHandCursor);
    m_lblLegenda->setCursor(Qt::PointingHandCursor);
}

QWidget* MainScreen::page(int number) const
{
    return m_tabs->widget(number);
}

void MainScreen::setClockFromSlider()
{
    const ClockSetting setting = clockForSlider(m_slider->value());
    if (setting.intervalMs)
        m_timerMain->setInterval(*setting.intervalMs);
    if (setting.enabled)
        m_timerMain->start();
    else
        m_timerMain->stop();
}

void MainScreen::stopClock()
{
    m_timerMain->stop();
}

void MainScreen::resumeClock()
{
    if (clockResumes(m_slider->value()))
        m_timerMain->start();
}

void MainScreen::setMoodBar(float mood)
{
    m_moodBar = shownMood(mood);
    m_moodBarControl->setValue(int(m_moodBar));
}

void MainScreen::dailyTick()
{
    const DayResult day = ::dailyTick(m_ctx.game, m_moodBar);
    setCaption(control("Label1"), day.label1);
    setCaption(control("lblStazh"), day.lblStazh);
    if (day.gameOver) {
        // No further day while the message is up; closing it ends the program.
        stopClock();
        showMessage(m_ctx.dialogs(), this, Message::plain(QStringLiteral("Game Over")));
        m_ctx.quit();
        return;
    }
    setMoodBar(day.moodBar);
    setCaption(control("lblPercent"), day.lblPercent);
    setCaption(control("lblDengi"), day.lblDengi);
    m_catalogues->describe();
    // The development screen shows the project's progress.
    if (day.development)
        emit developmentAdvanced(*day.development);
}

void MainScreen::comeBack()
{
    showMoney();
    showMood();
    showAgain(this);
}

void MainScreen::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_catalogues->describe();
    QWidget::changeEvent(event);
}

void MainScreen::closeEvent(QCloseEvent* event)
{
    event->ignore();
    const bool running = m_timerMain->isActive();
    stopClock();
    if (!m_ctx.askToExit(this) && running)
        m_timerMain->start();
}

void MainScreen::toolbarKey(const QString& key)
{
    const ToolbarKeyRow* row = nullptr;
    for (const ToolbarKeyRow& candidate : toolbarKeys) {
        if (key == QLatin1String(candidate.key))
            row = &candidate;
    }
    if (!row)
        return;

    const Hooks& hooks = m_ctx.hooks;
    switch (row->effect) {
    case KeyEffect::Page:
        m_tabs->setCurrentIndex(row->page);
        stopClock();
        break;
    case KeyEffect::Development:
        // The clock keeps running: a project advances while its screen is open.
        if (hooks.openDevelopment) {
            hide();
            hooks.openDevelopment(*this);
        }
        break;
    case KeyEffect::Internet:
    case KeyEffect::Rest: {
        const auto& open = row->effect == KeyEffect::Internet ? hooks.openInternet
                                                              : hooks.openRest;
        if (open) {
            hide();
            open(*this);
            stopClock();
        }
        break;
    }
    case KeyEffect::Menu:
        stopClock();
        if (m_ctx.openMenuFromMainScreen)
            m_ctx.openMenuFromMainScreen();
        break;
    }
}

void MainScreen::confirmPage(int pageNumber)
{
    if (pageNumber <= HomePage || pageNumber >= MainPageCount)
        return;
    const PageHooks& hooks = m_ctx.hooks.pages[size_t(pageNumber)];
    m_tabs->setCurrentIndex(HomePage);
    if (hooks.confirmBeforeResume)
        hooks.confirmBeforeResume(*this);
    resumeClock();
    if (hooks.confirmAfterResume)
        hooks.confirmAfterResume(*this);
    emit pageConfirmed(pageNumber);
}

void MainScreen::toggleLegend()
{
    const LegendToggle::View view = m_legend.toggle();
    control("Tavorel29")->setVisible(view.legendVisible);
    m_lblLegenda->setText(view.caption);
    m_lblLegenda->setToolTip(view.toolTip);
}

void MainScreen::placeSoftwarePanel()
{
    QWidget* panel = control("Tavorel26");
    panel->move(SoftwarePanelOriginX + twipsToPixels(m_slide.left()),
                SoftwarePanelOriginY + twipsToPixels(m_slide.top()));
    panel->setVisible(m_slide.visible());
    if (m_slide.visible())
        panel->raise();
}

void MainScreen::toggleSoftwarePanel()
{
    m_lblPO->setText(m_slide.toggle());
    m_tmrDviz->start();
    placeSoftwarePanel();
}

void MainScreen::slideTick()
{
    m_slide.tick();
    if (!m_slide.sliding())
        m_tmrDviz->stop();
    placeSoftwarePanel();
}

void MainScreen::addCatalogue(CatalogueTable table)
{
    // A bought part or a paid course shows its price gone at once.
    if (auto click = std::move(table.click)) {
        table.click = [this, click = std::move(click)](int row) {
            click(row);
            showMoney();
        };
    }
    m_catalogues->add(std::move(table));
}

void MainScreen::hoverReset()
{
    const uint32_t colour = schemeColour(m_ctx.game, &GameState::colourChoiceButtons);
    // The catalogue labels, their description texts and each catalogue's resting state.
    m_catalogues->reset(colour);
    // The two link labels lose their hover colour.
    for (const char* name : linkLabels)
        setBackColour(control(name), colour);
}

bool MainScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_tabs && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            && key->modifiers().testFlag(Qt::ControlModifier))
            return true;
    }
    const bool legend = watched == m_lblLegenda;
    if (legend || watched == m_lblPO) {
        if (isClickRelease(static_cast<QWidget*>(watched), event)) {
            legend ? toggleLegend() : toggleSoftwarePanel();
            return true;
        }
        if (legend && event->type() == QEvent::MouseMove) {
            setBackColour(m_lblLegenda, DesignColours::Hover);
        } else if (legend && event->type() == QEvent::Leave) {
            setBackColour(m_lblLegenda, schemeColour(m_ctx.game, &GameState::colourChoiceButtons));
        }
    }
    return QWidget::eventFilter(watched, event);
}
