// Vuzedovi: the gradient button and panel control Tavorel.
//
// Programs create the control by its programmatic identifier through createControl() and
// set its properties by name (QObject::setProperty), so they need nothing but this header.
#pragma once

#include <QByteArray>
#include <QFont>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QVariant>
#include <QWidget>

#include <functional>
#include <initializer_list>
#include <stdexcept>

#if defined(VUZEDOVI_BUILDING_LIBRARY)
#define VUZEDOVI_EXPORT Q_DECL_EXPORT
#else
#define VUZEDOVI_EXPORT Q_DECL_IMPORT
#endif

namespace vuzedovi {
Q_NAMESPACE_EXPORT(VUZEDOVI_EXPORT)

// Identifiers the control was published under. Registration means nothing more on this
// platform than createControl() knowing the programmatic identifier.
inline constexpr char ProgId[] = "Corvalen.Tavorel";
inline constexpr char ClassIdTavorel[] = "{02A3D384-E10D-11D4-87E7-F8B929B1637A}";
inline constexpr char ClassIdGradientValue[] = "{02A3D38A-E10D-11D4-87E7-F8B929B1637A}";
inline constexpr char TypeLibraryId[] = "{02A3D382-E10D-11D4-87E7-F8B929B1637A}";
inline constexpr char TypeLibraryName[] = "Corvalen";
inline constexpr char LibraryDescription[] = "Button with Vuzedovi Color";
inline constexpr int VersionMajor = 2;
inline constexpr int VersionMinor = 3;
inline constexpr int VersionRevision = 25;

enum class constOrientation : int { Horizontal = 0, Vertical = 1 };
Q_ENUM_NS(constOrientation)

enum class constAlign : int {
    LeftTop = 0, LeftMiddle = 1, LeftBottom = 2,
    MiddleTop = 3, Center = 4, MiddleBottom = 5,
    RightTop = 6, RightMiddle = 7, RightBottom = 8
};
Q_ENUM_NS(constAlign)

enum class constStyle : int {
    Button = 0, ToggleButtonUp = 1, ToggleButtonDown = 2, ButtonFlat = 3,
    PanelUp = 4, PanelDown = 5, PanelFlat = 6, AntiButton = 7
};
Q_ENUM_NS(constStyle)

enum class constInternetLink : int { None = 0, InternetPage = 1, EMail = 2 };
Q_ENUM_NS(constInternetLink)

enum class constMoveControl : int { None = 0, MoveForm = 1, MoveMe = 2 };
Q_ENUM_NS(constMoveControl)

enum class const3D : int { None = 0, Convex = 1, Pressed = 2 };
Q_ENUM_NS(const3D)

// Colours are 0x00BBGGRR; a value with the top bit set names a system colour
// (0x80000000 + index), translated through the application's palette before use.
using OleColor = quint32;
VUZEDOVI_EXPORT QRgb translateColor(OleColor colour);

// An ordered set of stored properties; keys are matched without regard to case.
class VUZEDOVI_EXPORT PropertyBag {
public:
    PropertyBag() = default;
    PropertyBag(std::initializer_list<QPair<QString, QVariant>> entries);

