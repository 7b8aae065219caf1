// Tavorel: properties, lifecycle, the factory and the library's hooks.
#include <QDesktopServices>
#include <QMetaClassInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QResizeEvent>
#include <QShowEvent>
#include <QTimer>

#include "AboutBox.h"
#include "TavorelPrivate.h"

namespace vuzedovi {

namespace {

UrlOpener& urlOpener()
{
    static UrlOpener opener;
    return opener;
}

ErrorReporter& errorReporter()
{
    static ErrorReporter reporter;
    return reporter;
}

void showErrorBox(QWidget* owner, const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::Information, caption, text, QMessageBox::Ok, owner);
    box.exec();
}

void splitColour(OleColor colour, short (&rgb)[3])
{
    const QRgb value = translateColor(colour);
    rgb[0] = short(qRed(value));
    rgb[1] = short(qGreen(value));
    rgb[2] = short(qBlue(value));
}

} // namespace

void setUrlOpener(UrlOpener opener) { urlOpener() = std::move(opener); }

void openUrl(const QUrl& url)
{
    if (urlOpener())
        urlOpener()(url);
    else
        QDesktopServices::openUrl(url);
}

void setErrorReporter(ErrorReporter reporter) { errorReporter() = std::move(reporter); }

ControlError::ControlError(int number, const QString& description)
    : std::runtime_error(description.toStdString()), m_number(number), m_description(description)
{
}

Tavorel::Tavorel(QWidget* parent)
    : QWidget(parent), d(new Private)
{
    // The design font: Times New Roman 8.25 points, regular.
    d->font = QFont(QStringLiteral("Times New Roman"));
    d->font.setPointSizeF(8.25);
    d->font.setWeight(QFont::Normal);
    QWidget::setFont(d->font);
    d->drawnFont = d->font;
    setMouseTracking(true);
    setFocusPolicy(Qt::TabFocus);  // a Button's; followStyle() keeps it right for other styles
    setAttribute(Qt::WA_OpaquePaintEvent);
    installAccessibility();
    watchInputModality();
}

Tavorel::~Tavorel()
{
    releaseCapture(*this, *d);
    delete d;
}

OleColor Tavorel::ColorStart() const { return d->colorStart; }
OleColor Tavorel::ColorEnd() const { return d->colorEnd; }
QFont Tavorel::Font() const { return d->font; }
QString Tavorel::Caption() const { return d->caption; }
constOrientation Tavorel::GradientOrientation() const { return d->gradientOrientation; }
constOrientation Tavorel::TextOrientation() const { return d->textOrientation; }
constAlign Tavorel::TextAlign() const { return d->textAlign; }
OleColor Tavorel::BackColor() const { return d->backColor; }
constStyle Tavorel::Style() const { return d->style; }
bool Tavorel::Vuzedovi() const { return d->vuzedovi; }
constInternetLink Tavorel::InternetLink() const { return d->internetLink; }
constMoveControl Tavorel::MoveControl() const { return d->moveControl; }
bool Tavorel::AutoSize() const { return d->autoSize; }
const3D Tavorel::Text3D() const { return d->text3D; }
OleColor Tavorel::ColorShadow() const { return d->colorShadow; }
OleColor Tavorel::ForeColor() const { return d->foreColor; }

// Every assignment stores, repaints and reports, apart from the few that say otherwise.
namespace {

template <typename T>
void assign(Tavorel& control, T& field, const T& value, const char* name)
{
    field = value;
    control.PaintControl();
    emit control.PropertyChanged(QLatin1String(name));
}

// Text3D and ColorShadow report before they repaint.
template <typename T>
void assignReportingFirst(Tavorel& control, T& field, const T& value, const char* name)
{
    field = value;
    emit control.PropertyChanged(QLatin1String(name));
    control.PaintControl();
}

} // namespace

void Tavorel::setColorStart(OleColor value)
{
    splitColour(value, d->startRgb);
    assign(*this, d->colorStart, value, "ColorStart");
}

void Tavorel::setColorEnd(OleColor value)
{
    splitColour(value, d->endRgb);
    assign(*this, d->colorEnd, value, "ColorEnd");
}

void Tavorel::setFontProperty(const QFont& value)
{
    QWidget::setFont(value);  // the surface's own font
    assign(*this, d->font, value, "Font");
}

void Tavorel::setCaption(const QString& value)
{
    const bool renamed = value != d->caption;
    assign(*this, d->caption, value, "Caption");
    if (renamed)
        announceNameChange(*this);
}

void Tavorel::setGradientOrientation(constOrientation value)
{
    assign(*this, d->gradientOrientation, value, "GradientOrientation");
}
void Tavorel::setTextOrientation(constOrientation value) { assign(*this, d->textOrientation, value, "TextOrientation"); }
void Tavorel::setTextAlign(constAlign value) { assign(*this, d->textAlign, value, "TextAlign"); }
void Tavorel::setBackColor(OleColor value) { assign(*this, d->backColor, value, "BackColor"); }
void Tavorel::setStyle(constStyle value)
{
    const constStyle before = d->style;
    assign(*this, d->style, value, "Style");
    followStyle(*this, before);
}
void Tavorel::setVuzedovi(bool value) { assign(*this, d->vuzedovi, value, "Vuzedovi"); }
void Tavorel::setInternetLink(constInternetLink value) { assign(*this, d->internetLink, value, "InternetLink"); }
void Tavorel::setAutoSize(bool value) { assign(*this, d->autoSize, value, "AutoSize"); }
void Tavorel::setForeColor(OleColor value) { assign(*this, d->foreColor, value, "ForeColor"); }
void Tavorel::setText3D(const3D value) { assignReportingFirst(*this, d->text3D, value, "Text3D"); }
void Tavorel::setColorShadow(OleColor value) { assignReportingFirst(*this, d->colorShadow, value, "ColorShadow"); }

