// The Qt Designer plugin, loaded the way Designer loads it: what it reports, what it creates,
// and its task-menu entry that edits a control on the "Vuzedovi Value" page.
#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDomDocument>
#include <QLabel>
#include <QLineEdit>
#include <QPluginLoader>
#include <QPushButton>
#include <QTimer>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerTaskMenuExtension>
#include <QtDesigner/QExtensionManager>
#include <QtTest>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#if defined(VUZEDOVI_TEST_DESIGNER_COMPONENTS)
#include <QtDesigner/QDesignerComponents>
#include <QtDesigner/QDesignerFormWindowInterface>
#include <QtDesigner/QDesignerFormWindowManagerInterface>
#include <QtDesigner/QDesignerIntegration>
#include <QtDesigner/QDesignerWidgetDataBaseInterface>
#include <QUndoStack>
#endif

#include <functional>

#include "vuzedovi/GradientValue.h"
#include "vuzedovi/Tavorel.h"

using namespace vuzedovi;

namespace {

// A form editor with nothing but an extension manager, enough for a plugin to register its
// extensions with.
class ExtensionsOnlyCore : public QDesignerFormEditorInterface {
public:
    ExtensionsOnlyCore() { setExtensionManager(new QExtensionManager(this)); }
};

// Runs `edit` on the property-pages dialog once it is up, then presses `button`.
void whenThePageOpens(std::function<void(GradientValue&)> edit, QDialogButtonBox::StandardButton button)
{
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, edit, button] {
        auto* dialog = qobject_cast<GradientValueDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll->deleteLater();
        poll->stop();
        edit(*dialog->page());
        dialog->findChild<QDialogButtonBox*>()->button(button)->click();
    });
    poll->start();
}

void chooseAntiButton(GradientValue& page)
{
    page.findChild<QLineEdit*>(QStringLiteral("txtCaption"))->setText(QStringLiteral("Выход"));
    page.findChild<QComboBox*>(QStringLiteral("cboStyle"))->setCurrentIndex(int(constStyle::AntiButton));
}

} // namespace

class DesignerPluginTest : public QObject {
    Q_OBJECT

private:
    QPluginLoader m_loader{QStringLiteral(VUZEDOVI_DESIGNER_PLUGIN_FILE)};
    QDesignerCustomWidgetInterface* m_plugin = nullptr;

private slots:
    void initTestCase()
    {
        QVERIFY2(m_loader.load(), qPrintable(m_loader.errorString()));
        m_plugin = qobject_cast<QDesignerCustomWidgetInterface*>(m_loader.instance());
        QVERIFY(m_plugin);
    }

    void pluginDescribesTavorel()
    {
        QCOMPARE(m_plugin->name(), QLatin1String(Tavorel::staticMetaObject.className()));
        QCOMPARE(m_plugin->group(), QStringLiteral("Vuzedovi"));
        QCOMPARE(m_plugin->includeFile(), QStringLiteral("vuzedovi/TavorelForm.h"));
        QCOMPARE(m_plugin->toolTip(), QStringLiteral("Button with Vuzedovi Color"));
        QVERIFY(!m_plugin->icon().isNull());
        QVERIFY(!m_plugin->isContainer());

        // The widget box places a control of the plugin's class, named as the game names them.
        QDomDocument dom;
        QVERIFY(dom.setContent(m_plugin->domXml()));
        const QDomElement widget = dom.documentElement().firstChildElement(QStringLiteral("widget"));
        QCOMPARE(widget.attribute(QStringLiteral("class")), m_plugin->name());
        QCOMPARE(widget.attribute(QStringLiteral("name")), QStringLiteral("Tavorel1"));

        // Every property's help text is there for the property editor's tooltips.
        const QDomNodeList tooltips = dom.elementsByTagName(QStringLiteral("tooltip"));
        QCOMPARE(tooltips.size(), Tavorel::staticMetaObject.propertyCount() - QWidget::staticMetaObject.propertyCount());
        QCOMPARE(tooltips.at(7).toElement().text(), QStringLiteral("Фоновый цвет, если Vuzedovi = False"));
        QCOMPARE(description("Click"), QStringLiteral("Occurs when the user presses and then releases a mouse button over an object."));
    }

