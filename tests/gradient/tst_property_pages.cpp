// The property pages of a Tavorel, used as a designer uses them: the tab clicked, a field
// typed at, keyed or clicked, the colour picker answered, Apply pressed.
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include "vuzedovi/GradientValue.h"
#include "vuzedovi/Tavorel.h"

using namespace vuzedovi;

namespace {

QFont designFont(bool bold, double size)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(size);
    font.setBold(bold);
    return font;
}

// Answers the colour picker once it is up: types the colour into its HTML field and presses
// Return, or presses Escape for "cancel".
void answerPicker(const QString& answer)
{
    auto* poll = new QTimer;
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        auto* picker = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        if (!picker)
            return;
        poll->deleteLater();
        poll->stop();
        if (answer != QLatin1String("cancel")) {
            for (QLineEdit* field : picker->findChildren<QLineEdit*>())
                if (field->text().startsWith(QLatin1Char('#'))) {
                    field->selectAll();
                    QTest::keyClicks(field, answer);
                }
            QTest::keyClick(picker, Qt::Key_Return);
        } else
            QTest::keyClick(picker, Qt::Key_Escape);
    });
    poll->start();
}

// One step of a designer's input: "type:field:text", "key:field:Down|End|Space",
// "click:field", "row:property" (clicks it in the page's list) or "pick:#rrggbb|cancel".
QWidget* act(QWidget& page, const QString& step)
{
    const QStringList part = step.split(QLatin1Char(':'));
    if (part[0] == QLatin1String("pick")) {
        answerPicker(part[1]);
        return nullptr;
    }
    if (part[0] == QLatin1String("row")) {
        auto* list = page.findChild<QListWidget*>(QStringLiteral("lstProperties"));
        const QListWidgetItem* item = list->findItems(part[1], Qt::MatchExactly).value(0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
        return nullptr;
    }
    auto* field = page.findChild<QWidget*>(part[1]);
    if (part[0] == QLatin1String("click")) // on a check box's mark or a button's edge
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(8, field->height() / 2));
    else if (part[0] == QLatin1String("type")) {
        QTest::mouseClick(field, Qt::LeftButton);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        for (QChar c : part[2]) // Cyrillic too, which keyClicks does not type
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    } else {
        field->setFocus();
        const QMap<QString, Qt::Key> keys{{"Down", Qt::Key_Down}, {"End", Qt::Key_End}, {"Space", Qt::Key_Space}};
        QTest::keyClick(field, keys.value(part[2]));
    }
    return field;
}

} // namespace

class PropertyPagesTest : public QObject {
    Q_OBJECT

private slots:
    void pagesEditTheControlByRealInput_data()
    {
        QTest::addColumn<PropertyBag>("stored");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QVariant>("expected");
        QTest::addColumn<QString>("tooltip"); // of the field acted on last

        const PropertyBag none;
        QTest::newRow("caption typed") << none << 0 << QStringList{"type:txtCaption:Выход"} << "Caption"
                                       << QVariant("Выход") << "Надпись на контроле";
        QTest::newRow("style by the arrow key") << none << 0 << QStringList{"key:cboStyle:Down"} << "Style"
                                                << QVariant(1) << "Стиль контрола";
        QTest::newRow("AutoSize by Space") << none << 0 << QStringList{"key:chkAutoSize:Space"} << "AutoSize"
                                           << QVariant(true) << "Автоматическое изменение размера";
        QTest::newRow("bold clicked") << none << 1 << QStringList{"click:chkBold"} << "Font"
                                      << QVariant(designFont(true, 8.25)) << "Шрифт, выводимой надписи";
        QTest::newRow("size typed") << none << 1 << QStringList{"type:cboFontSize:12"} << "Font"
                                    << QVariant(designFont(false, 12)) << "Шрифт, выводимой надписи";
        QTest::newRow("text colour picked")
            << none << 2 << QStringList{"row:ForeColor", "pick:#0000ff", "click:cmdEdit"} << "ForeColor"
            << QVariant(0xFF0000u) << "Цвет текста";
        QTest::newRow("picker cancelled") << none << 2 << QStringList{"pick:cancel", "click:cmdEdit"}
                                          << "ColorStart" << QVariant(0u) << "Начальный цвет заливки";
        QTest::newRow("system colour chosen by name")
            << none << 2 << QStringList{"row:ColorShadow", "key:cboSystemColor:End"} << "ColorShadow"
            << QVariant(0x8000001Eu) << "Цвет тени";
        QTest::newRow("system colour kept through another edit")
            << PropertyBag{{"ColorEnd", 0x80000005u}} << 2 << QStringList{"row:ForeColor", "pick:#00ff00", "click:cmdEdit"}
            << "ColorEnd" << QVariant(0x80000005u) << "Цвет текста";
    }

    void pagesEditTheControlByRealInput()
    {
        QFETCH(PropertyBag, stored);
        QFETCH(int, tab);
        QFETCH(QStringList, steps);
        QFETCH(QString, property);
        QFETCH(QVariant, expected);
        QFETCH(QString, tooltip);

        Tavorel control;
        if (stored.size()) // a stored set without "Font" would take the container's
            control.ReadProperties(stored);
        GradientValueDialog dialog({&control});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* tabs = dialog.findChild<QTabWidget*>();
        QCOMPARE(tabs->count(), 3);
        QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(tab).center());
        QWidget* field = nullptr;
        for (const QString& step : steps)
            if (QWidget* acted = act(*tabs->currentWidget(), step))
                field = acted;
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
