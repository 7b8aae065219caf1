// The internet screen's controls: the title bar, the body with the favourites menu, the pages
// of SSTab1 and what stands on each, the online clock, the progress bar and the dial-up status,
// and the wiring of its buttons and timers.
#include "InternetScreen.h"

#include "InternetPainters.h"
#include "InternetPlaces.h"
#include "internet/OnlineServices.h"

#include "kit/ButtonPress.h"
#include "kit/ColourRegistry.h"
#include "kit/Colours.h"
#include "kit/Controls.h"
#include "kit/Dialogs.h"
#include "flow/GameContext.h"
#include "kit/LabelClick.h"
#include "kit/ScreenKit.h"
#include "settings/ColourScheme.h"

#include "state/GameState.h"

#include <QByteArray>
#include <QGroupBox>
#include <QLabel>
#include <QList>
#include <QProgressBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>

using namespace InternetPlaces;
using vuzedovi::PropertyBag;

namespace {
// The controls the colour scheme reaches; the screen's body takes its background too.
constexpr const char* colouredControls[] = {"Tavorel1", "PanelSost", "Tavorel2",
                                            "Tavorel5", "Tavorel8",  "Tavorel11",
                                            "cmdPodkl", "cmdOtkl",   "cmdDetali"};
} // namespace

void InternetScreen::build()
{
    registerColouredScreen({"frmInter", colouredControls, nullptr, SchemeBackground::Scheme});
    createTavorels(this, {
        {"Tavorel27", nullptr, {0, 0, NarrowWidth, TitleHeight},
         fitted(titleBarProperties(ProgramTitle), ProgramTitle, 200, 9)},
        {"cmdMin", "Tavorel27", {0, 1, 16, 14}, button("-", 16, 9)},
        {"cmdClose", "Tavorel27", {0, 1, 16, 14}, button("X", 16, 9)},
    });

    // Picture2: the body under the title bar, as wide as the wide layout; the narrow layout
    // shows its left part.
    auto* body = new QWidget(this);
    body->setObjectName(QStringLiteral("Picture2"));
    body->setGeometry(0, TitleHeight, WideWidth, BodyHeight);
    body->setMouseTracking(true);
    buildBody(body);

    m_statusBar = new QStatusBar(this);
    m_statusBar->setObjectName(QStringLiteral("StatusBar1"));
    m_statusBar->setSizeGripEnabled(false);
    setPaletteColours(m_statusBar, {{QPalette::Window, ChromeColours::BarBack},
                                    {QPalette::WindowText, ChromeColours::BarText}});
    m_statusBar->setAutoFillBackground(true);
}

void InternetScreen::buildBody(QWidget* body)
{
    buildMenu(body);

    // The pages.
    m_tabs = new QTabWidget(body);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_tabs->setGeometry(136, 8, PageWidth, PageHeight);
    m_tabs->setDocumentMode(true);
    m_tabs->tabBar()->hide(); // the menu opens the pages, through a page load
    for (const char* name : pageNames) {
        auto* page = new QWidget;
        page->setObjectName(QString::fromLatin1(name));
        page->setMouseTracking(true);
        m_tabs->addTab(page, QString::fromLatin1(name));
    }
    buildPages();

    // The online clock and its rate, shown by the wide layout.
    for (const ClockPlace& c : onlineClock) {
        QLabel* label = createLabel(body, {c.name, nullptr, c.place, c.caption, LabelKind::Centred});
        QFont font = label->font();
        font.setPointSize(16);
        label->setFont(font);
    }
    createLabel(body, {"Label3", nullptr, {446, 86, 126, 18}, "Стоимость 1 сек. - ",
                       LabelKind::Centred});
    createLabel(body, {"Label4", nullptr, {446, 104, 126, 18}, "", LabelKind::Centred})
        ->setText(onlineRateText());

    m_progress = createProgressBar(body, "prgProgress", {6, BodyHeight - 22, NarrowWidth - 12, 14});
    setPaletteColours(m_progress, {{QPalette::Window, BarColours::Free}});

    buildDialStatus(body);
}

// The favourites menu, and the buttons under it.
void InternetScreen::buildMenu(QWidget* body)
{
    createTavorel(body, {"Tavorel1", nullptr, {6, 8, 124, 24}, fixed(heading("Избранное", 124))});
    int row = 0;
    for (const OnlineSection& section : onlineSections) {
        const int index = row;
        QLabel* label = createLabel(body, {section.label, nullptr, {8, 38 + row++ * 24, 120, 20},
                                           section.caption, LabelKind::Value});
        label->installEventFilter(this);
        onLabelClick(label, [this, index] { openSection(index); },
                     {[this, label] { underlineMenu(label); }, [this] { underlineMenu(nullptr); }});
    }
    createTavorels(body, {
        {"cmdPodkl", nullptr, {6, 172, 124, 26}, button("Подключить", 124, 11)},
        {"cmdOtkl", nullptr, {6, 202, 124, 26}, button("Отключить / Выйти", 124, 11)},
        {"cmdDetali", nullptr, {6, 232, 124, 22}, button(">>", 124, 11)},
    });
}

