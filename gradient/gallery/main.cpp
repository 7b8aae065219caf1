// Shows every kind of Tavorel in one window. --screenshot FILE saves a picture and quits.
#include <QApplication>
#include <QCommandLineParser>
#include <QTabWidget>
#include <QTimer>
#include <QWidget>

#include "vuzedovi/GradientValue.h"
#include "vuzedovi/Tavorel.h"

using namespace vuzedovi;

namespace {

constexpr OleColor DarkRed = 0x000040;
constexpr OleColor Red = 0x0000FF;
constexpr OleColor Yellow = 0x00FFFF;

struct Sample {
    const char* name;
    QRect geometry;
    const char* caption;
    constStyle style;
    constOrientation gradient = constOrientation::Horizontal;
    constOrientation text = constOrientation::Horizontal;
    constAlign align = constAlign::Center;
    const3D text3D = const3D::None;
    OleColor start = DarkRed;
    OleColor end = Red;
    OleColor fore = Yellow;
    constInternetLink link = constInternetLink::None;
    constMoveControl move = constMoveControl::None;
    bool gradientOn = true;
};

const Sample Samples[] = {
    {"Title", {0, 0, 720, 28}, "Vuzedovi — перетащите заголовок", constStyle::PanelUp,
     constOrientation::Vertical, constOrientation::Horizontal, constAlign::LeftMiddle},
    // Every style
    {"StyleButton", {16, 44, 160, 36}, "Button", constStyle::Button},
    {"StyleToggleUp", {188, 44, 160, 36}, "ToggleButtonUp", constStyle::ToggleButtonUp},
    {"StyleToggleDown", {360, 44, 160, 36}, "ToggleButtonDown", constStyle::ToggleButtonDown},
    {"StyleFlat", {532, 44, 172, 36}, "ButtonFlat", constStyle::ButtonFlat},
    {"StylePanelUp", {16, 92, 160, 36}, "PanelUp", constStyle::PanelUp},
    {"StylePanelDown", {188, 92, 160, 36}, "PanelDown", constStyle::PanelDown},
    {"StylePanelFlat", {360, 92, 160, 36}, "PanelFlat", constStyle::PanelFlat},
    {"StyleAnti", {532, 92, 172, 36}, "AntiButton", constStyle::AntiButton},
    // Gradient orientations and colours
    {"GradientHorizontal", {16, 144, 220, 56}, "Горизонтальный градиент", constStyle::PanelUp},
    {"GradientVertical", {248, 144, 220, 56}, "Вертикальный градиент", constStyle::PanelUp,
     constOrientation::Vertical},
    {"GradientBlue", {480, 144, 224, 56}, "Синий", constStyle::PanelDown,
     constOrientation::Vertical, constOrientation::Horizontal, constAlign::Center,
     const3D::None, 0x400000, 0xFF8000, 0xFFFFFF},
    // Alignments
    {"AlignLeftTop", {16, 216, 160, 64}, "LeftTop", constStyle::PanelUp,
     constOrientation::Horizontal, constOrientation::Horizontal, constAlign::LeftTop},
    {"AlignMiddleBottom", {188, 216, 160, 64}, "MiddleBottom", constStyle::PanelUp,
     constOrientation::Horizontal, constOrientation::Horizontal, constAlign::MiddleBottom},
    {"AlignRightMiddle", {360, 216, 160, 64}, "RightMiddle", constStyle::PanelUp,
     constOrientation::Horizontal, constOrientation::Horizontal, constAlign::RightMiddle},
    {"AlignRightBottom", {532, 216, 172, 64}, "RightBottom", constStyle::PanelUp,
     constOrientation::Horizontal, constOrientation::Horizontal, constAlign::RightBottom},
    // Vertical text
    {"VerticalCenter", {16, 296, 44, 188}, "Вверх", constStyle::PanelUp,
     constOrientation::Horizontal, constOrientation::Vertical, constAlign::Center},
    {"VerticalBottom", {68, 296, 44, 188}, "LeftBottom", constStyle::PanelDown,
     constOrientation::Vertical, constOrientation::Vertical, constAlign::LeftBottom},
    // Text3D
    {"Text3DNone", {128, 296, 180, 40}, "Text3D None", constStyle::Button,
     constOrientation::Horizontal, constOrientation::Horizontal, constAlign::Center, const3D::None},
    {"Text3DConvex", {128, 344, 180, 40}, "Text3D Convex", constStyle::Button,
     constOrientation::Horizontal, constOrientation::Horizontal, constAlign::Center, const3D::Convex},
    {"Text3DPressed", {128, 392, 180, 40}, "Text3D Pressed", constStyle::Button,
     constOrientation::Horizontal, constOrientation::Horizontal, constAlign::Center, const3D::Pressed},
    // No gradient, a link, a draggable panel
    {"NoGradient", {128, 440, 180, 44}, "Vuzedovi = False", constStyle::Button,
     constOrientation::Horizontal, constOrientation::Horizontal, constAlign::Center,
     const3D::None, DarkRed, Red, 0x000080, constInternetLink::None, constMoveControl::None, false},
    {"Link", {324, 296, 200, 40}, "www.example.com", constStyle::ButtonFlat,
     constOrientation::Horizontal, constOrientation::Horizontal, constAlign::Center,
     const3D::None, 0x402000, 0xC08040, 0xFFFFFF, constInternetLink::InternetPage},
    {"Mail", {536, 296, 168, 40}, "corvalen@example.com", constStyle::ButtonFlat,
     constOrientation::Horizontal, constOrientation::Horizontal, constAlign::Center,
     const3D::None, 0x402000, 0xC08040, 0xFFFFFF, constInternetLink::EMail},
    {"Draggable", {324, 352, 380, 132}, "Панель: перетащите меня", constStyle::PanelUp,
     constOrientation::Vertical, constOrientation::Horizontal, constAlign::Center,
     const3D::Pressed, 0x004000, 0x00C000, Yellow, constInternetLink::None, constMoveControl::MoveMe},
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Vuzedovi gallery"));
    parser.addHelpOption();
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Save a picture of the window to <file> and quit."),
                                        QStringLiteral("file"));
    parser.addOption(screenshot);
    const QCommandLineOption pageScreenshot(
        QStringLiteral("page-screenshot"),
        QStringLiteral("Save a picture of the property page of the AntiButton sample to <file> and quit."),
        QStringLiteral("file"));
    parser.addOption(pageScreenshot);
    const QCommandLineOption pageIndex(
        QStringLiteral("page"),
        QStringLiteral("Which page the property pages show: 0 Vuzedovi Value (default), 1 Font, 2 Color."),
        QStringLiteral("index"), QStringLiteral("0"));
    parser.addOption(pageIndex);
    parser.process(app);

