// The property page "Vuzedovi Value" and its property-pages dialog.
#include "vuzedovi/GradientValue.h"
#include "vuzedovi/StandardPages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMetaEnum>
#include <QMetaProperty>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace vuzedovi {

namespace {

enum class Kind { Text, List, Check };

// One control of the page and the property it edits. Lists hold the property's enumeration,
// list index = value.
struct Field {
    Kind kind;
    const char* control;
    const char* label;    // the caption label's name; check boxes carry their own caption
    const char* caption;
    const char* property;
    int column;           // where the page places it: column and row of its grid
    int row;
};

// In the order the page is filled and applied.
constexpr Field Fields[] = {
    {Kind::Text, "txtCaption", "lblCaption", "Caption:", "Caption", 0, 0},
    {Kind::List, "cboGradientOrientation", "Label1", "GradientOrientation:", "GradientOrientation", 0, 1},
    {Kind::List, "cboTextOrientation", "Label2", "TextOrientation:", "TextOrientation", 0, 2},
    {Kind::List, "cboTextAlign", "Label3", "TextAlign:", "TextAlign", 0, 3},
    {Kind::List, "cboStyle", "Label4", "Style:", "Style", 0, 4},
    {Kind::List, "cboInternetLink", "Label5", "InternetLink:", "InternetLink", 1, 1},
    {Kind::Check, "chkGradient", nullptr, "Vuzedovi", "Vuzedovi", 1, 4},
    {Kind::Check, "chkAutoSize", nullptr, "AutoSize", "AutoSize", 1, 5},
    {Kind::List, "cboMoveControl", "Label6", "MoveControl:", "MoveControl", 1, 2},
    {Kind::List, "cboText3D", "Label7", "Text3D:", "Text3D", 1, 3},
};

QMetaEnum enumerationOf(const char* property)
{
    const QMetaObject& meta = Tavorel::staticMetaObject;
    return meta.property(meta.indexOfProperty(property)).enumerator();
}

} // namespace

GradientValue::GradientValue(QWidget* parent)
    : PropertyPage("GradientValue", QStringLiteral("Vuzedovi Value"), parent)
{
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(8);
    for (const Field& field : Fields) {
        QWidget* editor = nullptr;
        switch (field.kind) {
        case Kind::Text: {
            auto* text = new QLineEdit(this);
            connect(text, &QLineEdit::textChanged, this, &GradientValue::edited);
            editor = text;
            break;
        }
        case Kind::List: {
            auto* list = new QComboBox(this);
            const QMetaEnum items = enumerationOf(field.property);
            for (int value = 0; items.valueToKey(value); ++value)
                list->addItem(QLatin1String(items.valueToKey(value)));
            // A change of item is an edit; choosing again the item shown is none, so it does
            // not enable Apply for nothing.
            connect(list, &QComboBox::currentIndexChanged, this, &GradientValue::edited);
            editor = list;
            break;
        }
        case Kind::Check: {
            auto* check = new QCheckBox(QLatin1String(field.caption), this);
            connect(check, &QCheckBox::toggled, this, &GradientValue::edited);
            editor = check;
            break;
        }
        }
        editor->setObjectName(QLatin1String(field.control));
        editor->setToolTip(description(field.property));
        // Each cell is a caption over its editor; the caption spans the page.
        auto* cell = new QVBoxLayout;
        cell->setSpacing(2);
        if (field.label) {
            auto* label = new QLabel(QLatin1String(field.caption), this);
            label->setObjectName(QLatin1String(field.label));
            label->setBuddy(editor);
            cell->addWidget(label);
        }
        cell->addWidget(editor);
        if (field.kind == Kind::Text)
            grid->addLayout(cell, field.row, 0, 1, 2);
        else
            grid->addLayout(cell, field.row, field.column);
    }
    grid->setRowStretch(6, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
}

void GradientValue::fill(const Tavorel& control)
{
    for (const Field& field : Fields) {
        const QVariant value = control.property(field.property);
        switch (field.kind) {
        case Kind::Text:
            findChild<QLineEdit*>(QLatin1String(field.control))->setText(value.toString());
            break;
        case Kind::List: {
            // A stored value outside the enumeration selects no item.
            auto* list = findChild<QComboBox*>(QLatin1String(field.control));
            const int index = value.toInt();
            list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
            break;
        }
        case Kind::Check:
            findChild<QCheckBox*>(QLatin1String(field.control))->setChecked(value.toBool());
            break;
        }
    }
}

void GradientValue::apply()
{
    for (const Field& field : Fields) {
        switch (field.kind) {
        case Kind::Text:
            write(field.property, findChild<QLineEdit*>(QLatin1String(field.control))->text());
            break;
        case Kind::List: {
            // A list that shows no item (its stored value is outside the enumeration and was
            // not chosen anew) leaves the property as it is.
            const int index = findChild<QComboBox*>(QLatin1String(field.control))->currentIndex();
            if (index >= 0)
                write(field.property, index);
            break;
        }
        case Kind::Check:
            write(field.property, findChild<QCheckBox*>(QLatin1String(field.control))->isChecked());
            break;
        }
    }
}

GradientValueDialog::GradientValueDialog(const QList<Tavorel*>& selectedControls, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmPropertyPages"));
    const Tavorel* first = selectedControls.isEmpty() ? nullptr : selectedControls.first();
    setWindowTitle(first && !first->objectName().isEmpty()
                       ? QStringLiteral("%1 Properties").arg(first->objectName())
                       : QStringLiteral("Property Pages"));

    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("tabPages"));
    m_page = new GradientValue(tabs);
    m_pages = {m_page, new StandardFont(tabs), new StandardColor(tabs)};

    m_buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
    QPushButton* apply = m_buttons->button(QDialogButtonBox::Apply);
    apply->setEnabled(false);
    for (PropertyPage* page : m_pages) {
        tabs->addTab(page, page->windowTitle());
        connect(page, &PropertyPage::ChangedChanged, apply, [this, apply] {
            apply->setEnabled(std::any_of(m_pages.begin(), m_pages.end(),
                                          [](const PropertyPage* p) { return p->Changed(); }));
        });
        page->SelectionChanged(selectedControls);
    }
    connect(apply, &QPushButton::clicked, this, &GradientValueDialog::applyChangedPages);
    connect(m_buttons, &QDialogButtonBox::accepted, this, [this] {
        applyChangedPages();
        accept();
    });
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(m_buttons);
}

void GradientValueDialog::setPropertyWriter(const PropertyPage::PropertyWriter& writer)
{
    for (PropertyPage* page : m_pages)
        page->setPropertyWriter(writer);
}

void GradientValueDialog::applyChangedPages()
{
    bool any = false;
    for (PropertyPage* page : m_pages) {
        if (page->Changed()) {
            page->ApplyChanges();
            any = true;
        }
    }
    if (any)
        emit applied();
}

} // namespace vuzedovi
