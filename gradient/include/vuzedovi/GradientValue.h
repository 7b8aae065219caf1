// GradientValue: the property page "Vuzedovi Value" that edits a Tavorel's caption and its
// enumerated and Boolean properties, and a dialog that shows it with OK, Cancel and Apply.
// Fonts and colours are left to the host's own editors.
#pragma once

#include <QDialog>
#include <QList>
#include <QPointer>
#include <QVariant>
#include <QWidget>

#include <functional>

#include "vuzedovi/Tavorel.h"

class QDialogButtonBox;

namespace vuzedovi {

class VUZEDOVI_EXPORT GradientValue : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool Changed READ Changed NOTIFY ChangedChanged)

public:
    explicit GradientValue(QWidget* parent = nullptr);

    // How Apply assigns one property of the control; the default is QObject::setProperty,
    // which runs the control's own assignment. A design environment passes its own, so that
    // the change is recorded on its form.
    using PropertyWriter = std::function<void(Tavorel& control, const char* name, const QVariant& value)>;
    void setPropertyWriter(PropertyWriter writer);

    // The environment shows the page for a new selection: fill it from the first control.
    void SelectionChanged(const QList<Tavorel*>& selectedControls);
    QList<Tavorel*> SelectedControls() const;

    // The environment's Apply or OK: write the page into the first selected control.
    void ApplyChanges();

    // True once a real edit was made since the page was filled or applied.
    bool Changed() const;

signals:
    void ChangedChanged(bool changed);

private:
    void edited();
    void setChanged(bool changed);

    QList<QPointer<Tavorel>> m_selected;
    PropertyWriter m_writer;
    bool m_loading = false;  // set while the page fills its controls from a control
    bool m_changed = false;
};

// The page in a property-pages dialog: OK applies a changed page and closes, Cancel closes,
// Apply applies and stays (enabled only while the page has changes).
class VUZEDOVI_EXPORT GradientValueDialog : public QDialog {
    Q_OBJECT

public:
    explicit GradientValueDialog(const QList<Tavorel*>& selectedControls, QWidget* parent = nullptr);

    GradientValue* page() const { return m_page; }

private:
    GradientValue* m_page = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};

} // namespace vuzedovi