// The dial-up status, over the menu while dialling (left 240, top 1680 twips).
void InternetScreen::buildDialStatus(QWidget* body)
{
    QWidget* panel = createTavorel(body, {"PanelSost", nullptr,
                                          {twipsToPixels(InternetLayout::PanelSostLeft),
                                           twipsToPixels(InternetLayout::PanelSostTop) - TitleHeight,
                                           300, 100},
                                          heading("Подключение к Интернету", 300)});
    createLabel(panel, {"Label1", nullptr, {10, 28, 90, 16}, "Состояние:", LabelKind::Value})
        ->setAutoFillBackground(false);
    m_txtSostoanie = new QTextEdit(panel);
    m_txtSostoanie->setObjectName(QStringLiteral("txtSostoanie"));
    m_txtSostoanie->setGeometry(10, 46, 280, 46);
    m_txtSostoanie->setReadOnly(true);
    m_txtSostoanie->setAcceptRichText(false);
    m_txtSostoanie->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // "Набор номера" and its 33 blanks fill the first line; what follows starts the second.
    m_txtSostoanie->setLineWrapMode(QTextEdit::FixedColumnWidth);
    m_txtSostoanie->setLineWrapColumnOrWidth(45);
    m_txtSostoanie->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setPaletteColours(m_txtSostoanie, {{QPalette::Base, QColor(255, 255, 255)},
                                       {QPalette::Text, QColor(0, 0, 0)}});
    panel->hide();
}

void InternetScreen::buildPages()
{
    const QPixmap bullet = bulletPicture();
    buildStartPage(bullet);
    buildSalesPages();
    buildAntivirusPage();
    buildCoursePages();
    buildServiceOptions(bullet);
}

// Start page: the globe and the sections of the portal, each with its bullet.
void InternetScreen::buildStartPage(const QPixmap& bullet)
{
    QWidget* start = control("tabStart");
    picture(start, "Image1", {98, 24, 100, 100}, globePicture());
    int row = 0;
    for (const OnlineSection& section : onlineSections) {
        const QByteArray image = "Image" + QByteArray::number(2 + row);
        const QByteArray label = "Label" + QByteArray::number(6 + row);
        picture(start, image.constData(), {70, 153 + row * 26, 10, 10}, bullet);
        createLabel(start, {label.constData(), nullptr, {88, 148 + row * 26, 160, 20},
                            section.caption, LabelKind::Value});
        ++row;
    }
}

// Sales, with their log, and the programs on offer.
void InternetScreen::buildSalesPages()
{
    QWidget* sell = control("tabSell");
    createLabel(sell, {"Label24", nullptr, {10, 46, 276, 20}, "Продано", LabelKind::Centred});
    QLabel* log = createLabel(sell, {"lblProdano", nullptr, {10, 68, 276, 320}, "",
                                     LabelKind::Value});
    log->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    log->setWordWrap(true);

    createTavorel(control("tabOffer"),
                  {"Tavorel8", nullptr, {6, 8, 284, 26},
                   fixed(heading("Здесь вы можете купить некоторые программы", 284))});
}

// The frames on a page, and the frames on those frames.
void InternetScreen::buildFrames(const char* page)
{
    QList<QByteArray> onPage{page};
    for (const FramePlace& f : frames) {
        if (!onPage.contains(f.parent))
            continue;
        onPage << f.name;
        auto* frame = new QGroupBox(QString::fromUtf8(f.caption), controlNamed(this, f.parent));
        frame->setObjectName(QString::fromLatin1(f.name));
        frame->setGeometry(f.place);
        setForeColour(frame, DesignColours::LabelText);
        frame->setMouseTracking(true);
    }
}

// Antivirus bases: Tavorel3 is the page's panel, the options lie in Frame1 and the button
// lblAntiDa sits in Shape10.
void InternetScreen::buildAntivirusPage()
{
    QWidget* anti = control("tabAnti");
    PropertyBag background = fixed(panelProperties(QString()));
    background.write(QStringLiteral("style"), int(vuzedovi::constStyle::PanelFlat));
    createTavorels(anti, {
        {"Tavorel3", nullptr, {0, 0, PageWidth, PageHeight}, background},
        {"Tavorel2", nullptr, {6, 8, 284, 26},
         fixed(heading("Здесь вы можете обновить антивирусные базы", 284))},
        {"Tavorel4", nullptr, {6, 152, 284, 26},
         fixed(heading("Обновление необходимо производить каждую неделю", 284))},
    });

    buildFrames("tabAnti");

    int antiRow = 0;
    QWidget* antivirusFrame = control("Frame1");
    for (const AntivirusOption& option : antivirusOptions) {
        auto* radio = new QRadioButton(QString::fromUtf8(option.caption), antivirusFrame);
        radio->setObjectName(QString::fromLatin1(option.control));
        radio->setGeometry(10, 20 + antiRow++ * 24, 140, 20);
        colourOption(radio, m_ctx.game);
    }
    auto* shape = new ShapeControl(anti);
    shape->setObjectName(QStringLiteral("Shape10"));
    shape->setGeometry(196, 68, 72, 44);
    QLabel* da = createLabel(anti, {"lblAntiDa", nullptr, {204, 76, 56, 28},
                                    onlineService(QStringLiteral("lblAntiDa"))->caption,
                                    LabelKind::Centred});
    setPaletteColours(da, {{QPalette::Window, QColor(AntiDaRest)},
                           {QPalette::WindowText, QColor(128, 0, 0)}});
    da->installEventFilter(this);
    onLabelClick(da, [this] { chooseService(*onlineService(QStringLiteral("lblAntiDa"))); },
                 {[this] { hoverAntivirusButton(true); }, [this] { hoverAntivirusButton(false); }});
    shape->raise();
}

