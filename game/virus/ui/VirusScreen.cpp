#include "VirusScreen.h"

#include "virus/Virus.h"

#include "kit/LabelClick.h"

#include "kit/Colours.h"
#include "kit/Controls.h"
#include "kit/Dialogs.h"
#include "flow/GameContext.h"
#include "flow/MainScreen.h"
#include "kit/ScreenKit.h"

#include "hardware/Parts.h"
#include "software/Programs.h"
#include "state/GameState.h"

#include <array>

#include <QCloseEvent>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRegion>

// The virus window's glow.
namespace PictureColours {
inline const QColor VirusGlowCentre{96, 0, 0};
inline const QColor VirusGlowEdge{8, 0, 0};
} // namespace PictureColours

namespace {
// The outline of frmVirus, in pixels from the window's top-left corner; it closes from the
// last vertex back to the first and is filled with the winding rule.
struct OutlineVertex {
    int x, y;
};
constexpr std::array<OutlineVertex, 29> virusOutline{{
    {246, 273}, {184, 201}, {275, 200}, {241, 82},  {328, 167}, {385, 89},  {377, 175},
    {512, 117}, {437, 184}, {528, 191}, {458, 232}, {544, 296}, {470, 288}, {528, 376},
    {442, 353}, {432, 423}, {385, 354}, {368, 432}, {345, 360}, {337, 400}, {313, 385},
    {304, 402}, {297, 378}, {280, 391}, {296, 346}, {216, 424}, {247, 337}, {177, 346},
    {247, 274},
}};

struct TextLabel {
    const char* name;
    QRect place;
    const char* text;
};
// The message over five labels, and the two actions.
const TextLabel textLabels[] = {
    {"lblMsg", {285, 184, 160, 22}, "Есть"},
    {"Label4", {285, 206, 160, 22}, "предположение,"},
    {"Label3", {285, 228, 160, 22}, "что компьютер"},
    {"Label2", {285, 250, 160, 22}, "был заражён"},
    {"Label5", {285, 272, 160, 22}, "вирусом."},
};
const TextLabel actionLabels[] = {
    {"lblUnictozh", {268, 302, 194, 22}, "Уничтожить антивирусом"},
    {"lblPropust", {305, 328, 120, 22}, "Пропустить"},
};

QLabel* makeLabel(QWidget* parent, const TextLabel& t, int points)
{
    auto* label = new QLabel(QString::fromUtf8(t.text), parent);
    label->setObjectName(QString::fromLatin1(t.name));
    label->setGeometry(t.place);
    label->setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("Liberation Sans"), points, QFont::Bold);
    label->setFont(font);
    setForeColour(label, DesignColours::LabelText);
    label->setMouseTracking(true);
    return label;
}

// The lines of the computer summary the damage rewrites.
struct DamagedSummaryLine {
    Category category;
    std::optional<QString> VirusDamage::*caption;
};
constexpr DamagedSummaryLine damagedSummary[] = {
    {Category::Motherboard, &VirusDamage::lblMBoard},
    {Category::Processor, &VirusDamage::lblProc},
    {Category::HardDisk, &VirusDamage::lblVint},
};
} // namespace

VirusScreen::VirusScreen(GameContext& context, MainScreen& mainScreen, QWidget* parent)
    : QWidget(parent, ScreenWindow), m_ctx(context), m_main(mainScreen)
{
    frameScreen(this, "frmVirus", {Width, Height}, ProgramTitle);
    setWindowModality(Qt::ApplicationModal);
    // Only the star is the window; outside it there is nothing, not even a background.
    setAttribute(Qt::WA_TranslucentBackground);
    setMask(QRegion(outline(), Qt::WindingFill));
    setMouseTracking(true);

    for (const TextLabel& t : textLabels)
        makeLabel(this, t, 12);
    for (const TextLabel& t : actionLabels) {
        QLabel* action = makeLabel(this, t, 10);
        action->setAutoFillBackground(true);
        action->setCursor(Qt::PointingHandCursor);
        action->installEventFilter(this);
    }
    const auto hover = [this](const char* name) {
        return LabelHover{[this, name] { colourActions(control<QLabel>(name)); },
                          [this] { colourActions(nullptr); }};
    };
    onLabelClick(control<QLabel>("lblUnictozh"), [this] { destroyVirus(); }, hover("lblUnictozh"));
    onLabelClick(control<QLabel>("lblPropust"), [this] { letPass(); }, hover("lblPropust"));
    colourActions(nullptr);
}

