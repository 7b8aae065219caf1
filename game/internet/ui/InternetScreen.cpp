#include "InternetScreen.h"

#include "InternetPainters.h"
#include "InternetPlaces.h"
#include "internet/OnlineServices.h"
#include "virus/ui/VirusScreen.h"

#include "kit/Colours.h"
#include "kit/Controls.h"
#include "kit/Dialogs.h"
#include "flow/GameContext.h"
#include "flow/MainScreen.h"
#include "kit/Twips.h"
#include "kit/ScreenKit.h"
#include "kit/ShowAgain.h"

#include "state/GameState.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>

#include <memory>
#include <utility>

using namespace InternetPlaces;

InternetScreen::InternetScreen(GameContext& context, MainScreen& mainScreen)
    : QWidget(nullptr, ScreenWindow), m_ctx(context), m_main(mainScreen)
{
    frameScreen(this, "frmInter", {NarrowWidth, Height}, ProgramTitle);
    // Small, narrow type: the pages carry long frame captions in a narrow window.
    setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    // The design background; applying the colour scheme gives it the scheme's.
    setBackColour(this, DesignColours::LabelBack);
    setForeColour(this, DesignColours::LabelText);

    m_tmrSost = namedTimer(this, "tmrSost", 1000);
    m_tmrKontrol = namedTimer(this, "tmrKontrol", 3000);
    m_tmrVremiaDengi = namedTimer(this, "tmrVremiaDengi", 1000);
    m_tmrZagruzka = namedTimer(this, "tmrZagruzka", LoadFrameMs);

    build();
    // The screen's own background shows through its body, pages, frames and texts, so that
    // the colour scheme's background reaches all of them.
    for (QLabel* label : findChildren<QLabel*>())
        label->setAutoFillBackground(label->objectName() == QLatin1String("lblAntiDa"));
    connectControls();
    applyLayout(OnlineSession::narrowView());
    setMenuEnabled(false);
    m_tmrKontrol->start();
}

InternetScreen::~InternetScreen()
{
    if (m_session.loading()) {
        QApplication::restoreOverrideCursor();
        qApp->removeEventFilter(this);
    }
}

void InternetScreen::open()
{
    showAgain(this);
}

void InternetScreen::connectModem()
{
    if (m_session.connected() || m_session.loading())
        return;
    if (const auto refusal = m_session.connect(m_ctx.game)) {
        showMessage(m_ctx.dialogs(), this, *refusal);
        return;
    }
    QWidget* panel = control("PanelSost");
    panel->move(twipsToPixels(InternetLayout::PanelSostLeft),
                twipsToPixels(InternetLayout::PanelSostTop) - TitleHeight);
    panel->show();
    panel->raise();
    m_tmrSost->start();
    m_tmrVremiaDengi->start();
    setMenuEnabled(true);
    control("cmdPodkl")->hide();
}

void InternetScreen::dialTick()
{
    if (!m_session.statusTickRuns(StatusTimer::Dial))
        return;
    const DialStatus status = m_session.dialTick();
    m_txtSostoanie->setPlainText(status.txtSostoanie);
    if (status.stopsDialling)
        m_tmrSost->stop();
}

void InternetScreen::watchTick()
{
    if (!m_session.statusTickRuns(StatusTimer::Watch))
        return;
    if (!m_tmrSost->isActive())
        control("PanelSost")->hide();
}

void InternetScreen::billingTick()
{
    if (const auto labels = m_session.billingTick(m_ctx.game))
        showClock(*labels);
}

void InternetScreen::showClock(const OnlineClockLabels& labels)
{
    m_main.showMoney(); // every second online costs a rouble
    setCaption(control("lblSec"), labels.lblSec);
    setCaption(control("lblMin"), labels.lblMin);
    if (labels.lblHour)
        setCaption(control("lblHour"), *labels.lblHour);
}

void InternetScreen::toggleDetails()
{
    applyLayout(m_session.toggleDetails());
}

void InternetScreen::applyLayout(const DetailsView& view)
{
    const DetailsLayout layout = detailsLayout(view.wide);
    const int width = twipsToPixels(layout.widthTwips);
    setFixedSize(width, Height);
    control("Tavorel27")->resize(width, TitleHeight);
    control("cmdMin")->move(twipsToPixels(layout.cmdMinLeft), 1);
    control("cmdClose")->move(twipsToPixels(layout.cmdCloseLeft), 1);
    setCaption(control("cmdDetali"), view.cmdDetali);
    m_statusBar->setGeometry(0, Height - StatusBarHeight, width, StatusBarHeight);
    m_progress->resize(width - 12, m_progress->height());
}

void InternetScreen::setMenuEnabled(bool enabled)
{
    for (const OnlineSection& section : onlineSections)
        control(section.label)->setEnabled(enabled);
}

void InternetScreen::underlineMenu(QLabel* hovered)
{
    for (const OnlineSection& section : onlineSections) {
        auto* label = control<QLabel>(section.label);
        if (!hovered || label == hovered) {
            QFont font = label->font();
            font.setUnderline(label == hovered);
            label->setFont(font);
        }
    }
}

void InternetScreen::hoverAntivirusButton(bool over)
{
    setPaletteColours(control("lblAntiDa"),
                      {{QPalette::Window, QColor(over ? AntiDaHover : AntiDaRest)}});
    QWidget* shape = control("Shape10");
    shape->setProperty("Shape", over ? ShapeRoundedRectangle : ShapeRectangle);
    shape->update();
}