    QVariant read(const QString& key, const QVariant& storedDefault) const;
    void write(const QString& key, const QVariant& value);
    bool contains(const QString& key) const;
    QStringList keys() const;
    int size() const { return int(m_entries.size()); }

private:
    QList<QPair<QString, QVariant>> m_entries;
};

// Where the control hands the links it opens (default: QDesktopServices::openUrl) and the
// errors of its painting (default: a modal message box). Hosts and tests may replace them;
// an empty function restores the default.
using UrlOpener = std::function<void(const QUrl& url)>;
VUZEDOVI_EXPORT void setUrlOpener(UrlOpener opener);
VUZEDOVI_EXPORT void openUrl(const QUrl& url);

using ErrorReporter = std::function<void(QWidget* owner, const QString& caption, const QString& text)>;
VUZEDOVI_EXPORT void setErrorReporter(ErrorReporter reporter);

// An error inside a paint, carrying the number and description the message box shows.
class VUZEDOVI_EXPORT ControlError : public std::runtime_error {
public:
    ControlError(int number, const QString& description);
    int number() const { return m_number; }
    QString description() const { return m_description; }

private:
    int m_number;
    QString m_description;
};

// The description a drawing font is made from (sizes in pixels, weight 400 or 700).
struct FontDescription {
    int height = 0;
    int width = 0;
    int escapement = 0;
    int orientation = 0;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charSet = 1;
    QByteArray faceName;
};

class VUZEDOVI_EXPORT Tavorel : public QWidget {
    Q_OBJECT
    // The help texts property browsers show for the control, its properties and its events,
    // published as class information "Description" and "Description:<member>" (read them with
    // description() below).
    Q_CLASSINFO("Description", "Button with Vuzedovi Color")
    Q_CLASSINFO("Description:ColorStart", "Начальный цвет заливки")
    Q_CLASSINFO("Description:ColorEnd", "Конечный цвет заливки")
    Q_CLASSINFO("Description:Font", "Шрифт, выводимой надписи")
    Q_CLASSINFO("Description:Caption", "Надпись на контроле")
    Q_CLASSINFO("Description:GradientOrientation", "Ориентация градиентной заливки")
    Q_CLASSINFO("Description:TextOrientation", "Направление текста")
    Q_CLASSINFO("Description:TextAlign", "Выравнивание текста")
    Q_CLASSINFO("Description:BackColor", "Фоновый цвет, если Vuzedovi = False")
    Q_CLASSINFO("Description:Style", "Стиль контрола")
    Q_CLASSINFO("Description:Vuzedovi", "Наличие/отсутствие градиентной заливки")
    Q_CLASSINFO("Description:InternetLink", "Вывод броузера или программы почтовых сообщений")
    Q_CLASSINFO("Description:MoveControl", "Перемещение родительской формы или самого сонтрола, если Style=Panel*")
    Q_CLASSINFO("Description:AutoSize", "Автоматическое изменение размера")
    Q_CLASSINFO("Description:Text3D", "Объемный текст")
    Q_CLASSINFO("Description:ColorShadow", "Цвет тени")
    Q_CLASSINFO("Description:ForeColor", "Цвет текста")
    Q_CLASSINFO("Description:Click", "Occurs when the user presses and then releases a mouse button over an object.")
    Q_CLASSINFO("Description:MouseUp", "Occurs when the user releases the mouse button while an object has the focus.")
    Q_CLASSINFO("Description:MouseMove", "Occurs when the user moves the mouse.")
    Q_CLASSINFO("Description:MouseDown", "Occurs when the user presses the mouse button while an object has the focus.")
    Q_PROPERTY(quint32 ColorStart READ ColorStart WRITE setColorStart)
    Q_PROPERTY(quint32 ColorEnd READ ColorEnd WRITE setColorEnd)
    Q_PROPERTY(QFont Font READ Font WRITE setFontProperty)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(vuzedovi::constOrientation GradientOrientation READ GradientOrientation WRITE setGradientOrientation)
    Q_PROPERTY(vuzedovi::constOrientation TextOrientation READ TextOrientation WRITE setTextOrientation)
    Q_PROPERTY(vuzedovi::constAlign TextAlign READ TextAlign WRITE setTextAlign)
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(vuzedovi::constStyle Style READ Style WRITE setStyle)
    Q_PROPERTY(bool Vuzedovi READ Vuzedovi WRITE setVuzedovi)
    Q_PROPERTY(vuzedovi::constInternetLink InternetLink READ InternetLink WRITE setInternetLink)
    Q_PROPERTY(vuzedovi::constMoveControl MoveControl READ MoveControl WRITE setMoveControl)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE setAutoSize)
    Q_PROPERTY(vuzedovi::const3D Text3D READ Text3D WRITE setText3D)
    Q_PROPERTY(quint32 ColorShadow READ ColorShadow WRITE setColorShadow)
    Q_PROPERTY(quint32 ForeColor READ ForeColor WRITE setForeColor)

public:
    explicit Tavorel(QWidget* parent = nullptr);
    ~Tavorel() override;

