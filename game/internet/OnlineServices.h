// The online services: selling the finished application, downloading database systems,
// updating antivirus bases, buying programming courses and paid entertainment. Every service
// is a row of one table; a service runs in two halves around its page load.
#pragma once

#include "state/GameState.h"
#include "state/Message.h"

#include <QString>

#include <array>
#include <optional>

// What a service needs before it goes ahead.
enum class ServiceCondition {
    None,              // always carried out, may drive the money below zero
    Money,             // money at least the price
    MoneyAndDownloads, // the same, and all three database systems downloaded
    Project,           // a project to sell
    ChosenAntivirus,   // the antivirus chosen on the page is installed
};

struct OnlineService {
    const char* control;
    const char* caption;    // nullptr: the visits, whose captions carry their address
    int tab;                // page of SSTab1 the service loads
    const char* statusText; // shown in the status bar during the load
    int price;              // roubles taken (a sale's price comes from its level)
    ServiceCondition condition;
    Flag GameState::*flag;  // set by the service, or nullptr
    float moodGain;         // the visits raise the mood, up to FullMood
    const char* message;    // on success (nullptr: the sale builds its own)
    const char* priceLabel; // the price label beside a course, or nullptr
};
extern const std::array<OnlineService, 15> onlineServices;
const OnlineService* onlineService(const QString& control);

// The antivirus options of the update page, examined in this order.
struct AntivirusOption {
    const char* control;
    const char* caption;
    Flag GameState::*installed;
};
extern const std::array<AntivirusOption, 3> antivirusOptions;

// The paid places of the entertainment page. Both addresses are of this game's world only.
inline const QString SiteAddress = QStringLiteral("www.tolmarka.tlm");
inline const QString ChatAddress = QStringLiteral("chat.tolmarka.tlm");
QString siteCaption(); // Option2
QString chatCaption(); // Option1

// The first half of a service, when it is chosen. Either it is refused (the message; nothing has
// changed), or nothing happens at all (the update with no antivirus chosen), or it goes ahead:
// the screen runs loadPage(service.tab, service.statusText) and then finishService.
struct ServiceStart {
    std::optional<Message> refusal;
    bool goesAhead = false;
};
// `antivirus` is the first chosen antivirus option (nullptr: none); only the update reads it.
ServiceStart beginService(GameState& g, const OnlineService& service,
                          const AntivirusOption* antivirus = nullptr);

// The second half, once the page has loaded: the effect and the message. A sale also gives
// the line appended to the sales log lblProdano.
struct ServiceEnd {
    Message message;
    std::optional<QString> saleLogLine;
};
ServiceEnd finishService(GameState& g, const OnlineService& service);
