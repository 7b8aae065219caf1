// A form drawn with Tavorel in Qt Designer, compiled by uic: every control carries the values
// the form file gives it, the way uic writes them (Font through setFont, enumerations by the
// names Designer writes, such as vuzedovi::AntiButton and vuzedovi::None).
#include <QtTest>

#include "TestSupport.h"
#include "ui_ExampleForm.h"

using namespace vuzedovi;

class TavorelFormTest : public QObject {
    Q_OBJECT

private slots:
    void controlsCarryTheFormsValues_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QVariant>("expected");

        QTest::newRow("Font reaches the Font property") << "Tavorel2" << "Font.family"
                                                        << QVariant(QStringLiteral("Liberation Serif"));
        QTest::newRow("Font size") << "Tavorel2" << "Font.pointSize" << QVariant(14);
        QTest::newRow("a style by its key") << "Tavorel4" << "Style" << QVariant(int(constStyle::AntiButton));
        QTest::newRow("vuzedovi::None") << "Tavorel4" << "Text3D" << QVariant(int(const3D::None));
        QTest::newRow("text in 3-D") << "Tavorel2" << "Text3D" << QVariant(int(const3D::Pressed));
        QTest::newRow("a title bar moves its form") << "Tavorel1" << "MoveControl"
                                                    << QVariant(int(constMoveControl::MoveForm));
        QTest::newRow("alignment") << "Tavorel1" << "TextAlign" << QVariant(int(constAlign::LeftMiddle));
        QTest::newRow("colour") << "Tavorel1" << "ColorStart" << QVariant(quint32(0x000040));
        QTest::newRow("Cyrillic caption") << "Tavorel3" << "Caption" << QVariant(QStringLiteral("Нажать"));
        QTest::newRow("unset keeps the new value") << "Tavorel3" << "ForeColor" << QVariant(quint32(0xFFFF));
    }

    void controlsCarryTheFormsValues()
    {
        QFETCH(QString, control);
        QFETCH(QString, property);
        QFETCH(QVariant, expected);

        QWidget form;
        Ui::ExampleForm ui;
        ui.setupUi(&form);
        auto* tavorel = form.findChild<Tavorel*>(control);
        QVERIFY(tavorel);
        QVariant actual;
        if (property == QLatin1String("Font.family"))
            actual = tavorel->Font().family();
        else if (property == QLatin1String("Font.pointSize"))
            actual = tavorel->Font().pointSize();
        else
            actual = tavorel->property(qPrintable(property));
        if (actual.metaType().flags().testFlag(QMetaType::IsEnumeration))
            actual = actual.toInt();
        QCOMPARE(actual, expected);
    }

    void formPaintsItsControls()
    {
        QWidget form;
        Ui::ExampleForm ui;
        ui.setupUi(&form);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        // The AntiButton's middle is its gradient, red at the bottom, dark at the top.
        const QImage picture = support::render(*ui.Tavorel4);
        QVERIFY(qRed(picture.pixel(75, 35)) > 200);
        QVERIFY(qRed(picture.pixel(75, 3)) < 100);
    }
};

QTEST_MAIN(TavorelFormTest)
#include "tst_tavorel_form.moc"