    OleColor ColorStart() const;
    OleColor ColorEnd() const;
    QFont Font() const;
    QString Caption() const;
    constOrientation GradientOrientation() const;
    constOrientation TextOrientation() const;
    constAlign TextAlign() const;
    OleColor BackColor() const;
    constStyle Style() const;
    bool Vuzedovi() const;
    constInternetLink InternetLink() const;
    constMoveControl MoveControl() const;
    bool AutoSize() const;
    const3D Text3D() const;
    OleColor ColorShadow() const;
    OleColor ForeColor() const;

    void setColorStart(OleColor value);
    void setColorEnd(OleColor value);
    void setFontProperty(const QFont& value);
    void setCaption(const QString& value);
    void setGradientOrientation(constOrientation value);
    void setTextOrientation(constOrientation value);
    void setTextAlign(constAlign value);
    void setBackColor(OleColor value);
    void setStyle(constStyle value);
    void setVuzedovi(bool value);
    void setInternetLink(constInternetLink value);
    void setMoveControl(constMoveControl value);
    void setAutoSize(bool value);
    void setText3D(const3D value);
    void setColorShadow(OleColor value);
    void setForeColor(OleColor value);

    // Persistence: load assigns the fields directly (no repaint, no report, no colour
    // components); save writes every value that differs from its stored default.
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;

    // The full paint and the frames; the frames drawn by input stay until the next full paint.
    void PaintControl();
    void DrawRaisedFrame();
    void DrawSunkenFrame();
    void DrawStyleFrame();
    // Throws ControlError for a face name longer than 33 characters.
    FontDescription MakeFontDescription(const QFont& font) const;

    // How many full paints (PaintControl) the control has run; ordinary exposes do not count.
    int fullPaintCount() const;

    // Twips per pixel of the screen the control is on, per axis.
    double twipsPerPixelX() const;
    double twipsPerPixelY() const;

    bool lastPressWasLeft() const;

    QSize sizeHint() const override;

    // setStyle(constStyle) above hides QWidget's; keep the widget style reachable.
    using QWidget::setStyle;

    // The surface's font is the Font property, so setting a control's font sets Font (code
    // that uic generates for a form's "Font" calls setFont).
    void setFont(const QFont& value) { setFontProperty(value); }

public slots:
    void About();

signals:
    void KeyUp(short& KeyCode, short& Shift);
    void KeyPress(short& KeyAscii);
    void KeyDown(short& KeyCode, short& Shift);
    void Click();
    void MouseUp(short& Button, short& Shift, float& X, float& Y);
    void MouseMove(short& Button, short& Shift, float& X, float& Y);
    void MouseDown(short& Button, short& Shift, float& X, float& Y);
    // The named property changed (what a design environment hears as "modified").
    void PropertyChanged(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    struct Private;
    Private* d = nullptr;
};

// The help text Tavorel publishes for one of its properties or events (empty member: for the
// control itself); empty where it publishes none.
VUZEDOVI_EXPORT QString description(const char* member = nullptr);

// The system colours a colour value can name (0x80000000 + index): how many indices there are,
// and the name of one; empty for an index that names none.
VUZEDOVI_EXPORT int systemColorCount();
VUZEDOVI_EXPORT QString systemColorName(int index);

// Creates a control by its programmatic identifier ("Corvalen.Tavorel", any case);
// any other identifier gives nullptr.
VUZEDOVI_EXPORT QWidget* createControl(const QString& progId, QWidget* parent = nullptr);

} // namespace vuzedovi
