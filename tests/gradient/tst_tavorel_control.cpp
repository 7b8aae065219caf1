// Tavorel's public surface: factory, properties, persistence, input and the About box.
#include <QApplication>
#include <QLabel>
#include <QMetaEnum>
#include <QSignalSpy>
#include <QtTest>

#include "TestSupport.h"

using namespace vuzedovi;
using support::plainControl;
using support::render;

namespace {

QFont designFont()
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(8.25);
    return font;
}

// Every property away from its stored default, as a stored set.
PropertyBag nonDefaultBag()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(11);
    return PropertyBag{
        {QStringLiteral("ColorStart"), quint32(0x400000)},
        {QStringLiteral("ColorEnd"), quint32(0x0000FF)},
        {QStringLiteral("Font"), font},
        {QStringLiteral("Caption"), QStringLiteral("Начать")},
        {QStringLiteral("GradientOrientation"), 1},
        {QStringLiteral("TextOrientation"), 1},
        {QStringLiteral("TextAlign"), 2},
        {QStringLiteral("BackColor"), quint32(0x123456)},
        {QStringLiteral("Style"), 5},
        {QStringLiteral("Vuzedovi"), false},
        {QStringLiteral("InternetLink"), 2},
        {QStringLiteral("MoveControl"), 1},
        {QStringLiteral("AutoSize"), true},
        {QStringLiteral("Text3D"), 2},
        {QStringLiteral("ColorShadow"), quint32(0x808080)},
        {QStringLiteral("ForeColor"), quint32(0x00FF00)},
    };
}

// Raised, sunken or no frame, read from the top edge of a control painted without gradient.
QString frameAtTop(QWidget& control)
{
    const QRgb top = render(control).pixel(control.width() / 2, 1);
    if ((top & 0xFFFFFF) == 0xFFFFFF)
        return QStringLiteral("raised");
    if ((top & 0xFFFFFF) == (QApplication::palette().color(QPalette::Dark).rgb() & 0xFFFFFF))
        return QStringLiteral("sunken");
    return QStringLiteral("none");
}

// A control on a shown form: input reaches it and pictures show its input frames.
struct ShownControl {
    QWidget form;
    Tavorel* control = new Tavorel(&form);

    explicit ShownControl(QSize size)
    {
        form.resize(size + QSize(40, 40));
        control->setGeometry(QRect(QPoint(20, 20), size));
        control->setStyle(constStyle::PanelFlat);
        control->setCaption(QString());
        form.show();
    }
};

} // namespace

class TavorelControlTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        setUrlOpener({});
    }

    void createControlByProgId_data()
    {
        QTest::addColumn<QString>("progId");
        QTest::addColumn<bool>("created");

        QTest::newRow("as published") << "Corvalen.Tavorel" << true;
        QTest::newRow("lower case") << "corvalen.tavorel" << true;
        QTest::newRow("upper case") << "CORVALEN.TAVOREL" << true;
        QTest::newRow("class name only") << "Tavorel" << false;
        QTest::newRow("longer") << "Corvalen.Tavorel.1" << false;
        QTest::newRow("empty") << "" << false;
    }

    void createControlByProgId()
    {
        QFETCH(QString, progId);
        QFETCH(bool, created);

        QWidget parent;
        QWidget* control = createControl(progId, &parent);
        QCOMPARE(control != nullptr, created);
        if (control) {
            QCOMPARE(control->parent(), &parent);
            QVERIFY(qobject_cast<Tavorel*>(control));
            QCOMPARE(control->property("Caption").toString(), QStringLiteral("Corvalen"));
        }
    }

    void enumerationsAreRegistered_data()
    {
        QTest::addColumn<QMetaEnum>("enumeration");
        QTest::addColumn<QString>("members");

        QTest::newRow("constOrientation") << QMetaEnum::fromType<constOrientation>() << "Horizontal=0 Vertical=1";
        QTest::newRow("constAlign") << QMetaEnum::fromType<constAlign>()
            << "LeftTop=0 LeftMiddle=1 LeftBottom=2 MiddleTop=3 Center=4 MiddleBottom=5 RightTop=6 "
               "RightMiddle=7 RightBottom=8";
        QTest::newRow("constStyle") << QMetaEnum::fromType<constStyle>()
            << "Button=0 ToggleButtonUp=1 ToggleButtonDown=2 ButtonFlat=3 PanelUp=4 PanelDown=5 "
               "PanelFlat=6 AntiButton=7";
        QTest::newRow("constInternetLink") << QMetaEnum::fromType<constInternetLink>()
                                           << "None=0 InternetPage=1 EMail=2";
        QTest::newRow("constMoveControl") << QMetaEnum::fromType<constMoveControl>() << "None=0 MoveForm=1 MoveMe=2";
        QTest::newRow("const3D") << QMetaEnum::fromType<const3D>() << "None=0 Convex=1 Pressed=2";
    }

    void enumerationsAreRegistered()
    {
        QFETCH(QMetaEnum, enumeration);
        QFETCH(QString, members);

        QVERIFY(enumeration.isValid());
        QStringList found;
        for (int i = 0; i < enumeration.keyCount(); ++i)
            found << QStringLiteral("%1=%2").arg(QLatin1String(enumeration.key(i))).arg(enumeration.value(i));
        QCOMPARE(found.join(u' '), members);
    }

    void setPropertyByName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<bool>("repaints");
        QTest::addColumn<bool>("reportsFirst");

        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSize(12);
        QTest::newRow("ColorStart") << "ColorStart" << QVariant(quint32(0x400000)) << true << false;
        QTest::newRow("ColorEnd") << "ColorEnd" << QVariant(quint32(0x0000FF)) << true << false;
        QTest::newRow("Font") << "Font" << QVariant(font) << true << false;
        QTest::newRow("Caption") << "Caption" << QVariant(QStringLiteral("Да")) << true << false;
        QTest::newRow("GradientOrientation") << "GradientOrientation" << QVariant(1) << true << false;
        QTest::newRow("TextOrientation") << "TextOrientation" << QVariant(1) << true << false;
        QTest::newRow("TextAlign") << "TextAlign" << QVariant(8) << true << false;
        QTest::newRow("BackColor") << "BackColor" << QVariant(quint32(0x8000000C)) << true << false;
        QTest::newRow("Style") << "Style" << QVariant(3) << true << false;
        QTest::newRow("Style outside the enumeration") << "Style" << QVariant(99) << true << false;
        QTest::newRow("Vuzedovi") << "Vuzedovi" << QVariant(false) << true << false;
        QTest::newRow("InternetLink") << "InternetLink" << QVariant(2) << true << false;
        QTest::newRow("MoveControl") << "MoveControl" << QVariant(2) << false << true;
        QTest::newRow("AutoSize") << "AutoSize" << QVariant(true) << true << false;
        QTest::newRow("Text3D") << "Text3D" << QVariant(2) << true << true;
        QTest::newRow("ColorShadow") << "ColorShadow" << QVariant(quint32(0x000080)) << true << true;
        QTest::newRow("ForeColor") << "ForeColor" << QVariant(quint32(0x00FF00)) << true << false;
    }

    void setPropertyByName()
    {
        QFETCH(QString, name);
        QFETCH(QVariant, value);
        QFETCH(bool, repaints);
        QFETCH(bool, reportsFirst);

        Tavorel control;
        const int before = control.fullPaintCount();
        QStringList reports;
        int paintsAtReport = -1;
        connect(&control, &Tavorel::PropertyChanged, this, [&](const QString& changed) {
            reports << changed;
            paintsAtReport = control.fullPaintCount();
        });
        QVERIFY(control.setProperty(name.toLatin1(), value));

        const QVariant stored = control.property(name.toLatin1());
        if (value.metaType() == QMetaType::fromType<QFont>())
            QCOMPARE(stored.value<QFont>().family(), value.value<QFont>().family());
        else if (value.metaType() == QMetaType::fromType<int>())
            QCOMPARE(stored.toInt(), value.toInt());  // an enumeration, read back as its number
        else
            QCOMPARE(stored, value);
        QCOMPARE(reports, QStringList{name});
        QCOMPARE(control.fullPaintCount() > before, repaints);
        QCOMPARE(paintsAtReport == before, reportsFirst || !repaints);
    }

    void allDefaultsStoreNoKey()
    {
        // A new control on a form whose font is the design font holds only stored defaults.
        QWidget form;
        form.setFont(designFont());
        Tavorel control(&form);
        PropertyBag bag;
        control.WriteProperties(bag);
        QCOMPARE(bag.keys(), QStringList());

        // On a form with another font, the design font differs from the ambient one.
        QWidget otherForm;
        otherForm.setFont(QFont(QStringLiteral("DejaVu Sans"), 10));
        Tavorel other(&otherForm);
        PropertyBag otherBag;
        other.WriteProperties(otherBag);
        QCOMPARE(otherBag.keys(), QStringList{QStringLiteral("Font")});
    }

    void savedKeysFollowTheirOrder()
    {
        Tavorel control;
        control.ReadProperties(nonDefaultBag());
        PropertyBag bag;
        control.WriteProperties(bag);
        QCOMPARE(bag.keys(), nonDefaultBag().keys());
        QCOMPARE(bag.read(QStringLiteral("style"), {}).toInt(), 5);
        QCOMPARE(bag.read(QStringLiteral("backcolor"), {}).toUInt(), 0x123456u);

        Tavorel copy;
        copy.ReadProperties(bag);
        for (const QString& key : bag.keys())
            QCOMPARE(copy.property(key.toLatin1()), control.property(key.toLatin1()));
    }

    void missingKeyLoadsStoredDefault_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("storedDefault");

        QTest::newRow("TextAlign") << "TextAlign" << QVariant(int(constAlign::Center));
        QTest::newRow("ForeColor") << "ForeColor" << QVariant(0xFFFFu);
        QTest::newRow("ColorEnd") << "ColorEnd" << QVariant(0xFFFFFFu);
        QTest::newRow("BackColor") << "BackColor" << QVariant(0x8000000Fu);
        QTest::newRow("Caption") << "Caption" << QVariant(QStringLiteral("Corvalen"));
        QTest::newRow("Vuzedovi") << "Vuzedovi" << QVariant(true);
        QTest::newRow("Style") << "Style" << QVariant(0);
        QTest::newRow("ColorShadow") << "ColorShadow" << QVariant(0xFFFFFFu);
    }

    void missingKeyLoadsStoredDefault()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, storedDefault);

        Tavorel control;
        control.ReadProperties(nonDefaultBag());  // every value away from its default first
        PropertyBag bag;
        const PropertyBag full = nonDefaultBag();
        for (const QString& k : full.keys())
            if (k != key)
                bag.write(k, full.read(k, {}));
        control.ReadProperties(bag);
        const QVariant loaded = control.property(key.toLatin1());
        if (storedDefault.metaType() == QMetaType::fromType<int>())
            QCOMPARE(loaded.toInt(), storedDefault.toInt());
        else
            QCOMPARE(loaded, storedDefault);
    }

    void missingFontLoadsTheAmbientFont()
    {
        QWidget form;
        form.setFont(QFont(QStringLiteral("DejaVu Sans"), 13));
        Tavorel control(&form);
        control.ReadProperties(PropertyBag{});
        QCOMPARE(control.Font().family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(control.Font().pointSize(), 13);
    }

    void keysMatchWithoutRegardToCase()
    {
        Tavorel control;
        control.ReadProperties(PropertyBag{
            {QStringLiteral("colorstart"), 0x400000},
            {QStringLiteral("TEXTALIGN"), 2},
            {QStringLiteral("caption"), QStringLiteral("Выход")},
            {QStringLiteral("backcolor"), int(0x8000000C)},  // stored as a signed number
            {QStringLiteral("movecontrol"), 2},
            {QStringLiteral("_extentx"), 2000},
        });
        QCOMPARE(control.ColorStart(), 0x400000u);
        QCOMPARE(control.TextAlign(), constAlign::LeftBottom);
        QCOMPARE(control.Caption(), QStringLiteral("Выход"));
        QCOMPARE(control.BackColor(), 0x8000000Cu);
        QCOMPARE(control.MoveControl(), constMoveControl::MoveMe);

        PropertyBag bag{{QStringLiteral("Caption"), QStringLiteral("a")}};
        bag.write(QStringLiteral("CAPTION"), QStringLiteral("b"));
        QCOMPARE(bag.size(), 1);
        QCOMPARE(bag.read(QStringLiteral("caption"), {}).toString(), QStringLiteral("b"));
    }

    void loadingNeitherReportsNorRepaintsUntilShown()
    {
        QWidget form;
        form.resize(100, 60);
        auto* control = new Tavorel(&form);
        control->resize(60, 40);
        QSignalSpy reports(control, &Tavorel::PropertyChanged);
        const int paints = control->fullPaintCount();
        control->ReadProperties(PropertyBag{
            {QStringLiteral("colorstart"), 0x0000FF},
            {QStringLiteral("colorend"), 0x0000FF},
            {QStringLiteral("style"), int(constStyle::PanelFlat)},
            {QStringLiteral("caption"), QString()},
        });
        QCOMPARE(reports.count(), 0);
        QCOMPARE(control->fullPaintCount(), paints);
        // The colour components are still those of the new control: black.
        QCOMPARE(support::hex(render(*control).pixel(30, 20)), QStringLiteral("000000"));

        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(support::hex(render(*control).pixel(30, 20)), QStringLiteral("ff0000"));
    }

    void leftPressSendsScrollLock_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<int>("style");
        QTest::addColumn<bool>("keys");

        QTest::newRow("left on a button") << Qt::LeftButton << int(constStyle::Button) << true;
        QTest::newRow("left on a panel") << Qt::LeftButton << int(constStyle::PanelUp) << true;
        QTest::newRow("left on a toggle") << Qt::LeftButton << int(constStyle::ToggleButtonDown) << true;
        QTest::newRow("right on a button") << Qt::RightButton << int(constStyle::Button) << false;
        QTest::newRow("middle on a button") << Qt::MiddleButton << int(constStyle::Button) << false;
    }

    void leftPressSendsScrollLock()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(int, style);
        QFETCH(bool, keys);

        auto control = plainControl(QSize(80, 30));
        control->setStyle(constStyle(style));
        QStringList events;
        connect(control.get(), &Tavorel::KeyDown, this, [&](short& code, short& shift) {
            events << QStringLiteral("KeyDown %1 %2").arg(code).arg(shift);
        });
        connect(control.get(), &Tavorel::KeyUp, this, [&](short& code, short& shift) {
            events << QStringLiteral("KeyUp %1 %2").arg(code).arg(shift);
        });
        connect(control.get(), &Tavorel::MouseDown, this, [&](short& b, short&, float&, float&) {
            events << QStringLiteral("MouseDown %1").arg(b);
        });

        QTest::mousePress(control.get(), button, Qt::NoModifier, QPoint(10, 10));
        QCoreApplication::processEvents();
        QTest::mouseRelease(control.get(), button, Qt::NoModifier, QPoint(10, 10));
        QCoreApplication::processEvents();

        const short code = button == Qt::LeftButton ? 1 : button == Qt::RightButton ? 2 : 4;
        QStringList expected{QStringLiteral("MouseDown %1").arg(code)};
        if (keys)
            expected << QStringLiteral("KeyDown 145 0") << QStringLiteral("KeyUp 145 0");
        QCOMPARE(events, expected);
        QCOMPARE(control->lastPressWasLeft(), keys);
    }

    void keysArriveAsVirtualKeyCodes_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<short>("keyCode");
        QTest::addColumn<short>("shift");
        QTest::addColumn<bool>("kept"); // the control uses the key; others go on to its window

        QTest::newRow("Enter") << int(Qt::Key_Return) << Qt::KeyboardModifiers() << short(13) << short(0) << true;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << Qt::KeyboardModifiers() << short(27) << short(0) << false;
        QTest::newRow("Scroll Lock") << int(Qt::Key_ScrollLock) << Qt::KeyboardModifiers() << short(145) << short(0) << true;
        QTest::newRow("F1") << int(Qt::Key_F1) << Qt::KeyboardModifiers() << short(112) << short(0) << false;
        QTest::newRow("shifted A") << int(Qt::Key_A) << Qt::KeyboardModifiers(Qt::ShiftModifier) << short(65) << short(1) << false;
        QTest::newRow("Ctrl+Alt 7") << int(Qt::Key_7) << (Qt::ControlModifier | Qt::AltModifier) << short(55) << short(6) << false;
        QTest::newRow("keypad 7") << int(Qt::Key_7) << Qt::KeyboardModifiers(Qt::KeypadModifier) << short(103) << short(0) << false;
        QTest::newRow("Left") << int(Qt::Key_Left) << Qt::KeyboardModifiers() << short(37) << short(0) << false;
        QTest::newRow("Delete") << int(Qt::Key_Delete) << Qt::KeyboardModifiers() << short(46) << short(0) << false;
        QTest::newRow("minus") << int(Qt::Key_Minus) << Qt::KeyboardModifiers() << short(189) << short(0) << false;
    }

    void keysArriveAsVirtualKeyCodes()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(short, keyCode);
        QFETCH(short, shift);
        QFETCH(bool, kept);

        // The events pass their values by reference, which QSignalSpy cannot record.
        Tavorel control;
        QList<QPair<short, short>> downs;
        QList<QPair<short, short>> ups;
        connect(&control, &Tavorel::KeyDown, this, [&](short& code, short& mask) { downs.append({code, mask}); });
        connect(&control, &Tavorel::KeyUp, this, [&](short& code, short& mask) { ups.append({code, mask}); });
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers);
        QApplication::sendEvent(&control, &press);
        QCOMPARE(press.isAccepted(), kept);
        QApplication::sendEvent(&control, &release);
        QCOMPARE(release.isAccepted(), kept);
        const QList<QPair<short, short>> expected{{keyCode, shift}};
        QCOMPARE(downs, expected);
        QCOMPARE(ups, expected);
    }

    void keyPressCarriesTheSingleByteCode()
    {
        Tavorel control;
        QList<short> codes;
        connect(&control, &Tavorel::KeyPress, this, [&](short& ascii) { codes << ascii; });
        QKeyEvent latin(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QKeyEvent cyrillic(QEvent::KeyPress, 0x0416, Qt::NoModifier, QStringLiteral("Ж"));
        QKeyEvent arrow(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
        QApplication::sendEvent(&control, &latin);
        QApplication::sendEvent(&control, &cyrillic);
        QApplication::sendEvent(&control, &arrow);
        QCOMPARE(codes, (QList<short>{97, 0xC6}));
    }

    void clickIsRaisedOncePerClick_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QPoint>("releaseAt");
        QTest::addColumn<int>("clicks");

        QTest::newRow("left click") << Qt::LeftButton << QPoint(20, 10) << 1;
        QTest::newRow("right click") << Qt::RightButton << QPoint(20, 10) << 1;
        QTest::newRow("released outside") << Qt::LeftButton << QPoint(200, 10) << 0;
    }

    void clickIsRaisedOncePerClick()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(QPoint, releaseAt);
        QFETCH(int, clicks);

        auto control = plainControl(QSize(80, 30));
        QStringList order;
        connect(control.get(), &Tavorel::MouseUp, this, [&](short&, short&, float&, float&) { order << "MouseUp"; });
        connect(control.get(), &Tavorel::Click, this, [&] { order << "Click"; });
        QTest::mousePress(control.get(), button, Qt::NoModifier, QPoint(20, 10));
        QTest::mouseRelease(control.get(), button, Qt::NoModifier, releaseAt);
        QCOMPARE(order.count(QStringLiteral("Click")), clicks);
        QCOMPARE(order.first(), QStringLiteral("MouseUp"));
    }

    void doubleClickActsOnce()
    {
        auto control = plainControl(QSize(80, 30));
        QStringList events;
        connect(control.get(), &Tavorel::KeyUp, this, [&](short&, short&) { events << "KeyUp"; });
        connect(control.get(), &Tavorel::MouseDown, this, [&](short&, short&, float&, float&) { events << "MouseDown"; });
        connect(control.get(), &Tavorel::MouseUp, this, [&](short&, short&, float&, float&) { events << "MouseUp"; });
        connect(control.get(), &Tavorel::Click, this, [&] { events << "Click"; });
        const QPoint at(20, 10);
        const QPointF global = control->mapToGlobal(QPointF(at));
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                  QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
            const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
            QMouseEvent event(type, QPointF(at), global, Qt::LeftButton, held, Qt::NoModifier);
            QCoreApplication::sendEvent(control.get(), &event);
            QCoreApplication::processEvents();
        }
        QCOMPARE(events, (QStringList{"MouseDown", "KeyUp", "MouseUp", "Click", "MouseUp"}));
    }

    void mouseCoordinatesAreTwips()
    {
        auto control = plainControl(QSize(80, 30));
        QStringList downs;
        connect(control.get(), &Tavorel::MouseDown, this, [&](short& button, short& shift, float& x, float& y) {
            downs << QStringLiteral("%1 %2 %3 %4").arg(button).arg(shift).arg(x).arg(y);
        });
        QTest::mousePress(control.get(), Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 4));
        QCOMPARE(downs, QStringList{QStringLiteral("1 1 150 60")});
        QTest::mouseRelease(control.get(), Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 4));
    }

    void inputFrames_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("pressed");
        QTest::addColumn<QString>("released");
        QTest::addColumn<QString>("nextFullPaint");

        QTest::newRow("Button") << int(constStyle::Button) << "sunken" << "raised" << "raised";
        QTest::newRow("AntiButton") << int(constStyle::AntiButton) << "raised" << "sunken" << "sunken";
        QTest::newRow("ToggleButtonUp") << int(constStyle::ToggleButtonUp) << "sunken" << "sunken" << "sunken";
        QTest::newRow("ToggleButtonDown") << int(constStyle::ToggleButtonDown) << "raised" << "raised" << "raised";
        QTest::newRow("ButtonFlat") << int(constStyle::ButtonFlat) << "sunken" << "raised" << "none";
        QTest::newRow("PanelUp") << int(constStyle::PanelUp) << "raised" << "raised" << "raised";
        QTest::newRow("PanelFlat") << int(constStyle::PanelFlat) << "none" << "none" << "none";
    }

    void inputFrames()
    {
        QFETCH(int, style);
        QFETCH(QString, pressed);
        QFETCH(QString, released);
        QFETCH(QString, nextFullPaint);

        ShownControl shown(QSize(60, 24));
        QVERIFY(QTest::qWaitForWindowExposed(&shown.form));
        Tavorel* control = shown.control;
        control->setVuzedovi(false);
        control->setBackColor(0x00FF00);
        control->setStyle(constStyle(style));
        QTest::mousePress(control, Qt::LeftButton, Qt::NoModifier, QPoint(30, 12));
        QCOMPARE(frameAtTop(*control), pressed);
        QTest::mouseRelease(control, Qt::LeftButton, Qt::NoModifier, QPoint(30, 12));
        QCOMPARE(frameAtTop(*control), released);
        control->PaintControl();
        QCOMPARE(frameAtTop(*control), nextFullPaint);
    }

    void toggleAlternatesAndSavesItsStyle()
    {
        auto control = plainControl(QSize(60, 24));
        control->setStyle(constStyle::ToggleButtonUp);
        QSignalSpy reports(control.get(), &Tavorel::PropertyChanged);
        const int paints = control->fullPaintCount();
        const QList<int> expected{int(constStyle::ToggleButtonDown), int(constStyle::ToggleButtonUp),
                                  int(constStyle::ToggleButtonDown)};
        for (int stored : expected) {
            QTest::mouseClick(control.get(), Qt::LeftButton, Qt::NoModifier, QPoint(30, 12));
            QCOMPARE(int(control->Style()), stored);
            PropertyBag bag;
            control->WriteProperties(bag);
            QCOMPARE(bag.read(QStringLiteral("Style"), 0).toInt(), stored);
        }
        // A right click leaves it alone; the flips neither report nor repaint.
        QTest::mouseClick(control.get(), Qt::RightButton, Qt::NoModifier, QPoint(30, 12));
        QCOMPARE(control->Style(), constStyle::ToggleButtonDown);
        QCOMPARE(reports.count(), 0);
        QCOMPARE(control->fullPaintCount(), paints);
    }

    void flatButtonRisesWhileThePointerIsInside()
    {
        QWidget form;
        form.resize(200, 100);
        auto* control = new Tavorel(&form);
        control->setGeometry(50, 30, 80, 30);
        control->setStyle(constStyle::ButtonFlat);
        control->setVuzedovi(false);
        control->setBackColor(0x00FF00);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        QTest::mouseMove(control, QPoint(40, 15));
        QCOMPARE(frameAtTop(*control), QStringLiteral("raised"));
        QCOMPARE(QWidget::mouseGrabber(), control);

        // Still captured, so the move outside reaches it; it lets go and repaints.
        QTest::mouseMove(control, QPoint(100, 15));
        QCOMPARE(frameAtTop(*control), QStringLiteral("none"));
        QCOMPARE(QWidget::mouseGrabber(), nullptr);
    }

    void linksOpenOnLeftPress_data()
    {
        QTest::addColumn<int>("link");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QString>("opened");
        QTest::addColumn<Qt::CursorShape>("cursor");

        QTest::newRow("page") << int(constInternetLink::InternetPage) << "www.example.com" << Qt::LeftButton
                              << "http://www.example.com" << Qt::PointingHandCursor;
        QTest::newRow("mail") << int(constInternetLink::EMail) << "corvalen@example.com" << Qt::LeftButton
                              << "mailto:corvalen@example.com?Subject=About ..." << Qt::PointingHandCursor;
        QTest::newRow("page, right press") << int(constInternetLink::InternetPage) << "www.example.com"
                                           << Qt::RightButton << "" << Qt::PointingHandCursor;
        QTest::newRow("no link") << int(constInternetLink::None) << "www.example.com" << Qt::LeftButton << ""
                                 << Qt::ArrowCursor;
    }

    void linksOpenOnLeftPress()
    {
        QFETCH(int, link);
        QFETCH(QString, caption);
        QFETCH(Qt::MouseButton, button);
        QFETCH(QString, opened);
        QFETCH(Qt::CursorShape, cursor);

        QStringList urls;
        setUrlOpener([&urls](const QUrl& url) { urls << url.toString(); });
        ShownControl shown(QSize(120, 30));
        QVERIFY(QTest::qWaitForWindowExposed(&shown.form));
        Tavorel* control = shown.control;
        control->setCaption(caption);
        control->setInternetLink(constInternetLink(link));
        QTest::mouseMove(control, QPoint(5, 5));  // a move to where the pointer is already is dropped
        QTest::mouseMove(control, QPoint(20, 10));
        QCOMPARE(control->cursor().shape(), cursor);
        QTest::mouseClick(control, button, Qt::NoModifier, QPoint(20, 10));
        QCOMPARE(urls, opened.isEmpty() ? QStringList() : QStringList{opened});
    }

    void panelsDrag_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("move");
        QTest::addColumn<QString>("moved");

        QTest::newRow("MoveMe moves the panel") << int(constStyle::PanelUp) << int(constMoveControl::MoveMe) << "control";
        QTest::newRow("MoveForm moves the window") << int(constStyle::PanelFlat) << int(constMoveControl::MoveForm)
                                                   << "form";
        QTest::newRow("no MoveControl") << int(constStyle::PanelDown) << int(constMoveControl::None) << "nothing";
        QTest::newRow("buttons never drag") << int(constStyle::Button) << int(constMoveControl::MoveMe) << "nothing";
    }

    void panelsDrag()
    {
        QFETCH(int, style);
        QFETCH(int, move);
        QFETCH(QString, moved);

        QWidget form;
        form.setGeometry(100, 100, 300, 200);
        auto* control = new Tavorel(&form);
        control->setGeometry(20, 20, 100, 40);
        control->setStyle(constStyle(style));
        control->setMoveControl(constMoveControl(move));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QPoint formAt = form.pos();
        const QPoint controlAt = control->pos();

        QTest::mousePress(control, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QTest::mouseMove(control, QPoint(30, 25));
        QTest::mouseRelease(control, Qt::LeftButton, Qt::NoModifier, control->mapFromGlobal(QCursor::pos()));

        const QPoint shift(20, 15);
        QCOMPARE(form.pos(), moved == QLatin1String("form") ? formAt + shift : formAt);
        QCOMPARE(control->pos(), moved == QLatin1String("control") ? controlAt + shift : controlAt);
    }

    void aboutBox()
    {
        QStringList urls;
        setUrlOpener([&urls](const QUrl& url) { urls << url.toString(); });
        Tavorel control;
        QStringList seen;
        bool closedByButton = false;
        QTimer::singleShot(0, this, [&] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box)
                return;
            seen << box->windowTitle();
            for (const char* name : {"lblTitle", "lblVersion", "lblDescription", "lblDisclaimer", "lblMailo"}) {
                auto* label = box->findChild<QLabel*>(QLatin1String(name));
                seen << (label && !label->text().isEmpty() ? QLatin1String(name) : QStringLiteral("missing"));
            }
            seen << box->findChild<QLabel*>(QStringLiteral("lblVersion"))->text();
            QTest::mouseClick(box->findChild<QLabel*>(QStringLiteral("lblMailo")), Qt::LeftButton);
            QTest::mouseClick(box->findChild<QLabel*>(QStringLiteral("imgMailo")), Qt::LeftButton);
            // A press let go outside the link, and a right click, open nothing.
            auto* mail = box->findChild<QLabel*>(QStringLiteral("lblMailo"));
            QTest::mousePress(mail, Qt::LeftButton);
            QTest::mouseRelease(mail, Qt::LeftButton, {}, QPoint(-4, -4));
            QTest::mouseClick(mail, Qt::RightButton);
            auto* close = box->findChild<Tavorel*>(QStringLiteral("Tavorel1"));
            seen << (close ? close->Caption() : QStringLiteral("missing"));
            if (close) {
                QTest::mouseClick(close, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
                closedByButton = !box->isVisible();
            }
            box->close();
        });
        control.About();
        QCOMPARE(seen, (QStringList{QStringLiteral("ActiveX Control \"Corvalen\""), "lblTitle", "lblVersion",
                                    "lblDescription", "lblDisclaimer", "lblMailo", "Version 2.3.25", "Close"}));
        QVERIFY(closedByButton);
        const QString mail = QStringLiteral("mailto:corvalen@example.com?Subject=About Corvalen");
        QCOMPARE(urls, (QStringList{mail, mail}));
    }
};

QTEST_MAIN(TavorelControlTest)
#include "tst_tavorel_control.moc"
