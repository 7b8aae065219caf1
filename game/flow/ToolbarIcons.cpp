#include "ToolbarIcons.h"

#include "kit/Colours.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>

#include <functional>
#include <map>

// The toolbar's icons.
namespace IconColours {
inline const QColor Ink{40, 0, 0};
inline const QColor Yellow{255, 220, 60};
inline const QColor Paper{255, 248, 220};
inline const QColor BookCover{170, 20, 20};
inline const QColor BookLines{150, 110, 80};
inline const QColor LeatherTop{170, 100, 40};
inline const QColor LeatherBottom{110, 55, 20};
inline const QColor ComputerCase{200, 200, 190};
inline const QColor ScreenTop{60, 120, 220};
inline const QColor ScreenBottom{20, 40, 120};
inline const QColor DiscShine{255, 255, 255};
inline const QColor DiscBlue{190, 210, 255};
inline const QColor DiscPink{255, 200, 230};
inline const QColor DiscRim{170, 170, 200};
inline const QColor DiscHub{230, 230, 230};
inline const QColor CodeBack{30, 30, 40};
inline const QColor CodeBrackets{120, 255, 120};
inline const QColor GlobeSeaLight{120, 190, 255};
inline const QColor GlobeSeaDeep{20, 70, 170};
inline const QColor GlobeLand{70, 170, 70};
inline const QColor GlobeLines{255, 255, 255, 140};
inline const QColor Sun{255, 200, 40};
inline const QColor Sea{40, 120, 220};
inline const QColor Sand{230, 200, 120};
inline const QColor PalmTrunk{120, 70, 20};
inline const QColor PalmLeaf{30, 150, 40};
inline const QColor MenuBullet{190, 0, 0};
} // namespace IconColours

