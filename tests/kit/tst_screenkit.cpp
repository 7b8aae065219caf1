// The screen kit's own logic: the one rule by which disabled text fades (halfway for the
// catalogue labels, readable at 4.5:1 for the development screen), and a faded control
// following its colours.
#include "kit/Colours.h"
#include "kit/ScreenKit.h"

#include <QLabel>
#include <QTest>

#include <optional>

using ColourList = QList<QColor>;
using OptionalColour = std::optional<QColor>;
Q_DECLARE_METATYPE(ColourList)
Q_DECLARE_METATYPE(Fading)
Q_DECLARE_METATYPE(OptionalColour)

class ScreenKitTest : public QObject {
    Q_OBJECT
private slots:
    void disabledTextFadesByTheRule_data();
    void disabledTextFadesByTheRule();
    void aFadedControlFollowsItsColours();
};

void ScreenKitTest::disabledTextFadesByTheRule_data()
{
    QTest::addColumn<QColor>("text");
    QTest::addColumn<ColourList>("behind");
    QTest::addColumn<Fading>("fading");
    QTest::addColumn<OptionalColour>("expected");

    const QColor yellow(255, 255, 0), darkRed(128, 0, 0), white(255, 255, 255), black(0, 0, 0);
    QTest::newRow("halfway: the default scheme's yellow on dark red, rounded down")
        << yellow << ColourList{darkRed} << HalfwayFading << OptionalColour(QColor(191, 127, 0));
    QTest::newRow("halfway: white on black, rounded down")
        << white << ColourList{black} << HalfwayFading << OptionalColour(QColor(127, 127, 127));
    QTest::newRow("readable: white on black reads halfway, rounded to the nearest")
        << white << ColourList{black} << ReadableFading << OptionalColour(QColor(128, 128, 128));
    QTest::newRow("readable: yellow on dark red stops at seven steps of twenty")
        << yellow << ColourList{darkRed} << ReadableFading << OptionalColour(QColor(211, 166, 0));
    QTest::newRow("readable: text that does not read turns toward white")
        << QColor(100, 0, 0) << ColourList{darkRed} << ReadableFading
        << OptionalColour(QColor(209, 179, 179));
    QTest::newRow("nothing reads at 5:1 on black and white at once")
        << white << ColourList{black, white} << Fading{5.0} << OptionalColour();
}

void ScreenKitTest::disabledTextFadesByTheRule()
{
    QFETCH(QColor, text);
    QFETCH(ColourList, behind);
    QFETCH(Fading, fading);
    QFETCH(OptionalColour, expected);
    const OptionalColour faded = disabledTextColour(text, behind, fading);
    QCOMPARE(faded.has_value(), expected.has_value());
    if (!expected)
        return;
    QCOMPARE(*faded, *expected);
    for (const QColor& back : behind)
        QVERIFY(contrastRatio(*faded, back) >= fading.contrast);
}

void ScreenKitTest::aFadedControlFollowsItsColours()
{
    QLabel label;
    setBackColour(&label, 0x000080); // dark red
    setForeColour(&label, 0x00FFFF); // yellow
    fadeWhenDisabled(&label, HalfwayFading);
    QCOMPARE(label.palette().color(QPalette::Disabled, QPalette::WindowText), QColor(191, 127, 0));

    // A new scheme sets the colours of every group; the disabled text fades again.
    setBackColour(&label, 0x000000);
    setForeColour(&label, 0xFFFFFF);
    QCOMPARE(label.palette().color(QPalette::Disabled, QPalette::WindowText),
             QColor(127, 127, 127));
    QCOMPARE(label.palette().color(QPalette::Active, QPalette::WindowText), QColor(255, 255, 255));
}

QTEST_MAIN(ScreenKitTest)
#include "tst_screenkit.moc"
