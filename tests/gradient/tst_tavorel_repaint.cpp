// Repaints of a control that did not change show its kept picture: the same pixels as its
// full paint, and never a stale look after a change that asked for no full paint.
#include <QApplication>
#include <QPalette>
#include <QtTest>

#include "TestSupport.h"

using namespace vuzedovi;
using support::render;

namespace {

// A look with a caption, a frame and a gradient, on a control that is its own window. Only a
// shown control keeps pictures: a picture of a hidden one resizes it first, a full paint.
std::unique_ptr<Tavorel> captionedControl()
{
    auto control = std::make_unique<Tavorel>();
    control->resize(220, 48);
    control->show();
    if (!QTest::qWaitForWindowExposed(control.get()))
        qFatal("the control was never shown");
    control->setColorStart(0x000040);
    control->setColorEnd(0x0000FF);
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPointSize(14);
    control->setFontProperty(font);
    control->setCaption(QStringLiteral("Начать игру!"));
    return control;
}

// The changes that reach a control without a full paint of its own.
enum class Change {
    StoredCaption,     // loading a stored set assigns fields only
    ApplicationPalette,
    SurfaceFont,       // the widget's font, which the drawing font takes what it leaves open from
    ReleasedToggle,    // a release changes Style without a paint
};

} // namespace

class TavorelRepaintTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        QApplication::setPalette(QPalette());
    }

    void repaintsShowTheFirstPaint_data()
    {
        QTest::addColumn<int>("look");

        QTest::newRow("caption on a gradient") << 0;
        QTest::newRow("vertical text, shadow, no gradient") << 1;
        QTest::newRow("letter spacing and stretch of the surface font") << 2;
        QTest::newRow("right-to-left layout") << 3;
        QTest::newRow("sunken panel, pressed text") << 4;
    }

    void repaintsShowTheFirstPaint()
    {
        QFETCH(int, look);

        auto control = captionedControl();
        switch (look) {
        case 1:
            control->resize(48, 200);
            control->setVuzedovi(false);
            control->setBackColor(0x8000000F);
            control->setTextOrientation(constOrientation::Vertical);
            control->setText3D(const3D::Convex);
            control->setColorShadow(0x000000);
            break;
        case 2: {
            // Only the surface font changes: the Font property, and so the drawing font's
            // description, stays as it is.
            QFont surface = control->font();
            surface.setLetterSpacing(QFont::AbsoluteSpacing, 3);
            surface.setStretch(QFont::Expanded);
            surface.setKerning(false);
            control->QWidget::setFont(surface);
            control->PaintControl();
            break;
        }
        case 3:
            control->setLayoutDirection(Qt::RightToLeft);
            control->PaintControl();
            break;
        case 4:
            control->setStyle(constStyle::PanelDown);
            control->setText3D(const3D::Pressed);
            control->setGradientOrientation(constOrientation::Vertical);
            break;
        }
        // The first paint after a full paint, the one that keeps the picture, and one that
        // only shows it.
        const int fullPaints = control->fullPaintCount();
        const QImage first = render(*control);
        const QImage kept = render(*control);
        const QImage shown = render(*control);
        QCOMPARE(control->fullPaintCount(), fullPaints);
        QVERIFY(!support::inkBounds(first, first.pixel(first.width() / 2, 3)).isEmpty());
        QCOMPARE(kept, first);
        QCOMPARE(shown, first);
    }

    void changesWithoutAFullPaintShow_data()
    {
        QTest::addColumn<int>("change");

        QTest::newRow("stored caption loaded") << int(Change::StoredCaption);
        QTest::newRow("application palette") << int(Change::ApplicationPalette);
        QTest::newRow("surface font") << int(Change::SurfaceFont);
        QTest::newRow("toggle released") << int(Change::ReleasedToggle);
    }

    void changesWithoutAFullPaintShow()
    {
        QFETCH(int, change);

        // System colours everywhere a palette can reach: back colour, shadow and frame.
        const auto prepare = [](Tavorel& control) {
            control.setVuzedovi(false);
            control.setBackColor(0x8000000F);
            control.setText3D(const3D::Pressed);
            control.setColorShadow(0x80000016);
            control.setStyle(constStyle::ToggleButtonUp);
            control.setCaption(QStringLiteral("Hello, world!"));
        };
        QPalette changed = QApplication::palette();
        changed.setColor(QPalette::Button, QColor(0x12, 0x34, 0x56));
        changed.setColor(QPalette::Midlight, QColor(0xFE, 0xDC, 0xBA));
        QFont spaced = captionedControl()->font();
        spaced.setLetterSpacing(QFont::AbsoluteSpacing, 4);
        const auto apply = [&](Tavorel& control) {
            switch (Change(change)) {
            case Change::StoredCaption: {
                PropertyBag bag;
                control.WriteProperties(bag);
                bag.write(QStringLiteral("caption"), QStringLiteral("Загружено"));
                control.ReadProperties(bag);
                break;
            }
            case Change::ApplicationPalette:
                QApplication::setPalette(changed);
                break;
            case Change::SurfaceFont:
                control.QWidget::setFont(spaced);
                break;
            case Change::ReleasedToggle:
                QTest::mouseClick(&control, Qt::LeftButton);
                QCOMPARE(control.Style(), constStyle::ToggleButtonDown);
                break;
            }
        };

        auto control = captionedControl();
        prepare(*control);
        const QImage before = render(*control);
        QCOMPARE(render(*control), before);  // the picture is kept now
        const int fullPaints = control->fullPaintCount();
        apply(*control);
        const QImage after = render(*control);
        QCOMPARE(control->fullPaintCount(), fullPaints);
        QVERIFY(after != before);

        // The same look reached by a full paint.
        QApplication::setPalette(QPalette());
        auto fresh = captionedControl();
        prepare(*fresh);
        apply(*fresh);
        fresh->PaintControl();
        QCOMPARE(after, render(*fresh));
    }
};

QTEST_MAIN(TavorelRepaintTest)
#include "tst_tavorel_repaint.moc"
