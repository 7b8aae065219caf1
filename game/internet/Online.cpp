#include "Online.h"

#include "software/Programs.h"
#include "virus/Virus.h"

#include <algorithm>
#include <utility>

const std::array<OnlineSection, 5> onlineSections{{
    {"lblPO_S", "ПО. Сбыт", 1},
    {"lblPO_P", "ПО. Предложение", 2},
    {"lblAnti", "Антивирусы", 3},
    {"lblProgr", "Программирование", 4},
    {"lblRazvl", "Развлечения", 5},
}};

namespace {
int modemCount(const GameState& g)
{
    return int(isSet(g.modemNeo56k)) + int(isSet(g.modemAdsl)) + int(isSet(g.modemRadio));
}
} // namespace

QString onlineRateText()
{
    return OnlineRatePerSecond.toString() + QStringLiteral(" руб.");
}

std::optional<Message> connectRefusal(const GameState& g)
{
    const bool hasSystem = std::any_of(programs.begin(), programs.end(), [&](const Program& p) {
        return p.section == Section::OperatingSystem && isSet(g.*p.installed);
    });
    if (modemCount(g) == 1 && hasSystem)
        return std::nullopt;
    return Message::warning(QStringLiteral("Товарищ, модем не установлен"));
}

Modem loadingModem(const GameState& g)
{
    if (isSet(g.modemNeo56k))
        return Modem::Neo56k;
    if (isSet(g.modemAdsl))
        return Modem::Adsl;
    if (isSet(g.modemRadio))
        return Modem::Radio;
    return Modem::None;
}

int pageLoadSteps(Modem modem)
{
    switch (modem) {
    case Modem::Neo56k:
        return 100000; // steps of 0.001
    case Modem::Adsl:
        return 10000; // steps of 0.01
    case Modem::Radio:
        return 200; // steps of 0.5
    case Modem::None:
        break;
    }
    return 0;
}

qint64 pageLoadDurationMs(Modem modem)
{
    return pageLoadSteps(modem) * PageLoadStepMicroseconds / 1000;
}

std::optional<Message> OnlineSession::connect(const GameState& g)
{
    if (auto refusal = connectRefusal(g))
        return refusal;
    m_connected = true;
    m_dialling = true;
    m_dialStep = 0;
    return std::nullopt;
}

DialStatus OnlineSession::dialTick()
{
    DialStatus status{QStringLiteral("Набор номера") + QString(33, QLatin1Char(' ')), false};
    if (m_dialStep == 2) {
        status.txtSostoanie += QStringLiteral("Проверак имени пользователя и пвроля")
                               + QLatin1Char('\r');
        status.stopsDialling = true;
        m_dialling = false;
    }
    ++m_dialStep;
    return status;
}

bool OnlineSession::tickRuns(HeldTick tick)
{
    if (!m_load)
        return true;
    m_held[tick] = true;
    return false;
}

bool OnlineSession::statusTickRuns(StatusTimer timer)
{
    return tickRuns(timer == StatusTimer::Dial ? HeldDial : HeldWatch);
}

OnlineClockLabels OnlineSession::advanceClock(GameState& g)
{
    OnlineClockLabels labels;
    labels.lblSec = QString::number(m_seconds);
    if (++m_seconds == 60) {
        m_seconds = 0;
        ++m_minutes;
    }
    if (m_minutes == 60) {
        m_minutes = 0;
        ++m_hours; // an 8-bit clock: after 255 hours it starts again at 0
        labels.lblHour = QString::number(m_hours);
    }
    // The minutes show once the hour has been carried, so the clock never reads "1:60".
    labels.lblMin = QString::number(m_minutes);
    g.money -= OnlineRatePerSecond; // unchecked: the balance may go below zero
    return labels;
}

std::optional<OnlineClockLabels> OnlineSession::billingTick(GameState& g)
{
    if (!m_connected || !tickRuns(HeldBilling))
        return std::nullopt;
    return advanceClock(g);
}

DetailsView OnlineSession::narrowView()
{
    return {false, QStringLiteral(">>")};
}

DetailsView OnlineSession::toggleDetails()
{
    m_detailsShown = !m_detailsShown;
    if (!m_detailsShown)
        return narrowView();
    return {true, QStringLiteral("<<")};
}

bool OnlineSession::loadPage(const GameState& g, int tab, const QString& statusText,
                             qint64 nowMs)
{
    const Modem modem = loadingModem(g);
    if (modem == Modem::None || m_load)
        return false;
    m_load = Load{tab, statusText, nowMs, pageLoadDurationMs(modem)};
    m_held = {};
    return true;
}

LoadView OnlineSession::loadView(qint64 nowMs) const
{
    if (!m_load)
        return {0, LoadDoneText};
    const qint64 elapsed = std::clamp<qint64>(nowMs - m_load->startMs, 0, m_load->durationMs);
    const int progress = m_load->durationMs > 0 ? int(elapsed * 100 / m_load->durationMs) : 100;
    return {progress, m_load->status};
}

bool OnlineSession::loadDone(qint64 nowMs) const
{
    return m_load && nowMs - m_load->startMs >= m_load->durationMs;
}

LoadEnd OnlineSession::finishLoad(GameState& g)
{
    LoadEnd end{m_load ? m_load->tab : 0, std::nullopt};
    m_load.reset();
    const auto held = std::exchange(m_held, {});
    if (held[HeldBilling] && m_connected)
        end.heldBilling = advanceClock(g);
    end.heldDial = held[HeldDial];
    end.heldWatch = held[HeldWatch];
    return end;
}

bool OnlineSession::disconnectMeetsVirus(GameState& g, RandomSource& random)
{
    return m_connected && catchVirus(g, random);
}

void OnlineSession::disconnect()
{
    m_connected = false;
    m_dialling = false;
    m_seconds = m_minutes = m_hours = 0;
    m_detailsShown = false;
    m_load.reset();
    m_held = {};
}
