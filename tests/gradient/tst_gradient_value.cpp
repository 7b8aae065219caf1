// The property page "Vuzedovi Value": filling, the changed mark, Apply and its dialog.
#include <QCheckBox>
#include <QComboBox>
#include <QAbstractItemView>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "vuzedovi/GradientValue.h"
#include "vuzedovi/Tavorel.h"

using namespace vuzedovi;

namespace {

// Every edited property away from its new value.
PropertyBag editedBag()
{
    return PropertyBag{
        {QStringLiteral("Caption"), QStringLiteral("Выход")},
        {QStringLiteral("GradientOrientation"), 1},
        {QStringLiteral("TextOrientation"), 1},
        {QStringLiteral("TextAlign"), 6},
        {QStringLiteral("Style"), 5},
        {QStringLiteral("InternetLink"), 2},
        {QStringLiteral("Vuzedovi"), false},
        {QStringLiteral("AutoSize"), true},
        {QStringLiteral("MoveControl"), 1},
        {QStringLiteral("Text3D"), 2},
    };
}

// The edited properties of a control, enumerations as their numbers.
QStringList editedValues(const Tavorel& control)
{
    QStringList values;
    for (const QString& key : editedBag().keys()) {
        const QVariant value = control.property(qPrintable(key));
        values << key + QLatin1Char('=')
                + (value.metaType().flags().testFlag(QMetaType::IsEnumeration) ? QString::number(value.toInt())
                                                                                  : value.toString());
    }
    return values;
}

// Makes on one page the choices another page shows, as a user would.
void copyChoices(QWidget& from, QWidget& to)
{
    for (auto* text : from.findChildren<QLineEdit*>())
        to.findChild<QLineEdit*>(text->objectName())->setText(text->text());
    for (auto* list : from.findChildren<QComboBox*>())
        to.findChild<QComboBox*>(list->objectName())->setCurrentIndex(list->currentIndex());
    for (auto* check : from.findChildren<QCheckBox*>())
        to.findChild<QCheckBox*>(check->objectName())->setChecked(check->isChecked());
}

template <typename T>
T* editor(QWidget& page, const char* name)
{
    T* found = page.findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no %s on the page", name);
    return found;
}

// Makes one real edit of the given control of the page.
void edit(GradientValue& page, const QString& control)
{
    if (control.startsWith(QLatin1String("txt")))
        editor<QLineEdit>(page, qPrintable(control))->setText(QStringLiteral("Новая надпись"));
    else if (control.startsWith(QLatin1String("cbo"))) {
        auto* list = editor<QComboBox>(page, qPrintable(control));
        list->setCurrentIndex((list->currentIndex() + 1) % list->count());
    } else
        editor<QCheckBox>(page, qPrintable(control))->click();
}

} // namespace

class GradientValueTest : public QObject {
    Q_OBJECT

private slots:
    void fillingSelectsTheStoredItem_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("item");

