#include "InternetScreen.h"

#include "internet/LabelClick.h"
#include "internet/OnlineServices.h"
#include "virus/VirusScreen.h"

#include "flow/ButtonPress.h"
#include "flow/Colours.h"
#include "flow/Controls.h"
#include "flow/Dialogs.h"
#include "flow/GameContext.h"
#include "flow/MainScreen.h"
#include "flow/NavigationRules.h"

#include "state/GameState.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QRadialGradient>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>

#include <vuzedovi/Tavorel.h>

#include <cmath>
#include <memory>
#include <utility>

namespace {
using vuzedovi::PropertyBag;

constexpr int StatusBarHeight = 20;
constexpr int BodyHeight = InternetScreen::Height - InternetScreen::TitleHeight - StatusBarHeight;
constexpr int NarrowWidth = twipsToPixels(InternetLayout::NarrowWidth);
constexpr int WideWidth = twipsToPixels(InternetLayout::WideWidth);
constexpr int PageWidth = 296, PageHeight = 402;

// The light grey and white behind lblAntiDa, and the shapes of Shape10.
constexpr QRgb AntiDaHover = qRgb(224, 224, 224), AntiDaRest = qRgb(255, 255, 255);
constexpr int ShapeRectangle = 0, ShapeRoundedRectangle = 4;

// The pages of SSTab1, in tab order.
const char* const pageNames[] = {"tabStart", "tabSell", "tabOffer", "tabAnti", "tabProgr", "tabFun"};

vuzedovi::Tavorel* tavorel(QWidget* control)
{
    return qobject_cast<vuzedovi::Tavorel*>(control);
}

QTimer* namedTimer(QObject* owner, const char* name, int intervalMs)
{
    auto* timer = new QTimer(owner);
    timer->setObjectName(QString::fromLatin1(name));
    timer->setInterval(intervalMs);
    return timer;
}

QFont tavorelFont(int points)
{
    QFont font(QStringLiteral("Times New Roman"), points, QFont::Bold);
    font.setStyleHint(QFont::Serif);
    return font;
}

// A Tavorel's caption is one line: headings take the largest size, from 10 points down, at
// which their caption fits the place they are given.
PropertyBag fitted(PropertyBag bag, const QString& caption, int width, int largest = 10)
{
    int points = largest;
    while (points > 7 && QFontMetrics(tavorelFont(points)).horizontalAdvance(caption) > width - 10)
        --points;
    bag.write(QStringLiteral("font"), QVariant::fromValue(tavorelFont(points)));
    return bag;
}

PropertyBag heading(const char* caption, int width)
{
    const QString text = QString::fromUtf8(caption);
    return fitted(panelProperties(text), text, width);
}

PropertyBag button(const char* caption, int width, int largest)
{
    const QString text = QString::fromUtf8(caption);
    return fitted(buttonProperties(text), text, width, largest);
}

// A heading or background panel that stays where it is.
PropertyBag fixed(PropertyBag bag)
{
    bag.write(QStringLiteral("movecontrol"), int(vuzedovi::constMoveControl::None));
    return bag;
}

// A shape control: a frame drawn as a rectangle or a rounded rectangle (its "Shape" property,
// 0 or 4), which lets the pointer through to what lies under it.
class ShapeControl final : public QWidget {
public:
    explicit ShapeControl(QWidget* parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setProperty("Shape", ShapeRectangle);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(255, 255, 0), 2));
        const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
        if (property("Shape").toInt() == ShapeRoundedRectangle)
            p.drawRoundedRect(r, 10, 10);
        else
            p.drawRect(r);
    }
};