// MoveControl changes nothing that is painted.
void Tavorel::setMoveControl(constMoveControl value)
{
    d->moveControl = value;
    emit PropertyChanged(QStringLiteral("MoveControl"));
}

bool isButtonStyle(constStyle style)
{
    switch (style) {
    case constStyle::Button:
    case constStyle::ToggleButtonUp:
    case constStyle::ToggleButtonDown:
    case constStyle::ButtonFlat:
    case constStyle::AntiButton:
        return true;
    default:
        return false;
    }
}

bool isToggleStyle(constStyle style)
{
    return style == constStyle::ToggleButtonUp || style == constStyle::ToggleButtonDown;
}

void followStyle(Tavorel& control, constStyle before)
{
    const constStyle style = control.Style();
    control.setFocusPolicy(isButtonStyle(style) ? Qt::TabFocus : Qt::NoFocus);
    if (isToggleStyle(before) && isToggleStyle(style) && before != style)
        announceCheckedChange(control);
}

bool Tavorel::lastPressWasLeft() const { return d->lastPressLeft; }

int Tavorel::fullPaintCount() const { return d->fullPaints; }

double Tavorel::twipsPerPixelX() const { return twipsPerPixelFor(logicalDpiX()); }
double Tavorel::twipsPerPixelY() const { return twipsPerPixelFor(logicalDpiY()); }

void Tavorel::PaintControl()
{
    ++d->fullPaints;
    d->picture = Picture::None;
    d->overlay = Frame::None;
    d->errorReported = false;
    if (d->autoSize) {
        // Fit the caption with a margin of 4 pixels on each side; vertical text swaps the
        // measured width and height. The resize repaints through resizeEvent. Measuring does
        // not need the face name that the drawing font may fail on; that error comes later.
        QFont measuring = d->font;
        try {
            measuring = fontFromDescription(MakeFontDescription(d->font));
        } catch (const ControlError&) {
        }
        QSize text = captionSize(measuring, singleByteCaption(d->caption));
        if (d->textOrientation == constOrientation::Vertical)
            text.transpose();
        resize(text + QSize(8, 8));
    }
    // The drawing font is made from the Font object as it is now; only then does a paint
    // that gets that far mark links by underlining the Font object, which the next full
    // paint shows.
    d->drawnFont = d->font;
    const PixelGeometry g = pixelGeometry(*this);
    if (g.W > 0 && g.H > 0) {
        try {
            MakeFontDescription(d->drawnFont);
            d->font.setUnderline(d->internetLink != constInternetLink::None);
        } catch (const ControlError&) {
            // The paint ends at the font; the paint event reports it.
        }
    }
    update();
}

void Tavorel::DrawRaisedFrame()
{
    d->overlay = Frame::Raised;
    update();
}

void Tavorel::DrawSunkenFrame()
{
    d->overlay = Frame::Sunken;
    update();
}

void Tavorel::DrawStyleFrame()
{
    d->overlay = styleFrame(d->style);
    update();
}

QSize Tavorel::sizeHint() const
{
    try {
        QSize text = captionSize(fontFromDescription(MakeFontDescription(d->font)),
                                 singleByteCaption(d->caption));
        if (d->textOrientation == constOrientation::Vertical)
            text.transpose();
        return (text + QSize(16, 12)).expandedTo(QSize(75, 25));
    } catch (const ControlError&) {
        return QSize(75, 25);
    }
}

void Tavorel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    try {
        paintPicture(painter, *this, *d);
    } catch (const ControlError& error) {
        // Shown once per full paint and outside the paint itself.
        if (!d->errorReported) {
            d->errorReported = true;
            const QString text = QStringLiteral("<%1> - %2").arg(error.number()).arg(error.description());
            QPointer<Tavorel> self(this);
            QTimer::singleShot(0, this, [self, text] {
                const QString caption = QStringLiteral("Ошибка!");
                if (errorReporter())
                    errorReporter()(self, caption, text);
                else
                    showErrorBox(self, caption, text);
            });
        }
    }
    if (d->overlay != Frame::None) {
        const PixelGeometry g = pixelGeometry(*this);
        paintFrame(painter, d->overlay, g.W, g.H);
    }
    if (d->keyboardFocus && hasFocus()) {
        const PixelGeometry g = pixelGeometry(*this);
        paintFocusFrame(painter, *d, g.W, g.H);
    }
}

void Tavorel::resizeEvent(QResizeEvent*)
{
    PaintControl();
}

void Tavorel::showEvent(QShowEvent*)
{
    setColorStart(d->colorStart);
    setColorEnd(d->colorEnd);
    PaintControl();
}

void Tavorel::hideEvent(QHideEvent*)
{
    releaseCapture(*this, *d);
    d->dragging = false;
}

void Tavorel::About()
{
    AboutBox box(this);
    box.exec();
}

QString description(const char* member)
{
    const QByteArray key = member ? QByteArrayLiteral("Description:") + member : QByteArrayLiteral("Description");
    const QMetaObject& meta = Tavorel::staticMetaObject;
    const int index = meta.indexOfClassInfo(key.constData());
    return index < 0 ? QString() : QString::fromUtf8(meta.classInfo(index).value());
}

QWidget* createControl(const QString& progId, QWidget* parent)
{
    if (progId.compare(QLatin1String(ProgId), Qt::CaseInsensitive) == 0)
        return new Tavorel(parent);
    return nullptr;
}

} // namespace vuzedovi