void InternetScreen::openSection(int section)
{
    if (!m_session.connected() || m_session.loading())
        return;
    loadPage(onlineSections[size_t(section)].tab, OpeningPageText, {});
}

void InternetScreen::chooseService(const OnlineService& service)
{
    if (m_session.loading())
        return;
    GameState& g = m_ctx.game;
    const AntivirusOption* chosen = nullptr;
    for (const AntivirusOption& option : antivirusOptions) {
        if (!chosen && control<QRadioButton>(option.control)->isChecked())
            chosen = &option;
    }
    const ServiceStart start = beginService(g, service, chosen);
    if (start.refusal) {
        showMessage(m_ctx.dialogs(), this, *start.refusal);
        return;
    }
    if (!start.goesAhead)
        return;
    loadPage(service.tab, QString::fromUtf8(service.statusText), [this, &service] {
        const ServiceEnd end = finishService(m_ctx.game, service);
        if (end.saleLogLine) {
            auto* log = control<QLabel>("lblProdano");
            log->setText(log->text() + *end.saleLogLine);
        }
        m_main.showMoney();
        showMessage(m_ctx.dialogs(), this, end.message);
    });
}

void InternetScreen::loadPage(int tab, const QString& status, std::function<void()> then)
{
    if (!m_session.loadPage(m_ctx.game, tab, status, m_ctx.clock().nowMs())) {
        if (then)
            then();
        return;
    }
    m_afterLoad = std::move(then);
    // Until the page is there the screen takes no input and the pointer is busy.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    qApp->installEventFilter(this);
    m_tmrZagruzka->start();
    loadTick();
}

void InternetScreen::loadTick()
{
    if (!m_session.loading()) {
        m_tmrZagruzka->stop();
        return;
    }
    const qint64 now = m_ctx.clock().nowMs();
    const LoadView view = m_session.loadView(now);
    m_progress->setValue(view.progress);
    m_statusBar->showMessage(view.status);
    if (m_session.loadDone(now))
        finishLoad();
}

void InternetScreen::finishLoad()
{
    const LoadEnd end = m_session.finishLoad(m_ctx.game);
    m_tmrZagruzka->stop();
    m_tabs->setCurrentIndex(end.tab);
    m_progress->setValue(0);
    m_statusBar->showMessage(LoadDoneText);
    QApplication::restoreOverrideCursor();
    qApp->removeEventFilter(this);
    if (end.heldBilling)
        showClock(*end.heldBilling);
    if (end.heldDial)
        dialTick();
    if (end.heldWatch)
        watchTick();
    if (const auto then = std::exchange(m_afterLoad, {}))
        then();
}

void InternetScreen::disconnectAndLeave()
{
    if (m_virus) {
        m_virus->open(); // the virus is still to be dealt with
        return;
    }
    if (m_session.loading())
        return;
    m_tabs->setCurrentIndex(0);
    setFixedSize(NarrowWidth, Height);
    auto* sale = control<QRadioButton>("Option14");
    sale->setAutoExclusive(false);
    sale->setChecked(false);
    sale->setAutoExclusive(true);

    if (m_session.disconnectMeetsVirus(m_ctx.game, m_ctx.random())) {
        m_virus = new VirusScreen(m_ctx, m_main, this);
        connect(m_virus, &VirusScreen::closed, this, [this] {
            m_virus->deleteLater();
            m_virus = nullptr;
            finishDisconnect();
        });
        m_virus->open();
        return;
    }
    finishDisconnect();
}

void InternetScreen::finishDisconnect()
{
    m_session.disconnect();
    m_tmrVremiaDengi->stop();
    m_tmrSost->stop(); // a disconnect while dialling ends the dialling too
    setMenuEnabled(false);
    for (const char* name : {"lblHour", "lblMin", "lblSec"})
        setCaption(control(name), QStringLiteral("00"));
    m_txtSostoanie->clear();
    control("PanelSost")->hide();
    control("cmdPodkl")->show();
    applyLayout(OnlineSession::narrowView());

    hide();
    m_main.comeBack();
    m_main.resumeClock();
    emit left();
}

bool InternetScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (!watched->isWidgetType() || static_cast<QWidget*>(watched)->window() != this)
        return QWidget::eventFilter(watched, event);
    // During a page load the screen ignores the keyboard and the mouse buttons.
    if (m_session.loading()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
        case QEvent::Shortcut:
        case QEvent::ShortcutOverride:
            return true;
        default:
            break;
        }
    }

    // The menu labels and lblAntiDa under the pointer; their clicks are watched apart.
    auto* label = qobject_cast<QLabel*>(watched);
    if (label && label->isEnabled() && event->type() == QEvent::MouseMove) {
        if (label->objectName() == QLatin1String("lblAntiDa"))
            hoverAntivirusButton(true);
        else
            underlineMenu(label);
    }
    return QWidget::eventFilter(watched, event);
}

void addInternetScreen(GameContext& context)
{
    // The screen is made with the main screen (so the scheme and the pointer reach it when the
    // main screen loads) and lives as long as the game.
    auto screen = std::make_shared<std::unique_ptr<InternetScreen>>();
    context.hooks.fillMainScreen.push_back([&context, screen](MainScreen& main) {
        *screen = std::make_unique<InternetScreen>(context, main);
    });
    context.hooks.openInternet = [screen](MainScreen&) {
        if (*screen)
            (*screen)->open();
    };
}