    QWidget window;
    window.setObjectName(QStringLiteral("frmGallery"));
    window.setWindowTitle(QStringLiteral("Vuzedovi gallery"));
    window.setWindowFlag(Qt::FramelessWindowHint);
    window.setFixedSize(720, 500);
    window.setStyleSheet(QStringLiteral("QWidget#frmGallery { background: #202020; }"));

    for (const Sample& sample : Samples) {
        auto* control = qobject_cast<Tavorel*>(createControl(QLatin1String(ProgId), &window));
        control->setObjectName(QLatin1String(sample.name));
        control->setGeometry(sample.geometry);
        // The stored set of each sample, loaded the way a screen loads its controls.
        PropertyBag bag{
            {QStringLiteral("caption"), QString::fromUtf8(sample.caption)},
            {QStringLiteral("colorstart"), sample.start},
            {QStringLiteral("colorend"), sample.end},
            {QStringLiteral("forecolor"), sample.fore},
            {QStringLiteral("style"), int(sample.style)},
            {QStringLiteral("gradientorientation"), int(sample.gradient)},
            {QStringLiteral("textorientation"), int(sample.text)},
            {QStringLiteral("textalign"), int(sample.align)},
            {QStringLiteral("text3d"), int(sample.text3D)},
            {QStringLiteral("internetlink"), int(sample.link)},
            {QStringLiteral("movecontrol"), int(sample.move)},
            {QStringLiteral("vuzedovi"), sample.gradientOn},
        };
        QFont font(QStringLiteral("Times New Roman"));
        font.setPointSizeF(sample.style == constStyle::PanelUp && sample.geometry.height() > 50 ? 12 : 10);
        font.setBold(true);
        bag.write(QStringLiteral("font"), font);
        control->ReadProperties(bag);
        if (QLatin1String(sample.name) == QLatin1String("Title"))
            control->setMoveControl(constMoveControl::MoveForm);
        if (QLatin1String(sample.name) == QLatin1String("Text3DConvex"))
            control->setColorShadow(0x000000);
    }

    if (parser.isSet(pageScreenshot)) {
        GradientValueDialog dialog({window.findChild<Tavorel*>(QStringLiteral("StyleAnti"))});
        dialog.findChild<QTabWidget*>()->setCurrentIndex(parser.value(pageIndex).toInt());
        dialog.show();
        const QString file = parser.value(pageScreenshot);
        QTimer::singleShot(0, &dialog, [&dialog, file] {
            dialog.grab().save(file);
            QApplication::quit();
        });
        return app.exec();
    }

    window.show();
    if (parser.isSet(screenshot)) {
        const QString file = parser.value(screenshot);
        QTimer::singleShot(0, &window, [&window, file] {
            window.grab().save(file);
            QApplication::quit();
        });
    }
    return app.exec();
}
