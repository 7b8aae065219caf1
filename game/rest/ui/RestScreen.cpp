#include "RestScreen.h"

#include "rest/Rest.h"

#include "kit/ButtonPress.h"
#include "kit/Colours.h"
#include "kit/Controls.h"
#include "kit/Dialogs.h"
#include "flow/GameContext.h"
#include "kit/LabelClick.h"
#include "flow/MainScreen.h"
#include "kit/ScreenKit.h"
#include "kit/ShowAgain.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <vuzedovi/Tavorel.h>

#include <memory>

// The beach at evening.
namespace PictureColours {
inline const QColor EveningSkyTop{64, 0, 0};
inline const QColor EveningSkyHorizon{255, 120, 0};
inline const QColor EveningSun{255, 230, 0};
inline const QColor EveningSeaNear{160, 40, 0};
inline const QColor EveningSeaFar{40, 0, 0};
inline const QColor BeachSand{230, 180, 60};
inline const QColor BeachPalmTrunk{90, 40, 0};
inline const QColor BeachPalmLeaf{0, 110, 0};
} // namespace PictureColours

namespace {
constexpr int TitleHeight = TitleBarHeight, Gap = 8;
constexpr int ActivityLeft = 24, ActivityTop = 100, ActivityRow = 36, ActivityWidth = 270;
constexpr QRect PicturePlace{ActivityLeft + ActivityWidth + 16, ActivityTop,
                             RestScreen::Width - ActivityLeft - ActivityWidth - 16 - ActivityLeft,
                             5 * ActivityRow - 8};
constexpr QRect DescriptionPlace{ActivityLeft, ActivityTop + 5 * ActivityRow + 12,
                                 RestScreen::Width - 2 * ActivityLeft, 30};
constexpr QRect ConfirmPlace{RestScreen::Width - Gap - 100, RestScreen::Height - Gap - 40, 100, 40};

QLabel* activityLabel(QWidget* screen, const RestActivity& a)
{
    return static_cast<QLabel*>(controlNamed(screen, a.label));
}

void setUnderlined(QLabel* label, bool underlined)
{
    QFont font = label->font();
    font.setUnderline(underlined);
    label->setFont(font);
}

// The decoration Image1: an evening beach with a palm and the sun over the sea.
QPixmap restPicture(QSize size)
{
    using namespace PictureColours;
    QPixmap picture(size);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const int w = size.width(), h = size.height(), horizon = h * 3 / 5;
    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0, EveningSkyTop);
    sky.setColorAt(1, EveningSkyHorizon);
    p.fillRect(0, 0, w, horizon, sky);
    p.setBrush(EveningSun);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(w * 0.62, horizon - 6), w * 0.16, w * 0.16);
    QLinearGradient sea(0, horizon, 0, h);
    sea.setColorAt(0, EveningSeaNear);
    sea.setColorAt(1, EveningSeaFar);
    p.fillRect(0, horizon, w, h - horizon, sea);
    p.setBrush(BeachSand);
    QPainterPath sand;
    sand.moveTo(0, h);
    sand.quadTo(w * 0.35, h * 0.72, w * 0.6, h);
    p.drawPath(sand);
    // The palm: a leaning trunk and five leaves.
    const QPointF top(w * 0.24, h * 0.28);
    p.setPen(QPen(BeachPalmTrunk, 5, Qt::SolidLine, Qt::RoundCap));
    QPainterPath trunk;
    trunk.moveTo(w * 0.16, h * 0.9);
    trunk.quadTo(w * 0.14, h * 0.55, top.x(), top.y());
    p.setBrush(Qt::NoBrush);
    p.drawPath(trunk);
    p.setPen(QPen(BeachPalmLeaf, 4, Qt::SolidLine, Qt::RoundCap));
    for (const QPointF& leaf : {QPointF(-30, 10), QPointF(-22, -14), QPointF(4, -22),
                                QPointF(28, -8), QPointF(32, 16)}) {
        QPainterPath path;
        path.moveTo(top);
        path.quadTo(top + leaf * 0.6 + QPointF(0, -10), top + leaf);
        p.drawPath(path);
    }
    return picture;
}
} // namespace

