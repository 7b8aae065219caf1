#include "InternetPainters.h"

#include "kit/Colours.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

// The globe's and the frames' colours.
namespace PictureColours {
inline const QColor FaintYellow{255, 255, 0, 150};
inline const QColor GlobeSeaLight{120, 190, 255};
inline const QColor GlobeSeaDeep{10, 40, 140};
} // namespace PictureColours

using namespace PictureColours;

ShapeControl::ShapeControl(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setProperty("Shape", ShapeRectangle);
}

void ShapeControl::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Yellow, 2));
    const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
    if (property("Shape").toInt() == ShapeRoundedRectangle)
        p.drawRoundedRect(r, 10, 10);
    else
        p.drawRect(r);
}

QPixmap globePicture()
{
    QPixmap pixmap(100, 100);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient sea(QPointF(38, 34), 62);
    sea.setColorAt(0, GlobeSeaLight);
    sea.setColorAt(1, GlobeSeaDeep);
    p.setBrush(sea);
    p.setPen(QPen(Yellow, 2));
    const QRectF globe(4, 4, 92, 92);
    p.drawEllipse(globe);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(FaintYellow, 1));
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
    p.fillPath(diamond, Yellow);
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