// The decorative pictures: a globe for the start page and a bullet, which the start page and
// the programming page share.
QPixmap globePicture()
{
    QPixmap pixmap(100, 100);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient sea(QPointF(38, 34), 62);
    sea.setColorAt(0, QColor(120, 190, 255));
    sea.setColorAt(1, QColor(10, 40, 140));
    p.setBrush(sea);
    p.setPen(QPen(QColor(255, 255, 0), 2));
    const QRectF globe(4, 4, 92, 92);
    p.drawEllipse(globe);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 0, 150), 1));
    for (int w : {70, 40, 10})
        p.drawEllipse(QRectF(50 - w / 2.0, 4, w, 92));
    for (int y : {27, 50, 73}) {
        const double half = std::sqrt(46.0 * 46.0 - (y - 50.0) * (y - 50.0));
        p.drawLine(QPointF(50 - half, y), QPointF(50 + half, y));
    }
    return pixmap;
}

QPixmap bulletPicture()
{
    QPixmap pixmap(10, 10);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath diamond;
    diamond.moveTo(5, 0);
    diamond.lineTo(10, 5);
    diamond.lineTo(5, 10);
    diamond.lineTo(0, 5);
    diamond.closeSubpath();
    p.fillPath(diamond, QColor(255, 255, 0));
    return pixmap;
}

QLabel* picture(QWidget* parent, const char* name, QRect place, const QPixmap& pixmap)
{
    auto* image = new QLabel(parent);
    image->setObjectName(QString::fromLatin1(name));
    image->setGeometry(place);
    image->setPixmap(pixmap);
    image->setScaledContents(true);
    image->setAttribute(Qt::WA_TransparentForMouseEvents);
    return image;
}

// The online clock and the rate, in the part of the window the wide layout adds.
struct ClockPlace {
    const char* name;
    QRect place;
    const char* caption;
};
const ClockPlace onlineClock[] = {
    {"lblHour", {448, 40, 34, 30}, "00"},
    {"Label12", {482, 40, 10, 30}, ":"},
    {"lblMin", {492, 40, 34, 30}, "00"},
    {"Label5", {526, 40, 10, 30}, ":"},
    {"lblSec", {536, 40, 34, 30}, "00"},
};

// Where each service's option sits: its page (or frame) and place. Chapters carry a bullet,
// courses their price label to the right.
struct ServicePlace {
    const char* control;
    const char* parent;
    QRect place;
    const char* bullet;     // the bullet image beside a chapter, or nullptr
    const char* priceLabel; // the label of a course's price, or nullptr
};
const ServicePlace servicePlaces[] = {
    {"Option14", "tabSell", {10, 12, 276, 22}, nullptr, nullptr},
    {"Option4", "tabOffer", {10, 48, 280, 22}, nullptr, nullptr},
    {"Option5", "tabOffer", {10, 76, 280, 22}, nullptr, nullptr},
    {"Option6", "tabOffer", {10, 104, 280, 22}, nullptr, nullptr},
    {"Option15", "Frame3", {24, 20, 160, 20}, nullptr, "Label13"},
    {"Option9", "Frame4", {24, 18, 160, 20}, "Image7", "Label14"},
    {"Option8", "Frame4", {24, 42, 160, 20}, "Image8", "Label15"},
    {"Option7", "Frame5", {24, 18, 160, 20}, "Image9", "Label16"},
    {"Option10", "Frame5", {24, 42, 160, 20}, "Image10", "Label17"},
    {"Option12", "Frame6", {24, 18, 160, 20}, "Image11", "Label18"},
    {"Option11", "Frame6", {24, 42, 160, 20}, "Image12", "Label19"},
    {"Option13", "Frame6", {24, 66, 160, 20}, "Image13", "Label20"},
    {"Option2", "Frame7", {12, 60, 270, 22}, nullptr, nullptr},
    {"Option1", "Frame7", {12, 90, 270, 22}, nullptr, nullptr},
};

