// What every property page shares: the selection, the loading flag, the changed mark, Apply.
#include "vuzedovi/PropertyPage.h"

#include <QScopedValueRollback>

namespace vuzedovi {

namespace {

void writeByProperty(Tavorel& control, const char* name, const QVariant& value)
{
    control.setProperty(name, value);
}

} // namespace

PropertyPage::PropertyPage(const char* name, const QString& caption, QWidget* parent)
    : QWidget(parent), m_writer(writeByProperty)
{
    setObjectName(QLatin1String(name));
    setWindowTitle(caption);
}

void PropertyPage::setPropertyWriter(PropertyWriter writer)
{
    m_writer = writer ? std::move(writer) : PropertyWriter(writeByProperty);
}

QList<Tavorel*> PropertyPage::SelectedControls() const
{
    QList<Tavorel*> controls;
    for (const QPointer<Tavorel>& control : m_selected)
        if (control)
            controls.append(control);
    return controls;
}

void PropertyPage::SelectionChanged(const QList<Tavorel*>& selectedControls)
{
    m_selected.clear();
    for (Tavorel* control : selectedControls)
        m_selected.append(control);
    if (const Tavorel* first = m_selected.isEmpty() ? nullptr : m_selected.first().data()) {
        const QScopedValueRollback<bool> loading(m_loading, true);
        fill(*first);
    }
}

void PropertyPage::ApplyChanges()
{
    m_target = m_selected.isEmpty() ? nullptr : m_selected.first();
    if (m_target)
        apply();
    m_target = nullptr;
    setChanged(false);
}

void PropertyPage::write(const char* property, const QVariant& value)
{
    if (m_target)
        m_writer(*m_target, property, value);
}

bool PropertyPage::Changed() const { return m_changed; }

void PropertyPage::edited()
{
    if (!m_loading)
        setChanged(true);
}

void PropertyPage::setChanged(bool changed)
{
    if (m_changed == changed)
        return;
    m_changed = changed;
    emit ChangedChanged(changed);
}

} // namespace vuzedovi