// The frames and headings of the programming courses and of the entertainment.
void InternetScreen::buildCoursePages()
{
    buildFrames("tabProgr");
    createTavorels(control("Frame2"), {
        {"Tavorel11", nullptr, {8, 18, 276, 24},
         fixed(heading("Здесь вы можете повысить свою квалификацию", 276))},
        {"Tavorel13", nullptr, {8, 242, 276, 22},
         fixed(heading("Установка этих трёх СУБД обязательна!", 276))},
    });

    buildFrames("tabFun");
    createTavorel(control("Frame7"),
                  {"Tavorel5", nullptr, {8, 20, 276, 26},
                   fixed(heading("Здесь вы можете посетить развлекательные сайты ", 276))});
}

// The services' options, with their bullets and price labels.
void InternetScreen::buildServiceOptions(const QPixmap& bullet)
{
    for (const ServicePlace& place : servicePlaces) {
        const OnlineService* service = onlineService(QString::fromLatin1(place.control));
        Q_ASSERT(service);
        QWidget* parent = controlNamed(this, place.parent);
        QString caption = service->caption ? QString::fromUtf8(service->caption) : QString();
        if (!service->caption)
            caption = service->moodGain > 10.0f ? siteCaption() : chatCaption();
        auto* radio = new QRadioButton(caption, parent);
        radio->setObjectName(QString::fromLatin1(place.control));
        radio->setGeometry(place.place);
        clickOnKeys(radio); // bought by a click, Space or Enter, never by the arrow keys
        colourOption(radio, m_ctx.game);
        connect(radio, &QRadioButton::clicked, this, [this, service] { chooseService(*service); });
        if (place.bullet)
            picture(parent, place.bullet, {8, place.place.y() + 5, 10, 10}, bullet);
        if (place.priceLabel)
            createLabel(parent, {place.priceLabel, nullptr, {200, place.place.y(), 66, 20},
                                 service->priceLabel, LabelKind::Value});
    }
}

void InternetScreen::connectControls()
{
    connect(tavorel(control("cmdMin")), &vuzedovi::Tavorel::Click, this,
            [this] { showMinimized(); });
    onPress(tavorel(control("cmdClose")), [this] { disconnectAndLeave(); });
    // Closed from the desktop the player leaves as with "Отключить / Выйти", past the virus
    // window if one comes; during a page load the screen stays.
    leaveOnClose(this, [this] { disconnectAndLeave(); });
    onPress(tavorel(control("cmdPodkl")), [this] { connectModem(); });
    onPress(tavorel(control("cmdOtkl")), [this] { disconnectAndLeave(); });
    onPress(tavorel(control("cmdDetali")), [this] { toggleDetails(); });
    connect(tavorel(control("Tavorel1")), &vuzedovi::Tavorel::MouseMove, this,
            [this](short&, short&, float&, float&) { underlineMenu(nullptr); });
    connect(tavorel(control("Tavorel3")), &vuzedovi::Tavorel::MouseMove, this,
            [this](short&, short&, float&, float&) { hoverAntivirusButton(false); });

    connect(m_tmrSost, &QTimer::timeout, this, &InternetScreen::dialTick);
    connect(m_tmrKontrol, &QTimer::timeout, this, &InternetScreen::watchTick);
    connect(m_tmrVremiaDengi, &QTimer::timeout, this, &InternetScreen::billingTick);
    connect(m_tmrZagruzka, &QTimer::timeout, this, &InternetScreen::loadTick);

    // The main screen gives the options and labels of this screen the hand pointer, unless
    // the settings were once cancelled.
    if (schemeApplies(m_ctx.game)) {
        for (QRadioButton* option : findChildren<QRadioButton*>())
            option->setCursor(Qt::PointingHandCursor);
        for (const OnlineSection& section : onlineSections)
            control(section.label)->setCursor(Qt::PointingHandCursor);
        control("lblAntiDa")->setCursor(Qt::PointingHandCursor);
    }
}
