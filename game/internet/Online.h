// Going online: the modem connection, the online clock that bills a rouble a second, the
// dial-up status, the two layouts of the internet screen and the simulated page load.
#pragma once

#include "state/GameState.h"
#include "state/Message.h"

#include <QString>
#include <QtGlobal>

#include <array>
#include <cstdint>
#include <optional>

class RandomSource;

// The five sections of the menu, each a page of SSTab1 (page 0 is the start page).
struct OnlineSection {
    const char* label;
    const char* caption;
    int tab;
};
extern const std::array<OnlineSection, 5> onlineSections;

inline const QString OpeningPageText = QStringLiteral("Открытие страницы ...");
inline const QString LoadDoneText = QStringLiteral("Готово");

// What the online clock takes each second, and the rate as the wide layout shows it ("1 руб.").
inline constexpr Currency OnlineRatePerSecond = Currency::fromRoubles(1);
QString onlineRateText();

// Nothing when the computer may go online: exactly one modem and any operating system.
// Otherwise the warning that the modem is missing.
std::optional<Message> connectRefusal(const GameState& g);

// The modem a page load runs at: the 56K first, then ADSL, then the radio modem.
enum class Modem { None, Neo56k, Adsl, Radio };
Modem loadingModem(const GameState& g);
// Steps of the progress bar from 0 to 100 at the modem's step size (none without a modem).
int pageLoadSteps(Modem modem);
// Every step takes the same time, so a load lasts steps x 50 us: 5 s, 0.5 s, 10 ms.
inline constexpr qint64 PageLoadStepMicroseconds = 50;
qint64 pageLoadDurationMs(Modem modem);

// What the online clock's labels show after a billing tick; lblHour only changes when an
// hour is completed.
struct OnlineClockLabels {
    QString lblSec;
    QString lblMin;
    std::optional<QString> lblHour;

    bool operator==(const OnlineClockLabels&) const = default;
};

struct DialStatus {
    QString txtSostoanie;
    bool stopsDialling; // tmrSost stops
};

// cmdDetali: the wide layout with the details, or the narrow one, and the button's caption.
struct DetailsView {
    bool wide;
    QString cmdDetali;

    bool operator==(const DetailsView&) const = default;
};

// A page load in progress: prgProgress and the first panel of StatusBar1.
struct LoadView {
    int progress;
    QString status;
};

// The dial-up status tmrSost and its watch tmrKontrol.
enum class StatusTimer { Dial, Watch };

// The end of a page load: the tab to select (prgProgress back to 0, the status "Готово"), and
// of each timer the one tick that fell due during the load, if any did.
struct LoadEnd {
    int tab;
    std::optional<OnlineClockLabels> heldBilling;
    bool heldDial = false;
    bool heldWatch = false;
};

// The state of the internet screen: the connection, the online clock and the page load. The
// screen keeps one for as long as it exists.
class OnlineSession {
public:
    bool connected() const { return m_connected; }
    bool dialling() const { return m_dialling; }
    bool detailsShown() const { return m_detailsShown; }
    uint8_t onlineSeconds() const { return m_seconds; }
    uint8_t onlineMinutes() const { return m_minutes; }
    uint8_t onlineHours() const { return m_hours; }

    // cmdPodkl. On success the screen shows PanelSost, starts tmrSost and tmrVremiaDengi,
    // enables the menu and hides cmdPodkl; a refusal changes nothing.
    std::optional<Message> connect(const GameState& g);

    // tmrSost: "Набор номера" for two ticks; the third adds the second line and stops dialling.
    DialStatus dialTick();
    // tmrKontrol: whether PanelSost is hidden now (once dialling has stopped).
    bool watchHidesStatusPanel() const { return !m_dialling; }
    // tmrSost and tmrKontrol: false while a page loads, when the tick is held as the billing's
    // is; the load's end runs at most one held tick of each.
    bool statusTickRuns(StatusTimer timer);

    // tmrVremiaDengi: shows the clock, advances it and takes OnlineRatePerSecond. While a page
    // loads the tick is held instead (nothing returned); the load's end runs at most one held
    // tick.
    std::optional<OnlineClockLabels> billingTick(GameState& g);

    // cmdDetali: from narrow to wide and back.
    DetailsView toggleDetails();
    static DetailsView narrowView();

    // loadPage: starts a load of page `tab` at time nowMs. Without a modem (or while another
    // load runs) nothing happens and the tab stays as it is.
    bool loadPage(const GameState& g, int tab, const QString& statusText, qint64 nowMs);
    bool loading() const { return m_load.has_value(); }
    LoadView loadView(qint64 nowMs) const;
    bool loadDone(qint64 nowMs) const;
    LoadEnd finishLoad(GameState& g);

    // cmdOtkl, before the screen goes: when connected, the infection is decided now, by a fair
    // coin. True when the virus screen must be shown before the disconnect goes on.
    bool disconnectMeetsVirus(GameState& g, RandomSource& random);
    // cmdOtkl, after the virus screen (if any): offline, clock at zero ("00" on its labels),
    // the narrow layout. The screen then hides itself and shows the main screen.
    void disconnect();

private:
    struct Load {
        int tab;
        QString status;
        qint64 startMs;
        qint64 durationMs;
    };
    OnlineClockLabels advanceClock(GameState& g);

    bool m_connected = false;
    bool m_dialling = false;
    bool m_detailsShown = false;
    uint8_t m_seconds = 0, m_minutes = 0, m_hours = 0;
    int m_dialStep = 0;
    std::optional<Load> m_load;
    // The ticks that fell due during a page load, a flag a timer: tmrSost, tmrKontrol and
    // tmrVremiaDengi.
    enum HeldTick { HeldDial, HeldWatch, HeldBilling, HeldTickCount };
    std::array<bool, HeldTickCount> m_held{};
    // The tick runs now, or is held while a page loads.
    bool tickRuns(HeldTick tick);
};