        QTest::newRow("AntiButton is the eighth style") << "Style" << 7 << "cboStyle" << "AntiButton";
        QTest::newRow("first style") << "Style" << 0 << "cboStyle" << "Button";
        QTest::newRow("vertical gradient") << "GradientOrientation" << 1 << "cboGradientOrientation"
                                           << "Vertical";
        QTest::newRow("vertical text") << "TextOrientation" << 1 << "cboTextOrientation" << "Vertical";
        QTest::newRow("last alignment") << "TextAlign" << 8 << "cboTextAlign" << "RightBottom";
        QTest::newRow("new control is centred") << "" << 0 << "cboTextAlign" << "Center";
        QTest::newRow("mail link") << "InternetLink" << 2 << "cboInternetLink" << "EMail";
        QTest::newRow("moves itself") << "MoveControl" << 2 << "cboMoveControl" << "MoveMe";
        QTest::newRow("pressed text") << "Text3D" << 2 << "cboText3D" << "Pressed";
    }

    void fillingSelectsTheStoredItem()
    {
        QFETCH(QString, key);
        QFETCH(int, value);
        QFETCH(QString, list);
        QFETCH(QString, item);

        Tavorel control;
        if (!key.isEmpty())
            control.ReadProperties(PropertyBag{{key, value}});
        GradientValue page;
        page.SelectionChanged({&control});
        auto* shown = editor<QComboBox>(page, qPrintable(list));
        QCOMPARE(shown->currentText(), item);
        QCOMPARE(shown->currentIndex(), shown->findText(item));
    }

    void fillingTakesTheTextAndChecks()
    {
        Tavorel control;
        control.ReadProperties(PropertyBag{{QStringLiteral("caption"), QStringLiteral("Купить")},
                                           {QStringLiteral("vuzedovi"), false},
                                           {QStringLiteral("autosize"), true}});
        GradientValue page;
        page.SelectionChanged({&control});
        QCOMPARE(editor<QLineEdit>(page, "txtCaption")->text(), QStringLiteral("Купить"));
        QVERIFY(!editor<QCheckBox>(page, "chkGradient")->isChecked());
        QVERIFY(editor<QCheckBox>(page, "chkAutoSize")->isChecked());
    }

    void onlyARealEditMarksThePageChanged_data()
    {
        QTest::addColumn<QString>("control");

        for (const char* name : {"txtCaption", "cboGradientOrientation", "cboTextOrientation", "cboTextAlign",
                                 "cboStyle", "cboInternetLink", "cboMoveControl", "cboText3D",
                                 "chkGradient", "chkAutoSize"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void onlyARealEditMarksThePageChanged()
    {
        QFETCH(QString, control);

        Tavorel first;
        first.ReadProperties(editedBag());
        Tavorel second;
        GradientValue page;
        QSignalSpy marked(&page, &GradientValue::ChangedChanged);
        // Filling changes every control of the page, twice over with a second selection.
        page.SelectionChanged({&first});
        page.SelectionChanged({&second});
        QVERIFY(!page.Changed());
        QCOMPARE(marked.size(), 0);

        // Choosing again, from its popup, the item a list shows is no edit.
        if (auto* list = page.findChild<QComboBox*>(control)) {
            QSignalSpy chosen(list, &QComboBox::activated);
            list->showPopup();
            QTest::keyClick(list->view(), Qt::Key_Return);
            QCOMPARE(chosen.size(), 1);
            QVERIFY(!page.Changed());
        }

        edit(page, control);
        QVERIFY(page.Changed());
        QCOMPARE(marked.size(), 1);
        QCOMPARE(marked.first().first().toBool(), true);

        page.ApplyChanges();
        QVERIFY(!page.Changed());
    }

    void applyWritesTheFirstControlOnly()
    {
        Tavorel edited;
        edited.ReadProperties(editedBag());
        GradientValue choices;
        choices.SelectionChanged({&edited});

        Tavorel first;
        Tavorel second;
        const QStringList untouched = editedValues(second);
        GradientValue page;
        page.SelectionChanged({&first, &second});
        copyChoices(choices, page);
        page.ApplyChanges();

        QCOMPARE(editedValues(first), editedValues(edited));
        QVERIFY(editedValues(first) != untouched);
        QCOMPARE(editedValues(second), untouched);
    }

    void applyAssignsEachPropertyInItsOrder()
    {
        Tavorel control;
        control.ReadProperties(editedBag());
        GradientValue page;
        page.SelectionChanged({&control});
        QStringList reports;
        QList<int> paints;
        connect(&control, &Tavorel::PropertyChanged, this, [&](const QString& name) {
            reports << name;
            paints << control.fullPaintCount();
        });
        const int before = control.fullPaintCount();
        page.ApplyChanges();
        QCOMPARE(reports, (QStringList{"Caption", "GradientOrientation", "TextOrientation", "TextAlign", "Style",
                                       "InternetLink", "Vuzedovi", "AutoSize", "MoveControl", "Text3D"}));
        // Every assignment but MoveControl's repaints (Text3D reports before it repaints).
        QCOMPARE(paints.first(), before + 1);
        QCOMPARE(control.fullPaintCount(), before + 9);
    }

    void valuesOutsideTheEnumerationsAreKept_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("list");

        QTest::newRow("Style 42") << "Style" << 42 << "cboStyle";
        QTest::newRow("Style -1") << "Style" << -1 << "cboStyle";
        QTest::newRow("TextAlign 9") << "TextAlign" << 9 << "cboTextAlign";
        QTest::newRow("GradientOrientation 2") << "GradientOrientation" << 2 << "cboGradientOrientation";
        QTest::newRow("InternetLink 32767") << "InternetLink" << 32767 << "cboInternetLink";
        QTest::newRow("MoveControl -32768") << "MoveControl" << -32768 << "cboMoveControl";
        QTest::newRow("Text3D 3") << "Text3D" << 3 << "cboText3D";
    }

    void valuesOutsideTheEnumerationsAreKept()
    {
        QFETCH(QString, key);
        QFETCH(int, value);
        QFETCH(QString, list);

        Tavorel control;
        control.ReadProperties(PropertyBag{{key, value}});
        GradientValue page;
        page.SelectionChanged({&control});
        auto* shown = editor<QComboBox>(page, qPrintable(list));
        QCOMPARE(shown->currentIndex(), -1);

        // Applying other edits leaves the stored value as it is...
        editor<QLineEdit>(page, "txtCaption")->setText(QStringLiteral("Другая"));
        page.ApplyChanges();
        QCOMPARE(control.Caption(), QStringLiteral("Другая"));
        QCOMPARE(control.property(qPrintable(key)).toInt(), value);

        // ...and choosing an item writes it.
        shown->setCurrentIndex(1);
        page.ApplyChanges();
        QCOMPARE(control.property(qPrintable(key)).toInt(), 1);
    }

    void aDeletedControlIsNotWritten()
    {
        auto* control = new Tavorel;
        GradientValue page;
        page.SelectionChanged({control});
        edit(page, QStringLiteral("cboStyle"));
        delete control;
        QVERIFY(page.SelectedControls().isEmpty());
        page.ApplyChanges();  // nothing to write, nothing to crash on
    }

    void dialogButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("applied");
        QTest::addColumn<bool>("open");

        QTest::newRow("Apply writes and stays") << "Apply" << true << true;
        QTest::newRow("OK writes and closes") << "OK" << true << false;
        QTest::newRow("Cancel closes without writing") << "Cancel" << false << false;
    }

    void dialogButtons()
    {
        QFETCH(QString, button);
        QFETCH(bool, applied);
        QFETCH(bool, open);

        Tavorel control;
        GradientValueDialog dialog({&control});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        QPushButton* apply = buttons->button(QDialogButtonBox::Apply);
        QVERIFY(!apply->isEnabled());
        editor<QComboBox>(*dialog.page(), "cboStyle")->setCurrentIndex(int(constStyle::AntiButton));
        QVERIFY(apply->isEnabled());

        const QDialogButtonBox::StandardButton which = button == QLatin1String("Apply") ? QDialogButtonBox::Apply
            : button == QLatin1String("OK")                                             ? QDialogButtonBox::Ok
                                                                                        : QDialogButtonBox::Cancel;
        QTest::mouseClick(buttons->button(which), Qt::LeftButton);
        QCOMPARE(control.Style() == constStyle::AntiButton, applied);
        QCOMPARE(dialog.isVisible(), open);
        if (open)
            QVERIFY(!apply->isEnabled());
    }
};

QTEST_MAIN(GradientValueTest)
#include "tst_gradient_value.moc"
