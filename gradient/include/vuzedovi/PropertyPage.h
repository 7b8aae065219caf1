// PropertyPage: what every property page of a Tavorel shares. A design environment shows the
// page for a selection: the page fills itself from the first control (SelectionChanged), marks
// itself changed on the first real edit, and on Apply writes itself into the first control only,
// also when several are selected. Filling is no edit.
#pragma once

#include <QList>
#include <QPointer>
#include <QVariant>
#include <QWidget>

#include <functional>

#include "vuzedovi/Tavorel.h"

namespace vuzedovi {

class VUZEDOVI_EXPORT PropertyPage : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool Changed READ Changed NOTIFY ChangedChanged)

public:
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

protected:
    // The page's object name and the caption its tab shows.
    PropertyPage(const char* name, const QString& caption, QWidget* parent);

    virtual void fill(const Tavorel& control) = 0;
    // Writes every value of the page with write(), in the page's order.
    virtual void apply() = 0;
    // Assigns one property of the control being applied; nothing once that control is gone.
    void write(const char* property, const QVariant& value);
    // An edit of the page's fields: marks it changed, unless the page is filling itself.
    void edited();

private:
    void setChanged(bool changed);

    QList<QPointer<Tavorel>> m_selected;
    QPointer<Tavorel> m_target;
    PropertyWriter m_writer;
    bool m_loading = false;  // set while the page fills its fields from a control
    bool m_changed = false;
};

} // namespace vuzedovi
