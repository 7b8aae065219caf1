// The property pages of a Tavorel, used as a designer uses them: the tab clicked, a field
// typed at, keyed or clicked, the colour picker answered, Apply pressed.
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include "vuzedovi/GradientValue.h"

using namespace vuzedovi;

namespace {

// Answers the colour picker once it is up: the colour typed into its HTML field and Return,
// or Escape for "cancel".
void answerPicker(const QString& answer)
{
    auto* poll = new QTimer;
    poll->start(20);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        auto* picker = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        if (!picker)
            return;
        poll->deleteLater();
        for (QLineEdit* field : picker->findChildren<QLineEdit*>())
            if (field->text().startsWith(QLatin1Char('#')) && answer != QLatin1String("cancel")) {
                field->selectAll();
                QTest::keyClicks(field, answer);
            }
        QTest::keyClick(picker, answer == QLatin1String("cancel") ? Qt::Key_Escape : Qt::Key_Return);
    });
}

// One step of a designer's input: "type:field:text", "key:field:Down|End|Space",
// "click:field", "row:property" (clicked in the page's list) or "pick:#rrggbb|cancel".
// Returns the field acted on.
QWidget* act(QWidget& page, const QString& step)
{
    const QStringList part = step.split(QLatin1Char(':'));
    auto* list = page.findChild<QListWidget*>(QStringLiteral("lstProperties"));
    auto* field = page.findChild<QWidget*>(part[1]);
    if (part[0] == QLatin1String("pick"))
        answerPicker(part[1]);
    else if (part[0] == QLatin1String("row"))
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->findItems(part[1], Qt::MatchExactly).value(0)).center());
    else if (part[0] == QLatin1String("click")) // on a check box's mark or a button's edge
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(8, field->height() / 2));
    else if (part[0] == QLatin1String("key")) {
        field->setFocus();
        QTest::keyClick(field, Qt::Key(QKeySequence(part[2])[0].key()));
    } else {
        QTest::mouseClick(field, Qt::LeftButton);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        for (QChar c : part[2]) // Cyrillic too, which keyClicks does not type
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    return field;
}

} // namespace

class PropertyPagesTest : public QObject {
    Q_OBJECT

private slots:
    void pagesEditTheControlByRealInput_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QVariant>("expected");
        QTest::addColumn<QString>("tooltip"); // of the field acted on last
        const auto designFont = [](bool bold, double size) { QFont f("Times New Roman"); f.setPointSizeF(size); f.setBold(bold); return f; };

        QTest::newRow("caption typed") << 0 << QStringList{"type:txtCaption:Выход"} << "Caption" << QVariant("Выход") << "Надпись на контроле";
        QTest::newRow("style by the arrow key") << 0 << QStringList{"key:cboStyle:Down"} << "Style" << QVariant(1) << "Стиль контрола";
        QTest::newRow("AutoSize by Space") << 0 << QStringList{"key:chkAutoSize:Space"} << "AutoSize" << QVariant(true) << "Автоматическое изменение размера";
        QTest::newRow("bold clicked") << 1 << QStringList{"click:chkBold"} << "Font" << QVariant(designFont(true, 8.25)) << "Шрифт, выводимой надписи";
        QTest::newRow("size typed") << 1 << QStringList{"type:cboFontSize:12"} << "Font" << QVariant(designFont(false, 12)) << "Шрифт, выводимой надписи";
        QTest::newRow("text colour picked") << 2 << QStringList{"row:ForeColor", "pick:#0000ff", "click:cmdEdit"} << "ForeColor" << QVariant(0xFF0000u) << "Цвет текста";
        QTest::newRow("picker cancelled") << 2 << QStringList{"pick:cancel", "click:cmdEdit"} << "ColorStart" << QVariant(0u) << "Начальный цвет заливки";
        QTest::newRow("system colour by name") << 2 << QStringList{"row:ColorShadow", "key:cboSystemColor:End"} << "ColorShadow" << QVariant(0x8000001Eu) << "Цвет тени";
        QTest::newRow("system colour kept through another edit") << 2 << QStringList{"row:ForeColor", "pick:#00ff00", "click:cmdEdit"} << "ColorEnd" << QVariant(0x80000005u) << "Цвет текста";
    }

    void pagesEditTheControlByRealInput()
    {
        QFETCH(int, tab);
        QFETCH(QStringList, steps);
        QFETCH(QString, property);
        QFETCH(QVariant, expected);
        QFETCH(QString, tooltip);

        Tavorel control;
        control.setColorEnd(0x80000005); // a system colour: the window's
        GradientValueDialog dialog({&control});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* tabs = dialog.findChild<QTabWidget*>();
        QCOMPARE(tabs->count(), 3);
        QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(tab).center());
        QWidget* field = nullptr;
        for (const QString& step : steps)
            field = act(*tabs->currentWidget(), step);
        QCOMPARE(field->toolTip(), tooltip);

        QPushButton* apply = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Apply);
        QCOMPARE(apply->isEnabled(), !steps.contains("pick:cancel"));
        QTest::mouseClick(apply, Qt::LeftButton);
        const QVariant now = control.property(qPrintable(property));
        QCOMPARE(now.metaType().flags().testFlag(QMetaType::IsEnumeration) ? QVariant(now.toInt()) : now, expected);
    }
};

QTEST_MAIN(PropertyPagesTest)
#include "tst_property_pages.moc"