// The frames of the pages, each on its page or on another frame.
struct FramePlace {
    const char* name;
    const char* parent;
    QRect place;
    const char* caption;
};
const FramePlace frames[] = {
    {"Frame1", "tabAnti", {10, 44, 160, 98}, "Антивирус"},
    {"Frame2", "tabProgr", {2, 0, 292, 372}, "Повышение квалификации программиста"},
    {"Frame3", "Frame2", {8, 46, 276, 48}, "Дополнительный курс по VB 6.0, C++ 6.0, Fox Pro 6.0"},
    {"Frame4", "Frame2", {8, 98, 276, 68}, "Введение в БД"},
    {"Frame5", "Frame2", {8, 170, 276, 68}, "БД в Fox Pro"},
    {"Frame6", "Frame2", {8, 268, 276, 94}, "СУБД Access, Paradox, DBISAM"},
    {"Frame7", "tabFun", {2, 0, 292, 130}, "Развлечения"},
};


void colourOption(QWidget* w, const GameState& g)
{
    setBackColour(w, schemeColour(g, &GameState::colourChoiceButtons));
    setForeColour(w, schemeColour(g, &GameState::colourText));
    // The round indicator: white, with a dark red dot when chosen.
    setPaletteColours(w, {{QPalette::Base, QColor(255, 255, 255)}, {QPalette::Text, QColor(128, 0, 0)}});
}
} // namespace

