// The main screen frmMain: the player's data, the game clock, the tabbed pages and the
// toolbar that leads to every other screen.
#pragma once

#include "HomePageToggles.h"

#include "hardware/Computer.h"
#include "world/DailyTick.h"
#include "world/NewGame.h"

#include <QWidget>

class CatalogueLabels;
struct CatalogueTable;
struct GameContext;
struct Program;
class QLabel;
class QProgressBar;
class QSlider;
class QTabWidget;
class QTimer;
class QToolBar;

class MainScreen : public QWidget {
    Q_OBJECT
public:
    static constexpr int Width = 800, Height = 600;
    static constexpr int SliderStart = SliderNormal; // a new game starts running, a day a second
    static constexpr int SlideIntervalMs = 15;
    static constexpr int MelodyIntervalMs = 500;

    explicit MainScreen(GameContext& context, QWidget* parent = nullptr);
    ~MainScreen() override;

    GameContext& context() const { return m_ctx; }
    QWidget* page(int number) const;
    // The named control of this screen.
    template <class T = QWidget> T* control(const char* name) const
    {
        return findChild<T*>(QString::fromLatin1(name));
    }

    // The game clock TimerMain.
    void setClockFromSlider(); // the speed change: 5000 ms, 1000 ms or stopped
    void stopClock();
    void resumeClock();        // runs again unless the slider stands at pause
    void dailyTick();          // one tick of TimerMain
    // The mood the bar ProgressBar1 holds, exactly (the bar itself shows whole percent).
    float moodBar() const { return m_moodBar; }
    void setMoodBar(float mood);

    void showPlayerLabels(const PlayerLabels& labels);
    void showClockLabels(const ClockLabels& labels);
    // lblDengi from money: every change of money shows at once, also while the clock stands.
    void showMoney();
    // The mood bar and lblPercent from mood, after a screen that changed it (rest, online
    // entertainment): the next day's game-over check reads the bar.
    void showMood();
    // Another screen hands the game back: the main screen shows again normal (also when the
    // player had minimised it) and in front, with money and mood as they stand.
    void comeBack();

    // What the pages and the other screens change on the main screen, each through its own
    // function: none of them writes into the main screen's controls by their names.
    void showStatus(const QString& status);         // lblStatus, the status title
    void showExperience(const QString& experience); // lblOpit
    void showJobLine(const QString& line);          // lblRab
    // The home page's computer summary, a line per category in summary order; an entry without
    // a caption leaves its line as it is unless clearAbsent, when the line is emptied.
    void showComputerSummary(const ComputerSummary& summary, bool clearAbsent);
    void showSummaryLine(Category category, const QString& caption);
    // The software page's disk bar prgVint. A bar whose maximum is lowered below its value
    // would empty itself; the value is set after the maximum and kept within it.
    void showDiskBar(const DiskBar& bar);
    // The bar's value alone, as given: a value outside the bar's range leaves the bar as it is.
    void showDiskUsed(int used);
    void showDiskCapacity(const QString& capacity); // lblObiomVint, beside the bar
    // A program's installed mark on the software page.
    void showInstalled(const Program& program, bool installed);
    // A part, course or job label of the catalogues that may be chosen again.
    void enableCatalogueEntry(const QString& label);
    // The home page's software panel: the installed programs of the section chosen in its
    // list, and the panel as a new game finds it (no section, no programs).
    void showInstalledSoftware(const QString& lines);
    void clearInstalledSoftware();

    // Toolbar1: the key of the pressed button. Unknown keys do nothing.
    void toolbarKey(const QString& key);
    // The confirm button "Да" of page 1 to 4.
    void confirmPage(int page);

    void toggleLegend();
    void toggleSoftwarePanel();
    void slideTick();
    const SoftwarePanelSlide& softwarePanel() const { return m_slide; }
    int16_t legendFlag() const { return m_legend.flag(); }

    // The hover convention's catalogues: each subsystem adds its table from its fill hook.
    void addCatalogue(CatalogueTable table);
    CatalogueLabels& catalogues() const { return *m_catalogues; }
    void hoverReset();

signals:
    // A page was left with its "Да" (the page is 0 again and the clock resumed by then).
    void pageConfirmed(int page);
    // The tick advanced the project under development.
    void developmentAdvanced(const DevelopmentProgress& progress);
    // A section was chosen in the home page's software panel (its entry's text).
    void softwareSectionChosen(const QString& entry);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The window manager's close (Alt+F4, the taskbar): the menu's exit question, with the
    // clock held while it is asked. Nothing in the game closes this screen itself.
    void closeEvent(QCloseEvent* event) override;
    // Back from a dialog or another screen: the catalogues' descriptions follow what changed.
    void changeEvent(QEvent* event) override;

private:
    void buildTitleBar();
    void buildToolbar();
    void buildPages();
    void buildConfirmButton(QWidget* page, int number);
    void connectControls();
    void load();
    void placeSoftwarePanel();

    GameContext& m_ctx;
    CatalogueLabels* m_catalogues = nullptr;
    QTimer* m_timerMain = nullptr;
    QTimer* m_tmrDviz = nullptr;
    QTabWidget* m_tabs = nullptr;
    QToolBar* m_toolbar = nullptr;
    QSlider* m_slider = nullptr;
    QProgressBar* m_moodBarControl = nullptr;
    QLabel* m_lblPO = nullptr;
    QLabel* m_lblLegenda = nullptr;
    float m_moodBar = 0.0f;
    SoftwarePanelSlide m_slide;
    LegendToggle m_legend;
};
