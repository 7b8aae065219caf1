// The full paint: background, gradient bands, frame and caption.
#include <QApplication>
#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

#include "Bands.h"
#include "CodePage.h"
#include "TavorelPrivate.h"

namespace vuzedovi {

namespace {

constexpr OleColor Black = 0x000000;
constexpr OleColor White = 0xFFFFFF;
constexpr OleColor ThreeDLight = 0x80000016;
constexpr OleColor AppWorkspace = 0x8000000C;
constexpr int MaxFaceNameLength = 33;

QColor colourOf(OleColor colour) { return QColor(translateColor(colour)); }

// Rounds to nearest with ties to even, as every conversion to a whole number here does.
int roundEven(double value) { return int(std::nearbyint(value)); }

// A whole number that must fit 32 bits; one that does not is the Overflow error.
int checkedInt(double value)
{
    if (!(std::abs(value) <= double(std::numeric_limits<int>::max())))
        throw ControlError(6, QStringLiteral("Overflow"));
    return int(value);
}

// a * b / c rounded to nearest, halves away from zero, as one operation.
int mulDiv(int a, int b, int c) { return checkedInt(std::round(double(a) * b / c)); }

// A line from `from` towards `to`, the end point excluded; frames are axis-parallel.
void segment(QPainter& painter, QPoint from, QPoint to, const QColor& colour)
{
    if (from == to)
        return;
    const QPoint direction((to.x() > from.x()) - (to.x() < from.x()), (to.y() > from.y()) - (to.y() < from.y()));
    const QPoint last = to - direction;
    painter.fillRect(QRect(QPoint(std::min(from.x(), last.x()), std::min(from.y(), last.y())),
                           QPoint(std::max(from.x(), last.x()), std::max(from.y(), last.y()))),
                     colour);
}

void paintBands(QPainter& painter, const TavorelState& s, int W, int H)
{
    const bool stripes = bandsAreStripes(s);
    // Neighbouring bands of one colour are filled together: the same pixels, fewer fills.
    forEachBandRun(s, gradientLength(s, W, H), [&](int from, int to, const QColor& colour) {
        painter.fillRect(stripes ? QRect(0, from, W, to - from) : QRect(from, 0, to - from, H), colour);
    });
}

// The caption's reference point: the top-left corner of the text cell, which for vertical
// text is the corner the text starts from as it runs upwards.
QPoint referencePoint(const TavorelState& s, const PixelGeometry& g, QSize text)
{
    const double W = g.W;
    const double H = g.H;
    double x = 0;
    double y = 0;
    const int align = int(s.textAlign);
    if (align < 0 || align > 8)
        return QPoint(0, 0);
    const int column = align / 3;  // left, middle, right
    const int row = align % 3;     // top, middle, bottom
    if (s.textOrientation != constOrientation::Vertical) {
        const double tw = double(text.width() * g.tppX) / g.tppX;
        const double th = double(text.height() * g.tppY) / g.tppY;
        x = column == 0 ? 4 : column == 1 ? (W - tw) / 2 : W - tw - 4;
        y = row == 0 ? 4 : row == 1 ? (H - th) / 2 : H - th - 4;
    } else {
        const double tw = double(text.width() * g.tppX) / g.tppY;
        const double th = double(text.height() * g.tppY) / g.tppX;
        x = column == 0 ? 4 : column == 1 ? (W - th) / 2 : W - th - 4;
        y = row == 0 ? tw + 4 : row == 1 ? (tw + H) / 2 : H - 4;
    }
    return QPoint(roundEven(x), roundEven(y));
}

void drawCaption(QPainter& painter, const QFont& font, int ascent, bool vertical, const QString& text,
                 QPoint at, const QColor& colour)
{
    painter.save();
    painter.setFont(font);
    painter.setPen(colour);
    painter.translate(at);
    if (vertical)
        painter.rotate(-90);
    painter.drawText(0, ascent, text);
    painter.restore();
}

} // namespace

int twipsPerPixelFor(int logicalDpi)
{
    return logicalDpi > 0 ? int(std::lround(1440.0 / logicalDpi)) : 15;
}

PixelGeometry pixelGeometry(const QWidget& control)
{
    PixelGeometry g;
    g.tppX = twipsPerPixelFor(control.logicalDpiX());
    g.tppY = twipsPerPixelFor(control.logicalDpiY());
    const long widthTwips = std::lround(double(control.width()) * g.tppX);
    const long heightTwips = std::lround(double(control.height()) * g.tppY);
    g.W = int(widthTwips / g.tppX);
    g.H = int(heightTwips / g.tppY);
    return g;
}

QString singleByteCaption(const QString& caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (QChar ch : caption)
        shown += codepage::contains(ch) ? ch : QChar(u'?');
    return shown;
}

Frame styleFrame(constStyle style)
{
    switch (style) {
    case constStyle::Button:
    case constStyle::ToggleButtonUp:
    case constStyle::PanelUp:
        return Frame::Raised;
    case constStyle::ToggleButtonDown:
    case constStyle::PanelDown:
    case constStyle::AntiButton:
        return Frame::Sunken;
    default:
        return Frame::None;
    }
}

void paintFrame(QPainter& painter, Frame frame, int W, int H)
{
    if (frame == Frame::None || W <= 0 || H <= 0)
        return;
    const bool raised = frame == Frame::Raised;
    const QColor light = colourOf(ThreeDLight);
    const QColor workspace = colourOf(AppWorkspace);
    const QColor black = colourOf(Black);
    const QColor white = colourOf(White);
    const QColor outerTopLeft = raised ? light : black;
    const QColor outerBottomRight = raised ? black : light;
    const QColor innerTopLeft = raised ? white : workspace;
    const QColor innerBottomRight = raised ? workspace : white;

    segment(painter, {0, 0}, {W - 1, 0}, outerTopLeft);
    segment(painter, {W - 1, 0}, {W - 1, H - 1}, outerBottomRight);
    segment(painter, {W - 1, H - 1}, {0, H - 1}, outerBottomRight);
    segment(painter, {0, H - 1}, {0, 0}, outerTopLeft);
    segment(painter, {1, 1}, {W - 2, 1}, innerTopLeft);
    segment(painter, {W - 2, 1}, {W - 2, H - 2}, innerBottomRight);
    segment(painter, {W - 2, H - 2}, {1, H - 2}, innerBottomRight);
    segment(painter, {1, H - 2}, {1, 1}, innerTopLeft);
}

QFont fontFromDescription(const FontDescription& description)
{
    QFont font(codepage::toUnicode(description.faceName));
    font.setPixelSize(std::max(1, std::abs(description.height)));
    font.setWeight(description.weight >= 700 ? QFont::Bold : QFont::Normal);
    font.setItalic(description.italic);
    font.setUnderline(description.underline);
    font.setStrikeOut(description.strikeOut);
    return font;
}

QSize captionSize(const QFont& drawingFont, const QString& caption)
{
    const QFontMetrics metrics(drawingFont);
    return QSize(metrics.horizontalAdvance(caption), metrics.height());
}

FontDescription Tavorel::MakeFontDescription(const QFont& font) const
{
    FontDescription description;
    double points = font.pointSizeF();
    if (points <= 0)  // a font sized in pixels
        points = font.pixelSize() * 72.0 / std::max(1, logicalDpiY());
    description.height = -mulDiv(checkedInt(std::nearbyint(points)), logicalDpiY(), 72);
    description.weight = font.bold() ? 700 : 400;
    description.italic = font.italic();
    description.underline = font.underline();
    description.strikeOut = font.strikeOut();
    description.charSet = 1;
    const QString face = font.family();
    if (face.size() > MaxFaceNameLength)
        throw ControlError(9, QStringLiteral("Subscript out of range"));
    description.faceName = codepage::fromUnicode(face);
    return description;
}

void paintFull(QPainter& painter, const Tavorel& control, const TavorelState& s)
{
    const PixelGeometry g = pixelGeometry(control);
    // Bands cover the whole control, so the background only shows without them.
    if (!s.vuzedovi || g.W <= 0 || g.H <= 0)
        painter.fillRect(control.rect(), colourOf(s.backColor));
    // A control without area shows its background only (the colour step divides by its size).
    if (g.W <= 0 || g.H <= 0)
        return;
    if (s.vuzedovi)
        paintBands(painter, s, g.W, g.H);
    paintFrame(painter, styleFrame(s.style), g.W, g.H);

    FontDescription description = control.MakeFontDescription(s.drawnFont);
    const bool vertical = s.textOrientation == constOrientation::Vertical;
    description.escapement = vertical ? 900 : 0;
    const QFont font = fontFromDescription(description);
    // What the description leaves open comes from the control's own font, whatever the
    // painter's device is.
    QFont drawing = font.resolve(control.font());
    drawing.setResolveMask(QFont::AllPropertiesResolved);
    const QString text = singleByteCaption(s.caption);
    const QPoint at = referencePoint(s, g, captionSize(font, text));
    const int ascent = QFontMetrics(font).ascent();
    if (s.text3D == const3D::Convex)
        drawCaption(painter, drawing, ascent, vertical, text, at, colourOf(s.colorShadow));
    else if (s.text3D == const3D::Pressed)
        drawCaption(painter, drawing, ascent, vertical, text, at + QPoint(2, 2), colourOf(s.colorShadow));
    drawCaption(painter, drawing, ascent, vertical, text, at + QPoint(1, 1), colourOf(s.foreColor));
}

bool updatePaintKey(PaintKey& key, const Tavorel& control, const TavorelState& s, qreal devicePixelRatio)
{
    bool changed = false;
    const auto take = [&changed](auto& field, const auto& value) {
        if (!(field == value)) {
            field = value;
            changed = true;
        }
    };
    take(key.size, control.size());
    take(key.dpiX, control.logicalDpiX());
    take(key.dpiY, control.logicalDpiY());
    take(key.devicePixelRatio, devicePixelRatio);
    take(key.palette, QApplication::palette().cacheKey());
    take(key.surfaceFont, control.font());
    take(key.backColor, s.backColor);
    take(key.colorShadow, s.colorShadow);
    take(key.foreColor, s.foreColor);
    take(key.vuzedovi, s.vuzedovi);
    take(key.gradientOrientation, s.gradientOrientation);
    take(key.textOrientation, s.textOrientation);
    take(key.textAlign, s.textAlign);
    take(key.style, s.style);
    take(key.text3D, s.text3D);
    for (int channel = 0; channel < 3; ++channel) {
        take(key.startRgb[channel], s.startRgb[channel]);
        take(key.endRgb[channel], s.endRgb[channel]);
    }
    take(key.drawnFont, s.drawnFont);
    take(key.caption, s.caption);
    return changed;
}

void paintPicture(QPainter& painter, const Tavorel& control, TavorelState& s)
{
    // The kept picture is pixels: it stands in for a paint only where it lands on whole
    // pixels of a 32-bit raster image, such as a window's backing store or a grab.
    QPaintEngine* engine = painter.paintEngine();
    const QPaintDevice* target = engine ? engine->paintDevice() : nullptr;
    const qreal dpr = target ? target->devicePixelRatio() : 1.0;
    const QTransform transform = painter.deviceTransform();
    const bool onPixels = target && engine->type() == QPaintEngine::Raster && target->depth() == 32
        && transform.type() <= QTransform::TxScale && transform.m11() == dpr && transform.m22() == dpr
        && transform.dx() == std::floor(transform.dx()) && transform.dy() == std::floor(transform.dy());
    if (!onPixels) {
        paintFull(painter, control, s);
        return;
    }
    const bool changed = updatePaintKey(s.pictureKey, control, s, dpr);
    if (!changed && s.picture == Picture::Kept) {
        painter.drawImage(0, 0, s.pictureImage);
        return;
    }
    if (changed || s.picture == Picture::None) {
        // A look painted once goes straight to the device; only one shown again is kept.
        s.picture = Picture::Seen;
        paintFull(painter, control, s);
        return;
    }
    const QSize pixels = (QSizeF(control.size()) * dpr).toSize();
    if (s.pictureImage.size() != pixels)
        s.pictureImage = QImage(pixels, QImage::Format_RGB32);
    s.pictureImage.setDevicePixelRatio(dpr);
    QPainter picturePainter(&s.pictureImage);
    try {
        paintFull(picturePainter, control, s);
    } catch (const ControlError&) {
        // What was painted before the error still shows; the next paint tries again.
        picturePainter.end();
        painter.drawImage(0, 0, s.pictureImage);
        throw;
    }
    picturePainter.end();
    s.picture = Picture::Kept;
    painter.drawImage(0, 0, s.pictureImage);
}

} // namespace vuzedovi
