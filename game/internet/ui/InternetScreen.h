// The internet screen frmInter: dialling up through the modem, the online clock that bills a
// rouble a second, the favourites menu whose sections open as pages of SSTab1 after a page
// load, the services on those pages, and the way back to the main screen, past a virus now and
// then.
#pragma once

#include "internet/Online.h"

#include <QWidget>

#include <functional>

struct GameContext;
struct OnlineService;
class MainScreen;
class QLabel;
class QPixmap;
class QProgressBar;
class QStatusBar;
class QTabWidget;
class QTextEdit;
class QTimer;
class VirusScreen;

class InternetScreen : public QWidget {
    Q_OBJECT
public:
    static constexpr int Height = 480;
    static constexpr int TitleHeight = 16; // Picture2, the body, starts at top 240 twips
    static constexpr int LoadFrameMs = 30;  // how often a running page load redraws

    InternetScreen(GameContext& context, MainScreen& mainScreen);
    ~InternetScreen() override;

    template <class T = QWidget> T* control(const char* name) const
    {
        return findChild<T*>(QString::fromLatin1(name));
    }
    const OnlineSession& session() const { return m_session; }
    // The virus screen while it is up during a disconnect.
    VirusScreen* virusScreen() const { return m_virus; }

    // The toolbar's "Inet": the screen comes up as an ordinary window.
    void open();

    // The screen's actions, as its controls trigger them.
    void connectModem();            // cmdPodkl
    void disconnectAndLeave();      // cmdOtkl, cmdClose and a close from the desktop
    void toggleDetails();           // cmdDetali
    void openSection(int section);  // a menu label
    void chooseService(const OnlineService& service);

    // The timers' ticks.
    void dialTick();    // tmrSost
    void watchTick();   // tmrKontrol
    void billingTick(); // tmrVremiaDengi
    void loadTick();    // tmrZagruzka: the page load's next frame

signals:
    // The screen has been left and the main screen is up again.
    void left();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void buildBody(QWidget* body);
    void buildMenu(QWidget* body);
    void buildDialStatus(QWidget* body);
    void buildPages();
    void buildStartPage(const QPixmap& bullet);
    void buildSalesPages();
    void buildFrames(const char* page);
    void buildAntivirusPage();
    void buildCoursePages();
    void buildServiceOptions(const QPixmap& bullet);
    void connectControls();
    void applyLayout(const DetailsView& view);
    void showClock(const OnlineClockLabels& labels);
    void setMenuEnabled(bool enabled);
    void underlineMenu(QLabel* hovered);
    void hoverAntivirusButton(bool over);
    // loadPage: runs `then` once the page has loaded, or at once without a modem.
    void loadPage(int tab, const QString& status, std::function<void()> then);
    void finishLoad();
    void finishDisconnect();

    GameContext& m_ctx;
    MainScreen& m_main;
    OnlineSession m_session;
    std::function<void()> m_afterLoad;
    VirusScreen* m_virus = nullptr;

    QTimer* m_tmrSost = nullptr;
    QTimer* m_tmrKontrol = nullptr;
    QTimer* m_tmrVremiaDengi = nullptr;
    QTimer* m_tmrZagruzka = nullptr;
    QTabWidget* m_tabs = nullptr;
    QProgressBar* m_progress = nullptr;
    QStatusBar* m_statusBar = nullptr;
    QTextEdit* m_txtSostoanie = nullptr;
};

// Plugs the internet screen into the game: created with the main screen, opened by "Inet".
void addInternetScreen(GameContext& context);
