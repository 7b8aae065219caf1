// What a Tavorel paints: bands, frames, background, caption, shadows and sizes.
#include <QApplication>
#include <QPalette>
#include <QScreen>
#include <QtTest>

#include "TestSupport.h"

using namespace vuzedovi;
using support::plainControl;
using support::render;
using support::rgbOf;

class TavorelPaintTest : public QObject {
    Q_OBJECT

private:
    QPalette m_palette;

    // A white caption on black, without gradient or frame.
    static std::unique_ptr<Tavorel> captionControl(QSize size, const QString& caption)
    {
        auto control = plainControl(size);
        control->setVuzedovi(false);
        control->setBackColor(0x000000);
        control->setForeColor(0xFFFFFF);
        QFont font(QStringLiteral("Liberation Serif"));
        font.setPointSize(20);
        font.setBold(true);
        control->setFontProperty(font);
        control->setCaption(caption);
        return control;
    }

private slots:
    void initTestCase()
    {
        // Distinct system colours, so frames show which one they used.
        m_palette = QApplication::palette();
        QPalette palette = m_palette;
        palette.setColor(QPalette::Midlight, QColor(0x11, 0x22, 0x33));  // 3-D light
        palette.setColor(QPalette::Dark, QColor(0x44, 0x55, 0x66));      // application workspace
        palette.setColor(QPalette::Button, QColor(0xAB, 0xCD, 0xEF));    // button face
        QApplication::setPalette(palette);
    }

    void cleanupTestCase()
    {
        QApplication::setPalette(m_palette);
        setErrorReporter({});
    }

    void bandColours_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<quint32>("start");
        QTest::addColumn<quint32>("end");
        QTest::addColumn<int>("position");  // pixel along the gradient
        QTest::addColumn<quint32>("expected");

        const int across = int(constOrientation::Horizontal);
        const int along = int(constOrientation::Vertical);
        const QSize tall(30, 100);
        // Step 1: rows 0 and 1 are both the start colour, row k has (k - 1) * 255 / 100.
        QTest::newRow("row 0 is the start") << across << tall << 0u << 0xFFu << 0 << 0x00u;
        QTest::newRow("row 1 is still the start") << across << tall << 0u << 0xFFu << 1 << 0x00u;
        QTest::newRow("row 2 steps once") << across << tall << 0u << 0xFFu << 2 << 0x03u;
        QTest::newRow("row 11, 25.5 to even") << across << tall << 0u << 0xFFu << 11 << 26u;
        QTest::newRow("row 31, 76.5 to even") << across << tall << 0u << 0xFFu << 31 << 76u;
        QTest::newRow("last row stops short") << across << tall << 0u << 0xFFu << 99 << 250u;
        QTest::newRow("downward row 11, 229.5") << across << tall << 0xFFu << 0u << 11 << 230u;
        QTest::newRow("downward row 31, 178.5") << across << tall << 0xFFu << 0u << 31 << 178u;
        QTest::newRow("channels kept apart") << across << tall << 0x102030u << 0x302010u << 51
                                             << 0x202020u;
        QTest::newRow("green and blue") << across << tall << 0x000000u << 0xFF6400u << 51
                                        << 0x803200u;
        QTest::newRow("equal colours, top") << across << tall << 0x336699u << 0x336699u << 0 << 0x336699u;
        QTest::newRow("equal colours, bottom") << across << tall << 0x336699u << 0x336699u << 99
                                               << 0x336699u;

