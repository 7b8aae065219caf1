// Internal state of Tavorel, shared by the files that implement it.
#pragma once

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

#include "vuzedovi/Tavorel.h"

class QColor;
class QPainter;

namespace vuzedovi {

// A frame drawn by input (press, release, hover) on top of the last full paint.
enum class Frame { None, Raised, Sunken };

// Everything the pixels of a full paint depend on: equal keys paint equal pictures.
struct PaintKey {
    QSize size;
    int dpiX = 0;
    int dpiY = 0;
    qreal devicePixelRatio = 1;
    qint64 palette = 0;  // system colours come from the application's palette
    QFont surfaceFont;
    OleColor backColor = 0;
    OleColor colorShadow = 0;
    OleColor foreColor = 0;
    bool vuzedovi = false;
    constOrientation gradientOrientation = constOrientation::Horizontal;
    constOrientation textOrientation = constOrientation::Horizontal;
    constAlign textAlign = constAlign::Center;
    constStyle style = constStyle::Button;
    const3D text3D = const3D::None;
    short startRgb[3] = {0, 0, 0};
    short endRgb[3] = {0, 0, 0};
    QFont drawnFont;
    QString caption;
};

// How far the control has got with keeping the picture of its current look: not at all,
// painted once with pictureKey, or kept in pictureImage.
enum class Picture { None, Seen, Kept };

// Everything a control keeps; the painting and persistence helpers work on it directly.
struct TavorelState {
    // Properties
    OleColor colorStart = 0;
    OleColor colorEnd = 0xFFFFFF;
    QFont font;
    QString caption = QStringLiteral("Corvalen");
    constOrientation gradientOrientation = constOrientation::Horizontal;
    constOrientation textOrientation = constOrientation::Horizontal;
    constAlign textAlign = constAlign::Center;
    OleColor backColor = 0x8000000F;
    constStyle style = constStyle::Button;
    bool vuzedovi = true;
    constInternetLink internetLink = constInternetLink::None;
    constMoveControl moveControl = constMoveControl::None;
    bool autoSize = false;
    const3D text3D = const3D::None;
    OleColor colorShadow = 0xFFFFFF;
    OleColor foreColor = 0xFFFF;

    // Colour components of ColorStart and ColorEnd, recomputed on assignment and on show.
    short startRgb[3] = {0, 0, 0};
    short endRgb[3] = {0, 0, 0};

    bool lastPressLeft = false;

    // The Font object as the last full paint made its drawing font from it; exposes redraw
    // that paint, so a change the paint made to the Font object shows from the next one on.
    QFont drawnFont;

    // The input frame stays until the next full paint clears it.
    Frame overlay = Frame::None;
    int fullPaints = 0;
    bool errorReported = false;

    // The picture of the last full paint, shown again by exposes while its key still holds.
    Picture picture = Picture::None;
    PaintKey pictureKey;
    QImage pictureImage;

    // Keyboard state: whether the focus came from the keyboard (Tab or Backtab), which shows
    // the focus frame while the control has the focus, and the Space or Enter key that went
    // down on a button and presses it when it comes up.
    bool keyboardFocus = false;
    int activationKey = 0;

    // Mouse state
    bool mouseGrabbed = false;
    Qt::MouseButton pressedButton = Qt::NoButton;
    bool dragging = false;
    QPoint dragStartGlobal;
    QPoint dragStartPos;
    QWidget* dragTarget = nullptr;
};

struct Tavorel::Private : TavorelState {};

// Pixel size of a control as the painter computes it: the size in twips divided by the
// twips-per-pixel factor of its axis.
struct PixelGeometry {
    int tppX = 15;
    int tppY = 15;
    int W = 0;
    int H = 0;
};
PixelGeometry pixelGeometry(const QWidget& control);

// Paints the background, bands, style frame and caption of a full paint. Throws
// ControlError from the font description; the caller reports it.
void paintFull(QPainter& painter, const Tavorel& control, const TavorelState& state);

// Brings the key up to date with the control painted at the given pixel ratio; true when
// anything in it changed.
bool updatePaintKey(PaintKey& key, const Tavorel& control, const TavorelState& state, qreal devicePixelRatio);

// Paints the full picture, copying the kept one while nothing it depends on has changed and
// no full paint asked for a new one. A new look is painted straight onto the device the first
// time and kept the second. Throws like paintFull, after showing what was painted before
// the error.
void paintPicture(QPainter& painter, const Tavorel& control, TavorelState& state);

// Push, toggle, flat and anti-buttons; panels and values outside constStyle are no buttons.
bool isButtonStyle(constStyle style);
// After a click the pointer is not over (a key, a screen reader's press): a flat button lies
// flat again, as when the pointer leaves it.
void settleFlatButton(Tavorel& control);
bool isToggleStyle(constStyle style);

// What follows a change of Style however it was made: buttons take the focus by Tab, panels
// only from a press; assistive technology hears a toggle button change its checked state.
void followStyle(Tavorel& control, constStyle before);

// The accessibility interface of the control, registered once per program; the events that
// tell assistive technology of a new name and of a new checked state.
void installAccessibility();
// Starts following whether the user moves through the controls by keyboard (Tab) or mouse.
void watchInputModality();
// Whether the user moves through the controls by keyboard now: a Tab since the last press of
// the mouse.
bool keyboardModality();
void announceNameChange(Tavorel& control);
void announceCheckedChange(Tavorel& control);

// The frame of a control focused from the keyboard, drawn over the finished paint: three
// pixels in from the edge, two pixels wide (one under 32 pixels), each part black or white,
// whichever contrasts more with the colour under it.
void paintFocusFrame(QPainter& painter, const TavorelState& state, int W, int H);
// The same frame over a surface of one colour (a label that acts as a button).
void paintFocusFrame(QPainter& painter, int W, int H, const QColor& under);

// Draws one two-pixel frame (nothing for Frame::None).
void paintFrame(QPainter& painter, Frame frame, int W, int H);

// The frame the given Style draws.
Frame styleFrame(constStyle style);

// The drawing font made from a description, and the size of the caption drawn with it.
QFont fontFromDescription(const FontDescription& description);
QSize captionSize(const QFont& drawingFont, const QString& caption);

// Twips per pixel for a logical resolution, rounded to a whole number.
int twipsPerPixelFor(int logicalDpi);

// The caption as the control draws it: through the single-byte Windows-1251 code page,
// with characters outside it shown as '?'.
QString singleByteCaption(const QString& caption);

// Windows virtual-key code for a Qt key (0 when it has none).
short virtualKeyCode(int qtKey, bool keypad = false);

// Lets go of the mouse if the control holds it.
void releaseCapture(QWidget& control, TavorelState& state);

// Windows shift mask (1 Shift, 2 Ctrl, 4 Alt) for Qt modifiers.
short shiftMask(Qt::KeyboardModifiers modifiers);

} // namespace vuzedovi
