// GradientValue: the property page "Vuzedovi Value" that edits a Tavorel's caption and its
// enumerated and Boolean properties, and the property-pages dialog that shows it with the
// standard font and colour pages (StandardPages.h), with OK, Cancel and Apply.
#pragma once

#include <QDialog>
#include <QList>

#include "vuzedovi/PropertyPage.h"

class QDialogButtonBox;

namespace vuzedovi {

class VUZEDOVI_EXPORT GradientValue : public PropertyPage {
    Q_OBJECT

public:
    explicit GradientValue(QWidget* parent = nullptr);

protected:
    void fill(const Tavorel& control) override;
    void apply() override;
};

// The pages offered for a Tavorel, in this order: "Vuzedovi Value", "Font" and "Color", each
// on its tab. OK applies the changed pages and closes, Cancel closes, Apply applies and stays
// (enabled only while a page has changes).
class VUZEDOVI_EXPORT GradientValueDialog : public QDialog {
    Q_OBJECT

public:
    explicit GradientValueDialog(const QList<Tavorel*>& selectedControls, QWidget* parent = nullptr);

    GradientValue* page() const { return m_page; }
    QList<PropertyPage*> pages() const { return m_pages; }
    // Gives every page the writer (PropertyPage::setPropertyWriter).
    void setPropertyWriter(const PropertyPage::PropertyWriter& writer);

signals:
    // The changed pages were written into the control (Apply or OK).
    void applied();

private:
    void applyChangedPages();

    GradientValue* m_page = nullptr;
    QList<PropertyPage*> m_pages;
    QDialogButtonBox* m_buttons = nullptr;
};

} // namespace vuzedovi