    void taskMenuShowsTheAboutBox()
    {
        ExtensionsOnlyCore core;
        m_plugin->initialize(&core);
        Tavorel control;
        QAction* about = qt_extension<QDesignerTaskMenuExtension*>(core.extensionManager(), &control)->taskActions().value(1);
        QCOMPARE(about->text(), QStringLiteral("About..."));
        QString caption;
        QTimer::singleShot(50, &control, [&caption] {
            caption = QApplication::activeModalWidget()->windowTitle();
            QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape);
        });
        about->trigger();
        QCOMPARE(caption, QStringLiteral("ActiveX Control \"Corvalen\""));
    }

    void createsANewTavorel()
    {
        QWidget form;
        QWidget* created = m_plugin->createWidget(&form);
        auto* control = qobject_cast<Tavorel*>(created);
        QVERIFY(control);
        QCOMPARE(control->parentWidget(), &form);
        QCOMPARE(control->Caption(), QStringLiteral("Corvalen"));
        QCOMPARE(control->Font().family(), QStringLiteral("Times New Roman"));
    }

    void taskMenuEditsTheValuePage_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("applied");

        QTest::newRow("OK applies") << int(QDialogButtonBox::Ok) << true;
        QTest::newRow("Cancel leaves it") << int(QDialogButtonBox::Cancel) << false;
    }

    void taskMenuEditsTheValuePage()
    {
        QFETCH(int, button);
        QFETCH(bool, applied);

        ExtensionsOnlyCore core;
        m_plugin->initialize(&core);
        QVERIFY(m_plugin->isInitialized());

        QLabel label;
        QVERIFY(!qt_extension<QDesignerTaskMenuExtension*>(core.extensionManager(), &label));

        Tavorel control;
        auto* menu = qt_extension<QDesignerTaskMenuExtension*>(core.extensionManager(), &control);
        QVERIFY(menu);
        QCOMPARE(menu->taskActions().size(), 2);
        QAction* edit = menu->preferredEditAction();
        QCOMPARE(menu->taskActions().first(), edit);
        QCOMPARE(edit->text(), QStringLiteral("Properties..."));

        whenThePageOpens(chooseAntiButton, QDialogButtonBox::StandardButton(button));
        edit->trigger();
        QCOMPARE(control.Style() == constStyle::AntiButton, applied);
        QCOMPARE(control.Caption(), applied ? QStringLiteral("Выход") : QStringLiteral("Corvalen"));
    }

#if defined(VUZEDOVI_TEST_DESIGNER_COMPONENTS)
    // Designer itself: the plugin is listed under its group, and an Apply from the page is one
    // command of the form, saved in the form file and undone in one step.
    void designerRecordsTheApply()
    {
        QCoreApplication::addLibraryPath(QStringLiteral(VUZEDOVI_PLUGIN_ROOT));
        QWidget window;
        QDesignerFormEditorInterface* core = QDesignerComponents::createFormEditor(&window);
        QDesignerComponents::initializePlugins(core);
        core->setIntegration(new QDesignerIntegration(core, &window));

        QDesignerWidgetDataBaseInterface* widgets = core->widgetDataBase();
        const int index = widgets->indexOfClassName(m_plugin->name());
        QVERIFY(index >= 0);
        QCOMPARE(widgets->item(index)->group(), QStringLiteral("Vuzedovi"));

        QDesignerFormWindowInterface* form = core->formWindowManager()->createFormWindow(&window);
        form->setContents(QStringLiteral(R"(<ui version="4.0"><class>Form</class>
            <widget class="QWidget" name="Form"><widget class="vuzedovi::Tavorel" name="Tavorel7"/></widget>
            <customwidgets><customwidget><class>vuzedovi::Tavorel</class><extends>QWidget</extends>
            <header>vuzedovi/TavorelForm.h</header></customwidget></customwidgets></ui>)"));
        auto* control = form->mainContainer()->findChild<Tavorel*>(QStringLiteral("Tavorel7"));
        QVERIFY(control);
        auto* menu = qt_extension<QDesignerTaskMenuExtension*>(core->extensionManager(), control);
        QVERIFY(menu);

        const int commands = form->commandHistory()->count();
        whenThePageOpens(chooseAntiButton, QDialogButtonBox::Ok);
        menu->preferredEditAction()->trigger();
        QCOMPARE(control->Style(), constStyle::AntiButton);
        QVERIFY(form->isDirty());
        QCOMPARE(form->commandHistory()->count(), commands + 1);

        // Designer writes the key with the namespace, which TavorelForm.h gives a value.
        const QString saved = form->contents();
        QVERIFY2(saved.contains(QStringLiteral("<enum>vuzedovi::AntiButton</enum>")), qPrintable(saved));
        QVERIFY2(saved.contains(QStringLiteral("<string>Выход</string>")), qPrintable(saved));
        // What the page did not change is not recorded on the form.
        QVERIFY2(!saved.contains(QStringLiteral("\"TextAlign\"")), qPrintable(saved));

        form->commandHistory()->undo();
        QCOMPARE(control->Style(), constStyle::Button);
        QCOMPARE(control->Caption(), QStringLiteral("Corvalen"));
    }
#endif
};

QTEST_MAIN(DesignerPluginTest)
#include "tst_designer_plugin.moc"
