// Tavorel in Qt Designer: the widget box entry under "Vuzedovi" with the help texts of its
// properties, and the task-menu entries that edit the selected control on its property pages
// ("Vuzedovi Value", "Font", "Color") and show the library's About box.
#pragma once

#include <QObject>
#include <QPointer>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <QtDesigner/QDesignerTaskMenuExtension>
#include <QtDesigner/QExtensionFactory>

class QAction;

namespace vuzedovi {

class Tavorel;

class TavorelPlugin : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetInterface")
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    explicit TavorelPlugin(QObject* parent = nullptr);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override;
    QWidget* createWidget(QWidget* parent) override;
    bool isInitialized() const override;
    void initialize(QDesignerFormEditorInterface* core) override;
    QString domXml() const override;

private:
    QPointer<QDesignerFormEditorInterface> m_core;
};

// The task menu of one control on a form.
class TavorelTaskMenu : public QObject, public QDesignerTaskMenuExtension {
    Q_OBJECT
    Q_INTERFACES(QDesignerTaskMenuExtension)

public:
    TavorelTaskMenu(Tavorel* control, QObject* parent);

    QAction* preferredEditAction() const override;
    QList<QAction*> taskActions() const override;

private:
    void editValue();

    Tavorel* m_control = nullptr;
    QAction* m_editValue = nullptr;
    QAction* m_about = nullptr;
};

class TavorelTaskMenuFactory : public QExtensionFactory {
    Q_OBJECT

public:
    explicit TavorelTaskMenuFactory(QExtensionManager* parent = nullptr);

protected:
    QObject* createExtension(QObject* object, const QString& iid, QObject* parent) const override;
};

} // namespace vuzedovi