InternetScreen::InternetScreen(GameContext& context, MainScreen& mainScreen)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), m_ctx(context), m_main(mainScreen)
{
    setObjectName(QStringLiteral("frmInter"));
    setWindowTitle(ProgramTitle);
    // Small, narrow type: the pages carry long frame captions in a narrow window.
    setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    setBackColour(this, schemeColour(m_ctx.game, &GameState::colourBackground));
    setForeColour(this, DesignColours::LabelText);

    m_tmrSost = namedTimer(this, "tmrSost", 1000);
    m_tmrKontrol = namedTimer(this, "tmrKontrol", 3000);
    m_tmrVremiaDengi = namedTimer(this, "tmrVremiaDengi", 1000);
    m_tmrZagruzka = namedTimer(this, "tmrZagruzka", LoadFrameMs);

    build();
    // The screen's own background shows through its body, pages, frames and texts, so that
    // the colour scheme's background reaches all of them. A text shows as written (the sales
    // log names the player's projects): no markup, no pictures fetched.
    for (QLabel* label : findChildren<QLabel*>()) {
        label->setAutoFillBackground(label->objectName() == QLatin1String("lblAntiDa"));
        label->setTextFormat(Qt::PlainText);
    }
    connectControls();
    applyLayout(OnlineSession::narrowLayout());
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

void InternetScreen::build()
{
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
    // The favourites menu, and the buttons under it.
    createTavorel(body, {"Tavorel1", nullptr, {6, 8, 124, 24}, fixed(heading("Избранное", 124))});
    int row = 0;
    for (const OnlineSection& section : onlineSections) {
        const int index = row;
        QLabel* label = createLabel(body, {section.label, nullptr, {8, 38 + row++ * 24, 120, 20},
                                           section.caption, LabelKind::Value});
        label->installEventFilter(this);
        onLabelClick(label, [this, index] { openSection(index); });
    }
    createTavorels(body, {
        {"cmdPodkl", nullptr, {6, 172, 124, 26}, button("Подключить", 124, 11)},
        {"cmdOtkl", nullptr, {6, 202, 124, 26}, button("Отключить / Выйти", 124, 11)},
        {"cmdDetali", nullptr, {6, 232, 124, 22}, button(">>", 124, 11)},
    });

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

    m_progress = new QProgressBar(body);
    m_progress->setObjectName(QStringLiteral("prgProgress"));
    m_progress->setGeometry(6, BodyHeight - 22, NarrowWidth - 12, 14);
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    setPaletteColours(m_progress, {{QPalette::Highlight, BarColours::Used},
                                   {QPalette::Base, BarColours::Free},
                                   {QPalette::Window, BarColours::Free}});

    // The dial-up status, over the menu while dialling (left 240, top 1680 twips).
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
    const GameState& g = m_ctx.game;
    const QPixmap bullet = bulletPicture();

    // Start page: the globe and the sections of the portal, each with its bullet.
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

    // Sales.
    QWidget* sell = control("tabSell");
    createLabel(sell, {"Label24", nullptr, {10, 46, 276, 20}, "Продано", LabelKind::Centred});
    QLabel* log = createLabel(sell, {"lblProdano", nullptr, {10, 68, 276, 320}, "",
                                     LabelKind::Value});
    log->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    log->setWordWrap(true);

    createTavorel(control("tabOffer"),
                  {"Tavorel8", nullptr, {6, 8, 284, 26},
                   fixed(heading("Здесь вы можете купить некоторые программы", 284))});

    // Antivirus bases: Tavorel3 is the page's panel, the button lblAntiDa sits in Shape10.
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

    for (const FramePlace& f : frames) {
        auto* frame = new QGroupBox(QString::fromUtf8(f.caption), controlNamed(this, f.parent));
        frame->setObjectName(QString::fromLatin1(f.name));
        frame->setGeometry(f.place);
        setForeColour(frame, DesignColours::LabelText);
        frame->setMouseTracking(true);
    }

    int antiRow = 0;
    QWidget* antivirusFrame = control("Frame1");
    for (const AntivirusOption& option : antivirusOptions) {
        auto* radio = new QRadioButton(QString::fromUtf8(option.caption), antivirusFrame);
        radio->setObjectName(QString::fromLatin1(option.control));
        radio->setGeometry(10, 20 + antiRow++ * 24, 140, 20);
        colourOption(radio, g);
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
    onLabelClick(da, [this] { chooseService(*onlineService(QStringLiteral("lblAntiDa"))); });
    shape->raise();

    // Programming courses.
    createTavorels(control("Frame2"), {
        {"Tavorel11", nullptr, {8, 18, 276, 24},
         fixed(heading("Здесь вы можете повысить свою квалификацию", 276))},
        {"Tavorel13", nullptr, {8, 242, 276, 22},
         fixed(heading("Установка этих трёх СУБД обязательна!", 276))},
    });

    createTavorel(control("Frame7"),
                  {"Tavorel5", nullptr, {8, 20, 276, 26},
                   fixed(heading("Здесь вы можете посетить развлекательные сайты ", 276))});

    // The services' options, with their bullets and price labels.
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
        radio->setFocusPolicy(Qt::NoFocus); // bought by a click, never by the arrow keys
        colourOption(radio, g);
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
    if (m_ctx.game.settingsCancelled == False) {
        for (QRadioButton* option : findChildren<QRadioButton*>())
            option->setCursor(Qt::PointingHandCursor);
        for (const OnlineSection& section : onlineSections)
            control(section.label)->setCursor(Qt::PointingHandCursor);
        control("lblAntiDa")->setCursor(Qt::PointingHandCursor);
    }
}

void InternetScreen::open()
{
    show();
    raise();
    activateWindow();
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

void InternetScreen::applyLayout(const DetailsLayout& layout)
{
    const int width = twipsToPixels(layout.widthTwips);
    setFixedSize(width, Height);
    control("Tavorel27")->resize(width, TitleHeight);
    control("cmdMin")->move(twipsToPixels(layout.cmdMinLeft), 1);
    control("cmdClose")->move(twipsToPixels(layout.cmdCloseLeft), 1);
    setCaption(control("cmdDetali"), layout.cmdDetali);
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
    applyLayout(OnlineSession::narrowLayout());

    hide();
    m_main.comeBack();
    m_main.resumeClock();
    emit left();
}

void InternetScreen::closeEvent(QCloseEvent* event)
{
    // Closed from the desktop (Alt+F4, the taskbar): the player leaves as with "Отключить /
    // Выйти", past the virus window if one comes; during a page load the screen stays.
    event->ignore();
    if (isVisible())
        disconnectAndLeave();
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

void installInternet(GameContext& context)
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