namespace {
using namespace IconColours;

constexpr int Size = 40; // painted on a 40 x 40 grid

QPen inkPen(qreal width = 1.6)
{
    return QPen(Ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void book(QPainter& p)
{
    // An open book: two pages, lines of text and a red cover behind.
    p.setPen(inkPen());
    p.setBrush(BookCover);
    p.drawRoundedRect(QRectF(3, 9, 34, 24), 3, 3);
    p.setBrush(Paper);
    for (qreal side : {-1.0, 1.0}) { // the left page, then its mirror image
        QPainterPath page;
        page.moveTo(20, 10);
        page.cubicTo(20 + 6 * side, 6, 20 + 12 * side, 7, 20 + 15 * side, 8);
        page.lineTo(20 + 15 * side, 30);
        page.cubicTo(20 + 11 * side, 29, 20 + 5 * side, 29, 20, 32);
        page.closeSubpath();
        p.drawPath(page);
    }
    p.setPen(QPen(BookLines, 1.2));
    for (int i = 0; i < 4; ++i) {
        const qreal y = 13 + i * 4.5;
        p.drawLine(QPointF(8, y), QPointF(17, y + 1));
        p.drawLine(QPointF(23, y + 1), QPointF(32, y));
    }
}

void briefcase(QPainter& p)
{
    p.setPen(inkPen(2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(14, 6, 12, 8), 2, 2);
    QLinearGradient leather(0, 12, 0, 34);
    leather.setColorAt(0, LeatherTop);
    leather.setColorAt(1, LeatherBottom);
    p.setBrush(leather);
    p.setPen(inkPen());
    p.drawRoundedRect(QRectF(4, 12, 32, 22), 4, 4);
    p.drawLine(QPointF(4, 21), QPointF(36, 21));
    p.setBrush(Yellow);
    p.drawRect(QRectF(17, 18, 6, 6));
}

void computer(QPainter& p)
{
    p.setPen(inkPen());
    p.setBrush(ComputerCase);
    p.drawRoundedRect(QRectF(4, 4, 32, 23), 2, 2);
    QLinearGradient screen(0, 7, 0, 24);
    screen.setColorAt(0, ScreenTop);
    screen.setColorAt(1, ScreenBottom);
    p.setBrush(screen);
    p.drawRect(QRectF(7, 7, 26, 17));
    p.setBrush(ComputerCase);
    p.drawRect(QRectF(16, 27, 8, 4));
    p.drawRoundedRect(QRectF(8, 31, 24, 5), 1.5, 1.5);
    p.setPen(QPen(Yellow, 1.5));
    p.drawLine(QPointF(10, 11), QPointF(20, 11));
    p.drawLine(QPointF(10, 15), QPointF(26, 15));
    p.drawLine(QPointF(10, 19), QPointF(17, 19));
}

void disc(QPainter& p)
{
    QRadialGradient shine(QPointF(20, 20), 17, QPointF(13, 12));
    shine.setColorAt(0, DiscShine);
    shine.setColorAt(0.45, DiscBlue);
    shine.setColorAt(0.75, DiscPink);
    shine.setColorAt(1, DiscRim);
    p.setPen(inkPen());
    p.setBrush(shine);
    p.drawEllipse(QPointF(20, 20), 17, 17);
    p.setBrush(DiscHub);
    p.drawEllipse(QPointF(20, 20), 6, 6);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(20, 20), 2.5, 2.5);
}

void codeBracket(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(CodeBack);
    p.drawRoundedRect(QRectF(2, 6, 36, 28), 4, 4);
    p.setPen(QPen(CodeBrackets, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(14, 12), QPointF(7, 20), QPointF(14, 28)}));
    p.drawPolyline(QPolygonF({QPointF(26, 12), QPointF(33, 20), QPointF(26, 28)}));
    p.setPen(QPen(Yellow, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(22, 10), QPointF(18, 30));
}

void globe(QPainter& p)
{
    QRadialGradient sea(QPointF(20, 20), 17, QPointF(14, 13));
    sea.setColorAt(0, GlobeSeaLight);
    sea.setColorAt(1, GlobeSeaDeep);
    p.setPen(inkPen());
    p.setBrush(sea);
    p.drawEllipse(QPointF(20, 20), 17, 17);
    p.setPen(Qt::NoPen);
    p.setBrush(GlobeLand);
    QPainterPath land;
    land.moveTo(9, 11);
    land.cubicTo(14, 8, 19, 10, 18, 15);
    land.cubicTo(17, 19, 11, 18, 12, 24);
    land.cubicTo(8, 22, 6, 16, 9, 11);
    land.moveTo(24, 20);
    land.cubicTo(30, 18, 34, 22, 31, 28);
    land.cubicTo(28, 33, 22, 31, 24, 26);
    land.closeSubpath();
    p.drawPath(land);
    p.setPen(QPen(GlobeLines, 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(20, 20), 8, 17);
    p.drawLine(QPointF(3, 20), QPointF(37, 20));
    p.drawLine(QPointF(20, 3), QPointF(20, 37));
}

void palm(QPainter& p)
{
    // The sun above the sea, and a palm on a small island.
    p.setPen(Qt::NoPen);
    p.setBrush(Sun);
    p.drawEllipse(QPointF(29, 10), 7, 7);
    p.setBrush(Sea);
    p.drawRect(QRectF(2, 30, 36, 8));
    p.setBrush(Sand);
    p.drawEllipse(QRectF(4, 27, 22, 8));
    p.setPen(QPen(PalmTrunk, 3, Qt::SolidLine, Qt::RoundCap));
    QPainterPath trunk;
    trunk.moveTo(15, 30);
    trunk.cubicTo(15, 22, 13, 16, 11, 12);
    p.setBrush(Qt::NoBrush);
    p.drawPath(trunk);
    p.setPen(QPen(PalmLeaf, 3, Qt::SolidLine, Qt::RoundCap));
    const QPointF crown(11, 12);
    for (const QPointF& tip : {QPointF(2, 14), QPointF(4, 6), QPointF(13, 3), QPointF(21, 9),
                               QPointF(20, 16)}) {
        QPainterPath leaf;
        leaf.moveTo(crown);
        leaf.quadTo((crown + tip) / 2 + QPointF(0, -3), tip);
        p.drawPath(leaf);
    }
}

void menuList(QPainter& p)
{
    p.setPen(inkPen());
    p.setBrush(Paper);
    p.drawRoundedRect(QRectF(5, 4, 30, 32), 3, 3);
    for (int i = 0; i < 4; ++i) {
        const qreal y = 11 + i * 6.5;
        p.setPen(Qt::NoPen);
        p.setBrush(MenuBullet);
        p.drawEllipse(QPointF(11, y), 2, 2);
        p.setPen(QPen(Ink, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(16, y), QPointF(30, y));
    }
}

const std::map<QString, std::function<void(QPainter&)>>& painters()
{
    static const std::map<QString, std::function<void(QPainter&)>> table{
        {QStringLiteral("Obuchenie"), book},   {QStringLiteral("Rabota"), briefcase},
        {QStringLiteral("Komp"), computer},    {QStringLiteral("Program"), disc},
        {QStringLiteral("Razrab"), codeBracket}, {QStringLiteral("Inet"), globe},
        {QStringLiteral("Otdih"), palm},       {QStringLiteral("Menu"), menuList},
    };
    return table;
}
} // namespace

QPixmap toolbarPicture(const QString& key, int size, qreal devicePixelRatio)
{
    const auto found = painters().find(key);
    if (found == painters().end())
        return {};
    QPixmap pixmap(qRound(size * devicePixelRatio), qRound(size * devicePixelRatio));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(qreal(size) / Size, qreal(size) / Size);
    found->second(painter);
    return pixmap;
}

QIcon toolbarIcon(const QString& key)
{
    QIcon icon;
    for (qreal ratio : {1.0, 2.0}) {
        const QPixmap pixmap = toolbarPicture(key, Size, ratio);
        if (pixmap.isNull())
            return {};
        icon.addPixmap(pixmap);
    }
    return icon;
}