QPolygon VirusScreen::outline()
{
    QPolygon polygon;
    for (const OutlineVertex& v : virusOutline)
        polygon << QPoint(v.x, v.y);
    return polygon;
}

void VirusScreen::open()
{
    if (QWidget* over = parentWidget())
        move(over->geometry().center() - rect().center());
    show();
    raise();
    activateWindow();
}

void VirusScreen::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath star;
    star.setFillRule(Qt::WindingFill);
    star.addPolygon(QPolygonF(outline()));
    star.closeSubpath();
    QRadialGradient glow(QPointF(365, 260), 200);
    glow.setColorAt(0, PictureColours::VirusGlowCentre);
    glow.setColorAt(1, PictureColours::VirusGlowEdge);
    p.fillPath(star, glow);
    // The outline runs along the polygon.
    p.setPen(QPen(PictureColours::Yellow, 2));
    p.drawPolygon(outline(), Qt::WindingFill);
}

void VirusScreen::colourActions(const QLabel* hovered)
{
    for (const TextLabel& t : actionLabels) {
        QLabel* action = control<QLabel>(t.name);
        setBackColour(action, action == hovered ? HoverColour : RestColour);
    }
}

void VirusScreen::mouseMoveEvent(QMouseEvent* event)
{
    colourActions(nullptr);
    QWidget::mouseMoveEvent(event);
}

bool VirusScreen::eventFilter(QObject* watched, QEvent* event)
{
    auto* label = qobject_cast<QLabel*>(watched);
    if (label && event->type() == QEvent::MouseMove) {
        colourActions(label);
        return true; // not passed on to the window, whose own move would undo the colour
    }
    return QWidget::eventFilter(watched, event);
}

void VirusScreen::closeEvent(QCloseEvent* event)
{
    // A virus is not closed away from the desktop: it waits for the player's choice, destroy
    // or let pass, and the disconnect goes on after that.
    event->ignore();
    if (isVisible()) {
        raise();
        activateWindow();
    }
}

void VirusScreen::destroyVirus()
{
    const DestroyResult result = ::destroyVirus(m_ctx.game);
    showMessage(m_ctx.dialogs(), this, result.message);
    if (result.closes)
        closeScreen();
}

void VirusScreen::letPass()
{
    const PassResult result = letVirusPass(m_ctx.game, drawPassOutcome(m_ctx.random()));
    showVirusDamage(m_main, result.damage);
    m_main.showMoney(); // a theft shows at once
    for (const Message& message : result.messages)
        showMessage(m_ctx.dialogs(), this, message);
    closeScreen();
}

void VirusScreen::closeScreen()
{
    hide();
    emit closed();
}

void showVirusDamage(MainScreen& main, const VirusDamage& damage)
{
    for (const Program* program : damage.programsRemoved)
        main.showInstalled(*program, false);
    for (const Part* part : damage.partsBuyable)
        main.enableCatalogueEntry(QString::fromLatin1(part->label));
    if (damage.jobSelectable)
        main.enableCatalogueEntry(*damage.jobSelectable);
    if (damage.diskUsed)
        main.showDiskUsed(*damage.diskUsed);
    if (damage.lblRab)
        main.showJobLine(*damage.lblRab);
    for (const DamagedSummaryLine& line : damagedSummary) {
        if (damage.*line.caption)
            main.showSummaryLine(line.category, *(damage.*line.caption));
    }
    if (damage.lblObiomVint)
        main.showDiskCapacity(*damage.lblObiomVint);
}