        // 600 wide, vertical stripes: step 2, band k covers columns 2k and 2k + 1.
        const QSize wide(600, 20);
        QTest::newRow("step 2, column 3 is band 1") << along << wide << 0u << 0xFFu << 3 << 0u;
        QTest::newRow("step 2, column 4 is band 2") << along << wide << 0u << 0xFFu << 4 << 1u;
        QTest::newRow("step 2, column 22, 8.5 to even") << along << wide << 0u << 0xFFu << 22 << 8u;
        QTest::newRow("step 2, column 23 same band") << along << wide << 0u << 0xFFu << 23 << 8u;
        QTest::newRow("step 2, last column") << along << wide << 0u << 0xFFu << 599 << 253u;
        // The same size across: 20 high means step 1 whatever the width; row 19 has 229.5.
        QTest::newRow("orientation decides the axis") << across << wide << 0u << 0xFFu << 19 << 230u;
    }

    void bandColours()
    {
        QFETCH(int, orientation);
        QFETCH(QSize, size);
        QFETCH(quint32, start);
        QFETCH(quint32, end);
        QFETCH(int, position);
        QFETCH(quint32, expected);

        auto control = plainControl(size);
        control->setGradientOrientation(constOrientation(orientation));
        control->setColorStart(start);
        control->setColorEnd(end);
        const QImage image = render(*control);
        const bool stripes = orientation == int(constOrientation::Horizontal);
        const QPoint at = stripes ? QPoint(size.width() - 1, position) : QPoint(position, size.height() / 2);
        QCOMPARE(support::hex(image.pixel(at)), support::hex(rgbOf(expected)));
    }

    void systemColourStartsTheGradient()
    {
        auto control = plainControl(QSize(40, 40));
        control->setColorStart(0x8000000F);
        control->setColorEnd(0x8000000F);
        QCOMPARE(support::hex(render(*control).pixel(20, 20)), QStringLiteral("abcdef"));
    }

    void background_data()
    {
        QTest::addColumn<bool>("gradient");
        QTest::addColumn<quint32>("backColor");
        QTest::addColumn<QRgb>("expected");

        QTest::newRow("gradient covers the back colour") << true << 0x00FF00u << rgbOf(0x0000FF);
        QTest::newRow("no gradient shows the back colour") << false << 0x00FF00u << rgbOf(0x00FF00);
        QTest::newRow("system back colour") << false << 0x8000000Fu << qRgb(0xAB, 0xCD, 0xEF);
    }

    void background()
    {
        QFETCH(bool, gradient);
        QFETCH(quint32, backColor);
        QFETCH(QRgb, expected);

        auto control = plainControl(QSize(40, 30));
        control->setColorStart(0x0000FF);
        control->setColorEnd(0x0000FF);
        control->setBackColor(backColor);
        control->setVuzedovi(gradient);
        control->setStyle(constStyle::Button);  // the frame stays on the border
        QCOMPARE(support::hex(render(*control).pixel(20, 15)), support::hex(expected));
    }

    void frames_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("frame");

        QTest::newRow("Button") << int(constStyle::Button) << "raised";
        QTest::newRow("ToggleButtonUp") << int(constStyle::ToggleButtonUp) << "raised";
        QTest::newRow("PanelUp") << int(constStyle::PanelUp) << "raised";
        QTest::newRow("ToggleButtonDown") << int(constStyle::ToggleButtonDown) << "sunken";
        QTest::newRow("PanelDown") << int(constStyle::PanelDown) << "sunken";
        QTest::newRow("AntiButton") << int(constStyle::AntiButton) << "sunken";
        QTest::newRow("ButtonFlat") << int(constStyle::ButtonFlat) << "none";
        QTest::newRow("PanelFlat") << int(constStyle::PanelFlat) << "none";
        QTest::newRow("outside the enumeration") << 42 << "none";
    }

    void frames()
    {
        QFETCH(int, style);
        QFETCH(QString, frame);

        const int W = 40;
        const int H = 20;
        auto control = plainControl(QSize(W, H));
        control->setVuzedovi(false);
        control->setBackColor(0x00FF00);
        control->setStyle(constStyle(style));
        const QImage image = render(*control);

        const QRgb light = qRgb(0x11, 0x22, 0x33);
        const QRgb workspace = qRgb(0x44, 0x55, 0x66);
        const QRgb black = qRgb(0, 0, 0);
        const QRgb white = qRgb(255, 255, 255);
        const QRgb back = qRgb(0, 255, 0);
        const bool raised = frame == QLatin1String("raised");
        const bool none = frame == QLatin1String("none");
        const QRgb outerTopLeft = none ? back : raised ? light : black;
        const QRgb outerBottomRight = none ? back : raised ? black : light;
        const QRgb innerTopLeft = none ? back : raised ? white : workspace;
        const QRgb innerBottomRight = none ? back : raised ? workspace : white;

        const struct {
            const char* where;
            QPoint at;
            QRgb colour;
        } checks[] = {
            {"outer top", {20, 0}, outerTopLeft},
            {"outer top-left corner", {0, 0}, outerTopLeft},
            {"outer right", {W - 1, 10}, outerBottomRight},
            {"outer top-right corner", {W - 1, 0}, outerBottomRight},
            {"outer bottom", {20, H - 1}, outerBottomRight},
            {"outer bottom-right corner", {W - 1, H - 1}, outerBottomRight},
            {"outer left", {0, 10}, outerTopLeft},
            {"outer bottom-left corner", {0, H - 1}, outerTopLeft},
            {"inner top", {20, 1}, innerTopLeft},
            {"inner top-left corner", {1, 1}, innerTopLeft},
            {"inner right", {W - 2, 10}, innerBottomRight},
            {"inner top-right corner", {W - 2, 1}, innerBottomRight},
            {"inner bottom", {20, H - 2}, innerBottomRight},
            {"inner left", {1, 10}, innerTopLeft},
            {"inner bottom-left corner", {1, H - 2}, innerTopLeft},
            {"inside the frame", {2, 2}, back},
        };
        for (const auto& check : checks)
            QVERIFY2(support::hex(image.pixel(check.at)) == support::hex(check.colour),
                     qPrintable(QStringLiteral("%1: %2 instead of %3").arg(QLatin1String(check.where),
                         support::hex(image.pixel(check.at)), support::hex(check.colour))));
    }

    void captionPlacement_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<int>("align");
        QTest::addColumn<QRect>("inkArea");  // where the caption's ink must lie

        const int across = int(constOrientation::Horizontal);
        const int up = int(constOrientation::Vertical);
        // A 300 x 120 control: margins of 4, the caption drawn one pixel right of and below
        // its reference point.
        QTest::newRow("horizontal LeftTop") << across << int(constAlign::LeftTop) << QRect(5, 5, 120, 40);
        QTest::newRow("horizontal RightBottom") << across << int(constAlign::RightBottom)
                                                << QRect(175, 70, 122, 47);
        QTest::newRow("horizontal MiddleTop") << across << int(constAlign::MiddleTop) << QRect(80, 5, 140, 40);
        QTest::newRow("horizontal outside the enumeration") << across << 9 << QRect(1, 1, 120, 40);
        // Vertical text runs upwards from its reference point.
        QTest::newRow("vertical LeftBottom") << up << int(constAlign::LeftBottom) << QRect(5, 0, 40, 117);
        QTest::newRow("vertical RightTop") << up << int(constAlign::RightTop) << QRect(255, 5, 42, 115);
    }

    void captionPlacement()
    {
        QFETCH(int, orientation);
        QFETCH(int, align);
        QFETCH(QRect, inkArea);

        const QSize size = orientation == int(constOrientation::Horizontal) ? QSize(300, 120) : QSize(300, 120);
        auto control = captionControl(size, QStringLiteral("HHH"));
        control->setTextOrientation(constOrientation(orientation));
        control->setTextAlign(constAlign(align));
        const QRect ink = support::inkBounds(render(*control), qRgb(0, 0, 0));
        QVERIFY(ink.isValid());
        QVERIFY2(inkArea.contains(ink), qPrintable(QStringLiteral("ink at %1,%2 %3x%4")
                                                   .arg(ink.x()).arg(ink.y()).arg(ink.width()).arg(ink.height())));
        // Upright text is wider than high; text running upwards is higher than wide.
        QCOMPARE(ink.height() > ink.width(), orientation == int(constOrientation::Vertical));
        // It hugs the margins it is aligned to (within the glyphs' side bearings).
        if (align == int(constAlign::LeftTop) && orientation == int(constOrientation::Horizontal))
            QVERIFY(ink.left() <= 7);
        if (align == int(constAlign::RightBottom))
            QVERIFY(ink.right() >= 300 - 4 - 4);
        if (align == int(constAlign::LeftBottom))
            QVERIFY(ink.bottom() >= 120 - 4 - 4);
    }

    void text3DShadow_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("shadow");
        QTest::addColumn<QPoint>("offset");  // of the shadow from the caption

        QTest::newRow("None") << int(const3D::None) << false << QPoint();
        QTest::newRow("Convex") << int(const3D::Convex) << true << QPoint(-1, -1);
        QTest::newRow("Pressed") << int(const3D::Pressed) << true << QPoint(1, 1);
    }

    void text3DShadow()
    {
        QFETCH(int, mode);
        QFETCH(bool, shadow);
        QFETCH(QPoint, offset);

        // The caption alone, white on black: its coverage per pixel.
        auto plain = captionControl(QSize(200, 60), QStringLiteral("Жук"));
        const QImage caption = render(*plain);

        // The shadow in white under a black caption: white where the shadow is not covered.
        auto shaded = captionControl(QSize(200, 60), QStringLiteral("Жук"));
        shaded->setForeColor(0x000000);
        shaded->setColorShadow(0xFFFFFF);
        shaded->setText3D(const3D(mode));
        const QImage image = render(*shaded);

        int visibleShadow = 0;
        for (int y = 2; y < 58; ++y) {
            for (int x = 2; x < 198; ++x) {
                const double under = shadow ? qRed(caption.pixel(x - offset.x(), y - offset.y())) / 255.0 : 0.0;
                const double over = qRed(caption.pixel(x, y)) / 255.0;
                const double expected = 255.0 * under * (1.0 - over);
                if (std::abs(qRed(image.pixel(x, y)) - expected) > 3.0)
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2 is %3, expected %4")
                                         .arg(x).arg(y).arg(qRed(image.pixel(x, y))).arg(expected)));
                if (qRed(image.pixel(x, y)) == 255)
                    ++visibleShadow;
            }
        }
        QCOMPARE(visibleShadow > 0, shadow);
    }

    void autoSizeSwapsForVerticalText()
    {
        auto control = captionControl(QSize(10, 10), QStringLiteral("Автоматический размер"));
        control->setAutoSize(true);
        const QSize across = control->size();
        QVERIFY(across.width() > across.height());
        control->setTextOrientation(constOrientation::Vertical);
        QCOMPARE(control->size(), across.transposed());
        // The caption keeps its margins of 4 in the new size.
        const QRect ink = support::inkBounds(render(*control), qRgb(0, 0, 0));
        QVERIFY(QRect(4, 4, control->width() - 8, control->height() - 8).adjusted(0, 0, 1, 1).contains(ink));
    }

    void captionIsDrawnThroughWindows1251_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("lookalike");
        QTest::addColumn<bool>("same");

        QTest::newRow("outside the code page") << QStringLiteral("a日b") << QStringLiteral("a?b") << true;
        QTest::newRow("Cyrillic is in it") << QStringLiteral("aЖb") << QStringLiteral("a?b") << false;
        QTest::newRow("the euro sign is in it") << QStringLiteral("a€b") << QStringLiteral("a?b") << false;
    }

    void captionIsDrawnThroughWindows1251()
    {
        QFETCH(QString, caption);
        QFETCH(QString, lookalike);
        QFETCH(bool, same);

        auto first = captionControl(QSize(200, 50), caption);
        auto second = captionControl(QSize(200, 50), lookalike);
        QCOMPARE(render(*first) == render(*second), same);
    }

    void linksAreUnderlinedFromTheNextPaint()
    {
        // Shown, so that a picture is an expose, not a resize with its full paint.
        auto control = captionControl(QSize(200, 50), QStringLiteral("www"));
        control->show();
        QVERIFY(QTest::qWaitForWindowExposed(control.get()));
        const QImage plain = render(*control);
        // The assignment's paint underlines the Font object after it made its drawing font:
        // that paint, and every expose of it, is still plain.
        control->setInternetLink(constInternetLink::InternetPage);
        QVERIFY(control->Font().underline());
        QCOMPARE(render(*control), plain);
        QCOMPARE(render(*control), plain);
        control->PaintControl();
        const QImage underlined = render(*control);
        QVERIFY(support::inkBounds(underlined, qRgb(0, 0, 0)).height()
                > support::inkBounds(plain, qRgb(0, 0, 0)).height());

        control->setInternetLink(constInternetLink::None);
        QVERIFY(!control->Font().underline());
        QCOMPARE(render(*control), underlined);
        control->PaintControl();
        QCOMPARE(render(*control), plain);
    }

    void storedLinkIsUnderlinedWhenShown()
    {
        // Showing runs three full paints, so what reaches the screen is already underlined.
        QWidget form;
        form.resize(240, 90);
        auto* control = new Tavorel(&form);
        control->ReadProperties(PropertyBag{
            {QStringLiteral("caption"), QStringLiteral("www")},
            {QStringLiteral("internetlink"), int(constInternetLink::InternetPage)},
            {QStringLiteral("vuzedovi"), false},
            {QStringLiteral("backcolor"), 0},
            {QStringLiteral("forecolor"), 0xFFFFFF},
            {QStringLiteral("style"), int(constStyle::PanelFlat)},
        });
        control->setGeometry(20, 20, 200, 50);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const auto onScreen = [&] {
            return form.screen()->grabWindow(form.winId(), 20, 20, 200, 50).toImage().convertToFormat(
                QImage::Format_RGB32);
        };
        const QImage shown = onScreen();
        QVERIFY(!support::inkBounds(shown, qRgb(0, 0, 0)).isEmpty());
        control->PaintControl();
        QCoreApplication::processEvents();
        QCOMPARE(onScreen(), shown);
    }

    void paintErrorIsReportedOncePerFullPaint()
    {
        QStringList reports;
        setErrorReporter([&reports](QWidget*, const QString& caption, const QString& text) {
            reports << caption + QLatin1Char('|') + text;
        });
        auto control = plainControl(QSize(60, 30));
        control->setColorStart(0x0000FF);
        control->setColorEnd(0x0000FF);
        control->setCaption(QStringLiteral("x"));
        control->setFontProperty(QFont(QStringLiteral("A face name that is far too long for a font")));
        control->show();
        QVERIFY(QTest::qWaitForWindowExposed(control.get()));
        control->repaint();
        control->repaint();
        QTRY_COMPARE(reports.size(), 1);
        QCOMPARE(reports.first(), QStringLiteral("Ошибка!|<9> - Subscript out of range"));
        // The bands were painted before the font failed.
        QCOMPARE(support::hex(render(*control).pixel(30, 15)), support::hex(rgbOf(0x0000FF)));

        // Fitting the caption still fits it, and the paint still reports.
        control->setAutoSize(true);
        QTRY_COMPARE(reports.size(), 2);
        QVERIFY(control->width() < 60);

        // A 33-character name is still fine.
        control->setFontProperty(QFont(QString(33, u'x')));
        control->repaint();
        QCoreApplication::processEvents();
        QCOMPARE(reports.size(), 2);
        setErrorReporter({});
    }

    void fontDescription_data()
    {
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("weight");
        QTest::addColumn<int>("error");  // the number the paint reports, 0 for none

        // At 96 pixels per inch: -(points rounded to even) * 96 / 72, rounded.
        QTest::newRow("design font 8.25") << 8.25 << false << -11 << 400 << 0;
        QTest::newRow("8.5 rounds to 8") << 8.5 << true << -11 << 700 << 0;
        QTest::newRow("9.5 rounds to 10") << 9.5 << false << -13 << 400 << 0;
        QTest::newRow("12") << 12.0 << false << -16 << 400 << 0;
        // Sizes whose arithmetic leaves 32 bits overflow instead of wrapping.
        QTest::newRow("points beyond 32 bits") << 3e9 << false << 0 << 400 << 6;
        QTest::newRow("height beyond 32 bits") << 2e9 << false << 0 << 400 << 6;
    }

    void fontDescription()
    {
        QFETCH(double, points);
        QFETCH(bool, bold);
        QFETCH(int, height);
        QFETCH(int, weight);
        QFETCH(int, error);

        Tavorel control;
        QCOMPARE(control.logicalDpiY(), 96);
        QFont font(QStringLiteral("Times New Roman"));
        font.setPointSizeF(points);
        font.setBold(bold);
        if (error) {
            try {
                control.MakeFontDescription(font);
                QFAIL("no error");
            } catch (const ControlError& raised) {
                QCOMPARE(raised.number(), error);
                QCOMPARE(raised.description(), QStringLiteral("Overflow"));
            }
            return;
        }
        const FontDescription description = control.MakeFontDescription(font);
        QCOMPARE(description.height, height);
        QCOMPARE(description.weight, weight);
        QCOMPARE(description.faceName, QByteArray("Times New Roman"));
        QCOMPARE(description.charSet, 1);
    }

    void faceNameIsOneBytePerCharacter_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QByteArray>("faceName");

        QTest::newRow("Latin") << QStringLiteral("DejaVu Sans") << QByteArray("DejaVu Sans");
        QTest::newRow("Cyrillic") << QStringLiteral("Шрифт") << QByteArray("\xD8\xF0\xE8\xF4\xF2");
        QTest::newRow("euro and dash") << QStringLiteral("€—") << QByteArray("\x88\x97");
        QTest::newRow("outside the code page") << QStringLiteral("A日B") << QByteArray("A?B");
    }

    void faceNameIsOneBytePerCharacter()
    {
        QFETCH(QString, family);
        QFETCH(QByteArray, faceName);

        Tavorel control;
        QFont font;
        font.setFamily(family);
        QCOMPARE(control.MakeFontDescription(font).faceName, faceName);
    }
};

QTEST_MAIN(TavorelPaintTest)
#include "tst_tavorel_paint.moc"
