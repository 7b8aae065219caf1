#include "SoftwarePictures.h"

#include "kit/Colours.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

// The discs, their badges and marks.
namespace PictureColours {
inline const QColor DiscEdge{60, 60, 60};
inline const QColor DiscHole{30, 0, 0};
inline const QColor DiscGroove{255, 255, 255, 120};
inline const QColor DiscInstallable{200, 220, 255};
inline const QColor DiscResting{170, 170, 170};
inline const QColor DiscNotInstallable{200, 200, 200};
inline const QColor DiscInstalling{255, 220, 120};
inline const QColor BadgeYes{0, 150, 0};
inline const QColor BadgeNo{200, 0, 0};
inline const QColor ArrowEdge{80, 0, 0};
inline const QColor InstalledMark{0, 190, 0};
} // namespace PictureColours

namespace {
using namespace PictureColours;

constexpr int Size = 48;

// A compact disc seen from above, filling most of the picture.
void drawDisc(QPainter& p, const QColor& tint)
{
    const QPointF centre(Size / 2.0 - 3, Size / 2.0 - 3);
    QRadialGradient shine(centre, 20, centre + QPointF(-6, -6));
    shine.setColorAt(0.0, Qt::white);
    shine.setColorAt(0.6, tint.lighter(130));
    shine.setColorAt(1.0, tint.darker(140));
    p.setPen(QPen(DiscEdge, 1.2));
    p.setBrush(shine);
    p.drawEllipse(centre, 20, 20);
    p.setBrush(DiscHole);
    p.drawEllipse(centre, 5, 5);
    p.setPen(QPen(DiscGroove, 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 12, 12);
}

// A round badge at the lower right with a white tick or cross.
void drawBadge(QPainter& p, const QColor& colour, bool tick)
{
    const QRectF badge(Size - 22, Size - 22, 20, 20);
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(colour);
    p.drawEllipse(badge);
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF c = badge.center();
    if (tick) {
        p.drawPolyline(QPolygonF{c + QPointF(-5, 0), c + QPointF(-1, 4), c + QPointF(5, -4)});
    } else {
        p.drawLine(c + QPointF(-4, -4), c + QPointF(4, 4));
        p.drawLine(c + QPointF(-4, 4), c + QPointF(4, -4));
    }
}

QPixmap blank()
{
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}
} // namespace

QPixmap diskPicture(int number)
{
    QPixmap pixmap = blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (number) {
    case 1:
        drawDisc(p, DiscInstallable);
        drawBadge(p, BadgeYes, true);
        break;
    case 2:
        drawDisc(p, DiscResting);
        break;
    case 3:
        drawDisc(p, DiscNotInstallable);
        drawBadge(p, BadgeNo, false);
        break;
    default:
        return {};
    }
    return pixmap;
}

QPixmap installPicture()
{
    QPixmap pixmap = blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    drawDisc(p, DiscInstalling);
    // An arrow into the disc: the program goes onto the computer.
    p.setPen(Qt::NoPen);
    p.setBrush(Yellow);
    const QPolygonF arrow{{38, 24}, {46, 24}, {46, 34}, {48, 34}, {42, 44}, {36, 34}, {38, 34}};
    p.setPen(QPen(ArrowEdge, 1));
    p.drawPolygon(arrow);
    return pixmap;
}

ImageList::ImageList(QList<QPixmap> pictures, QObject* parent)
    : QObject(parent), m_pictures(std::move(pictures))
{
}

QPixmap ImageList::picture(int number) const
{
    if (number < 1 || number > count())
        return {};
    return m_pictures.at(number - 1);
}

IndicatorShape::IndicatorShape(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void IndicatorShape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Yellow, 1.5));
    p.setBrush(InstalledMark);
    p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 4, 4);
}