RestScreen::RestScreen(GameContext& context)
    : QWidget(nullptr, ScreenWindow), m_ctx(context)
{
    frameScreen(this, "frmOtdyh", {Width, Height}, ProgramTitle);
    setDarkBody(this);
    setMouseTracking(true);
    build();
}

void RestScreen::build()
{
    createTitleBar(this, Width, ProgramTitle);
    createTitleButtons(this, Width);
    createTavorel(this, {"cmdDa", nullptr, ConfirmPlace, buttonProperties(QStringLiteral("Да"))});
    QLabel* heading = createLabel(this, {"Label6", nullptr, {Gap, TitleHeight + 14, Width - 2 * Gap, 48},
                                         "О т д ы х", LabelKind::Large});
    heading->setAutoFillBackground(false);

    int row = 0;
    for (const RestActivity& a : restActivities) {
        QLabel* l = createLabel(this, {a.label, nullptr,
                                       {ActivityLeft, ActivityTop + ActivityRow * row++, ActivityWidth, ActivityRow - 6},
                                       a.caption, LabelKind::Value});
        l->setCursor(Qt::PointingHandCursor);
        l->installEventFilter(this);
        onLabelPress(l, [this, &a] { choose(a); }, {[this, &a] { hover(a); }, [this] { clearHover(); }});
    }

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(PicturePlace);
    image->setPixmap(restPicture(PicturePlace.size()));

    QLabel* description = createLabel(this, {"lblOpisanie", nullptr, DescriptionPlace, "", LabelKind::Centred});
    description->setAutoFillBackground(false);

    // Passing over the heading, the picture or the description is passing over the window.
    for (QWidget* w : {static_cast<QWidget*>(heading), static_cast<QWidget*>(image),
                       static_cast<QWidget*>(description)})
        w->setAttribute(Qt::WA_TransparentForMouseEvents);

    // The close button, and the desktop's close, leave like "Да": a close that did nothing
    // would surprise.
    for (const char* name : {"cmdDa", "cmdClose"})
        onPress(tavorel(controlNamed(this, name)), [this] { leave(); });
    leaveOnClose(this, [this] { leave(); });
}

void RestScreen::open()
{
    clearHover();
    showAgain(this);
}

void RestScreen::leave()
{
    hide();
    // The main screen comes back whatever the player did to it, with the mood the rest gave:
    // the next day reads the mood bar.
    if (MainScreen* main = m_ctx.mainScreen ? m_ctx.mainScreen() : nullptr) {
        main->comeBack();
        main->resumeClock();
    }
}

void RestScreen::hover(const RestActivity& activity)
{
    for (const RestActivity& a : restActivities)
        setUnderlined(activityLabel(this, a), &a == &activity);
    setCaption(controlNamed(this, "lblOpisanie"), QString::fromUtf8(activity.description));
}

void RestScreen::clearHover()
{
    for (const RestActivity& a : restActivities)
        setUnderlined(activityLabel(this, a), false);
    setCaption(controlNamed(this, "lblOpisanie"), QString());
}

void RestScreen::choose(const RestActivity& activity)
{
    const Message message = chooseRestActivity(m_ctx.game, activity);
    if (MainScreen* main = m_ctx.mainScreen ? m_ctx.mainScreen() : nullptr)
        main->showMoney();
    showMessage(m_ctx.dialogs(), this, message);
}

bool RestScreen::eventFilter(QObject* watched, QEvent* event)
{
    const RestActivity* activity = restActivityNamed(watched->objectName());
    if (!activity)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
        hover(*activity);
        // The label keeps the move; passed on to the window it would take the underline away.
        return true;
    }
    if (event->type() == QEvent::Leave) // onto a button, another label or off the window
        clearHover();
    if (isClickRelease(static_cast<QWidget*>(watched), event))
        choose(*activity);
    return QWidget::eventFilter(watched, event);
}

void RestScreen::mouseMoveEvent(QMouseEvent* event)
{
    clearHover();
    QWidget::mouseMoveEvent(event);
}

void addRestScreen(GameContext& context)
{
    // Created on first use, only hidden afterwards; it goes with the game.
    auto screen = std::make_shared<std::unique_ptr<RestScreen>>();
    context.hooks.openRest = [&context, screen](MainScreen&) {
        if (!*screen)
            *screen = std::make_unique<RestScreen>(context);
        (*screen)->open();
    };
}
