#include "TavorelPlugin.h"

#include <QAction>
#include <QIcon>
#include <QMetaProperty>
#include <QPointer>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerFormWindowCursorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>
#include <QtDesigner/QExtensionManager>

#include <memory>

#include "vuzedovi/GradientValue.h"
#include "vuzedovi/Tavorel.h"

namespace vuzedovi {

namespace {

bool sameValue(const QVariant& current, const QVariant& value)
{
    if (current.metaType().flags().testFlag(QMetaType::IsEnumeration))
        return current.toInt() == value.toInt();
    return current == value;
}

// Apply on a form goes through the form, so that Designer records it (undo, the property
// editor, the saved form) as one command; a value that does not change is not recorded.
class FormWriter {
public:
    explicit FormWriter(QDesignerFormWindowInterface* form) : m_form(form) {}

    void write(Tavorel& control, const char* name, const QVariant& value)
    {
        if (sameValue(control.property(name), value))
            return;
        if (!m_form) {
            control.setProperty(name, value);
            return;
        }
        if (!m_commandOpen) {
            m_form->beginCommand(QStringLiteral("Vuzedovi Value"));
            m_commandOpen = true;
        }
        m_form->cursor()->setWidgetProperty(&control, QString::fromLatin1(name), value);
    }

    void applied()
    {
        if (m_commandOpen && m_form)
            m_form->endCommand();
        m_commandOpen = false;
    }

private:
    QPointer<QDesignerFormWindowInterface> m_form;
    bool m_commandOpen = false;
};

} // namespace

TavorelPlugin::TavorelPlugin(QObject* parent) : QObject(parent) {}

QString TavorelPlugin::name() const { return QLatin1String(Tavorel::staticMetaObject.className()); }
QString TavorelPlugin::group() const { return QStringLiteral("Vuzedovi"); }
QString TavorelPlugin::toolTip() const { return QLatin1String(LibraryDescription); }

QString TavorelPlugin::whatsThis() const
{
    return QStringLiteral("Tavorel: a button, toggle, panel, link or drag handle painted with a two-colour "
                          "gradient, a caption with an optional shadow and a raised, sunken or flat frame. "
                          "Right-click it for its property pages (Vuzedovi Value, Font, Color) and its "
                          "About box. The property editor's tooltips give each property's help text.");
}

// Forms include the header that also names the enumeration values the way Designer writes them.
QString TavorelPlugin::includeFile() const { return QStringLiteral("vuzedovi/TavorelForm.h"); }

QIcon TavorelPlugin::icon() const { return QIcon(QStringLiteral(":/vuzedovi/designer/tavorel.png")); }

bool TavorelPlugin::isContainer() const { return false; }

QWidget* TavorelPlugin::createWidget(QWidget* parent) { return createControl(QLatin1String(ProgId), parent); }

bool TavorelPlugin::isInitialized() const { return !m_core.isNull(); }

// Designer initializes the plugin once; a host that makes a new form editor later initializes
// it again for that one.
void TavorelPlugin::initialize(QDesignerFormEditorInterface* core)
{
    if (!core || core == m_core)
        return;
    if (QExtensionManager* manager = core->extensionManager())
        manager->registerExtensions(new TavorelTaskMenuFactory(manager), Q_TYPEID(QDesignerTaskMenuExtension));
    m_core = core;
}

// The widget box's entry, and the help text of each property for the property editor's tooltips.
QString TavorelPlugin::domXml() const
{
    QString tooltips;
    const QMetaObject& meta = Tavorel::staticMetaObject;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
        const char* property = meta.property(i).name();
        tooltips += QStringLiteral("    <tooltip name=\"%1\">%2</tooltip>\n")
                        .arg(QLatin1String(property), description(property).toHtmlEscaped());
    }
    return QStringLiteral(R"(<ui language="c++" displayname="Tavorel">
 <widget class="%1" name="Tavorel1">
  <property name="geometry">
   <rect><x>0</x><y>0</y><width>100</width><height>32</height></rect>
  </property>
 </widget>
 <customwidgets>
  <customwidget>
   <class>%1</class>
   <propertyspecifications>
%2   </propertyspecifications>
  </customwidget>
 </customwidgets>
</ui>
)").arg(name(), tooltips);
}

TavorelTaskMenu::TavorelTaskMenu(Tavorel* control, QObject* parent)
    : QObject(parent), m_control(control), m_editValue(new QAction(QStringLiteral("Properties..."), this)),
      m_about(new QAction(QStringLiteral("About..."), this))
{
    m_editValue->setObjectName(QStringLiteral("actProperties"));
    m_about->setObjectName(QStringLiteral("actAbout"));
    connect(m_editValue, &QAction::triggered, this, &TavorelTaskMenu::editValue);
    connect(m_about, &QAction::triggered, m_control, &Tavorel::About);
}

QAction* TavorelTaskMenu::preferredEditAction() const { return m_editValue; }

QList<QAction*> TavorelTaskMenu::taskActions() const { return {m_editValue, m_about}; }

void TavorelTaskMenu::editValue()
{
    QDesignerFormWindowInterface* form = QDesignerFormWindowInterface::findFormWindow(m_control);
    // The control whose menu this is comes first; the page writes only the first.
    QList<Tavorel*> selection{m_control};
    if (form) {
        QDesignerFormWindowCursorInterface* cursor = form->cursor();
        for (int i = 0; i < cursor->selectedWidgetCount(); ++i)
            if (auto* other = qobject_cast<Tavorel*>(cursor->selectedWidget(i)); other && other != m_control)
                selection.append(other);
    }
    GradientValueDialog dialog(selection, form ? static_cast<QWidget*>(form) : m_control->window());
    auto writer = std::make_shared<FormWriter>(form);
    dialog.setPropertyWriter([writer](Tavorel& control, const char* name, const QVariant& value) {
        writer->write(control, name, value);
    });
    connect(&dialog, &GradientValueDialog::applied, &dialog, [writer] { writer->applied(); });
    dialog.exec();
    writer->applied();
}

TavorelTaskMenuFactory::TavorelTaskMenuFactory(QExtensionManager* parent) : QExtensionFactory(parent) {}

QObject* TavorelTaskMenuFactory::createExtension(QObject* object, const QString& iid, QObject* parent) const
{
    if (iid != QLatin1String(Q_TYPEID(QDesignerTaskMenuExtension)))
        return nullptr;
    if (auto* control = qobject_cast<Tavorel*>(object))
        return new TavorelTaskMenu(control, parent);
    return nullptr;
}

} // namespace vuzedovi
