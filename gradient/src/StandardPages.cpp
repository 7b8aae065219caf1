// The standard "Font" and "Color" pages. Each lists the control's properties of its kind, read
// from the control's own description (its QFont and its colour properties), so a property added
// to Tavorel shows here without a word more.
#include "vuzedovi/StandardPages.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDoubleValidator>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMetaProperty>
#include <QPixmap>
#include <QPushButton>
#include <QScopedValueRollback>

namespace vuzedovi {

namespace {

// Tavorel's properties of one type, in the order of its interface.
QList<const char*> propertiesOf(QMetaType type)
{
    QList<const char*> names;
    const QMetaObject& meta = Tavorel::staticMetaObject;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i)
        if (meta.property(i).metaType() == type)
            names << meta.property(i).name();
    return names;
}

const QList<const char*>& fontProperties()
{
    static const QList<const char*> names = propertiesOf(QMetaType::fromType<QFont>());
    return names;
}

const QList<const char*>& colorProperties()
{
    static const QList<const char*> names = propertiesOf(QMetaType::fromType<OleColor>());
    return names;
}

template <typename T>
T* named(T* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel* caption(QWidget* page, const char* name, const QString& text, QWidget* buddy)
{
    auto* label = named(new QLabel(text, page), name);
    label->setBuddy(buddy);
    return label;
}

// The list of the page's properties, each with its help text, the first one current.
QListWidget* propertyList(QWidget* page, const QList<const char*>& names)
{
    auto* list = named(new QListWidget(page), "lstProperties");
    for (const char* name : names) {
        auto* item = new QListWidgetItem(QLatin1String(name), list);
        item->setToolTip(description(name));
    }
    list->setCurrentRow(0);
    list->setMaximumWidth(150);
    return list;
}

OleColor oleColor(const QColor& colour)
{
    return OleColor(colour.red()) | OleColor(colour.green()) << 8 | OleColor(colour.blue()) << 16;
}

// As property browsers write a colour: &H00BBGGRR&, with the name of a system colour.
QString colourText(OleColor value)
{
    const QString hex = QStringLiteral("&H%1&").arg(value, 8, 16, QLatin1Char('0')).toUpper();
    const QString system = value & 0x80000000u ? systemColorName(int(value & 0x7FFFFFFFu)) : QString();
    return system.isEmpty() ? hex : system + QLatin1Char(' ') + hex;
}

QPixmap swatch(OleColor value, QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(QColor(translateColor(value)));
    return pixmap;
}

} // namespace

StandardFont::StandardFont(QWidget* parent)
    : PropertyPage("StandardFont", QStringLiteral("Font"), parent), m_fonts(fontProperties().size())
{
    m_properties = propertyList(this, fontProperties());
    m_family = named(new QComboBox(this), "cboFontName");
    m_family->setEditable(true);
    m_family->addItems(QFontDatabase::families());
    m_size = named(new QComboBox(this), "cboFontSize");
    m_size->setEditable(true);
    for (int size : {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72})
        m_size->addItem(QString::number(size));
    m_size->setValidator(new QDoubleValidator(1, 1638, 2, m_size));
    for (const char* name : {"chkBold", "chkItalic", "chkUnderline", "chkStrikeout"})
        m_effects.push_back(named(new QCheckBox(QLatin1String(name + 3), this), name));
    m_sample = named(new QLabel(QStringLiteral("AaBbЖжЯя"), this), "lblSample");
    m_sample->setMinimumHeight(48);

    auto* grid = new QGridLayout(this);
    grid->addWidget(caption(this, "lblProperties", QStringLiteral("Properties:"), m_properties), 0, 0);
    grid->addWidget(m_properties, 1, 0, 6, 1);
    grid->addWidget(caption(this, "lblFontName", QStringLiteral("Font:"), m_family), 0, 1);
    grid->addWidget(m_family, 1, 1);
    grid->addWidget(caption(this, "lblFontSize", QStringLiteral("Size:"), m_size), 0, 2);
    grid->addWidget(m_size, 1, 2);
    for (int i = 0; i < 4; ++i)
        grid->addWidget(m_effects[size_t(i)], 2 + i / 2, 1 + i % 2);
    grid->addWidget(m_sample, 4, 1, 1, 2);
    grid->setRowStretch(6, 1);
    grid->setColumnStretch(1, 1);

    const QString help = description(fontProperties().value(0));
    for (QWidget* field : std::initializer_list<QWidget*>{m_family, m_size, m_sample})
        field->setToolTip(help);
    for (QCheckBox* effect : m_effects) {
        effect->setToolTip(help);
        connect(effect, &QCheckBox::toggled, this, &StandardFont::fieldEdited);
    }
    connect(m_family, &QComboBox::currentTextChanged, this, &StandardFont::fieldEdited);
    connect(m_size, &QComboBox::currentTextChanged, this, &StandardFont::fieldEdited);
    connect(m_properties, &QListWidget::currentRowChanged, this, &StandardFont::showFont);
}

QFont& StandardFont::current() { return m_fonts[size_t(std::max(0, m_properties->currentRow()))]; }

void StandardFont::fill(const Tavorel& control)
{
    for (qsizetype i = 0; i < fontProperties().size(); ++i)
        m_fonts[size_t(i)] = control.property(fontProperties()[i]).value<QFont>();
    showFont();
}

void StandardFont::apply()
{
    for (qsizetype i = 0; i < fontProperties().size(); ++i)
        write(fontProperties()[i], m_fonts[size_t(i)]);
}

// The fields show the font of the property chosen in the list.
void StandardFont::showFont()
{
    const QScopedValueRollback<bool> showing(m_showing, true);
    const QFont& font = current();
    m_family->setCurrentText(font.family());
    m_size->setCurrentText(QString::number(font.pointSizeF()));
    const bool effects[] = {font.bold(), font.italic(), font.underline(), font.strikeOut()};
    for (size_t i = 0; i < m_effects.size(); ++i)
        m_effects[i]->setChecked(effects[i]);
    m_sample->setFont(font);
}

void StandardFont::fieldEdited()
{
    if (m_showing)
        return;
    QFont& font = current();
    font.setFamily(m_family->currentText());
    bool isNumber = false;
    if (const double size = m_size->currentText().toDouble(&isNumber); isNumber && size > 0)
        font.setPointSizeF(size);
    font.setBold(m_effects[0]->isChecked());
    font.setItalic(m_effects[1]->isChecked());
    font.setUnderline(m_effects[2]->isChecked());
    font.setStrikeOut(m_effects[3]->isChecked());
    m_sample->setFont(font);
    edited();
}

StandardColor::StandardColor(QWidget* parent)
    : PropertyPage("StandardColor", QStringLiteral("Color"), parent), m_colors(colorProperties().size())
{
    m_properties = propertyList(this, colorProperties());
    m_system = named(new QComboBox(this), "cboSystemColor");
    m_system->addItem(QStringLiteral("(none)"), -1);
    for (int index = 0; index < systemColorCount(); ++index)
        if (!systemColorName(index).isEmpty())
            m_system->addItem(systemColorName(index), index);
    m_swatch = named(new QLabel(this), "picColor");
    m_swatch->setFrameShape(QFrame::Box);
    m_swatch->setScaledContents(true);
    m_value = named(new QLabel(this), "lblColorValue");
    m_edit = named(new QPushButton(QStringLiteral("Edit..."), this), "cmdEdit");

    auto* grid = new QGridLayout(this);
    grid->addWidget(caption(this, "lblProperties", QStringLiteral("Properties:"), m_properties), 0, 0);
    grid->addWidget(m_properties, 1, 0, 5, 1);
    grid->addWidget(caption(this, "lblSystemColor", QStringLiteral("System color:"), m_system), 0, 1, 1, 2);
    grid->addWidget(m_system, 1, 1, 1, 2);
    grid->addWidget(m_swatch, 2, 1);
    grid->addWidget(m_edit, 2, 2);
    grid->addWidget(m_value, 3, 1, 1, 2);
    grid->setRowStretch(5, 1);
    grid->setColumnStretch(1, 1);

    connect(m_properties, &QListWidget::currentRowChanged, this, &StandardColor::showColor);
    connect(m_system, &QComboBox::currentIndexChanged, this, &StandardColor::systemColorChosen);
    connect(m_edit, &QPushButton::clicked, this, &StandardColor::pick);
}

OleColor& StandardColor::current() { return m_colors[size_t(std::max(0, m_properties->currentRow()))]; }

void StandardColor::fill(const Tavorel& control)
{
    for (qsizetype i = 0; i < colorProperties().size(); ++i) {
        m_colors[size_t(i)] = control.property(colorProperties()[i]).value<OleColor>();
        m_properties->item(int(i))->setIcon(swatch(m_colors[size_t(i)], {16, 16}));
    }
    showColor();
}

// Every colour is written back as the page holds it, a system colour as its system colour.
void StandardColor::apply()
{
    for (qsizetype i = 0; i < colorProperties().size(); ++i)
        write(colorProperties()[i], QVariant::fromValue(m_colors[size_t(i)]));
}

// The fields show the colour of the property chosen in the list, and its help text.
void StandardColor::showColor()
{
    const QScopedValueRollback<bool> showing(m_showing, true);
    const OleColor value = current();
    m_swatch->setPixmap(swatch(value, {64, 24}));
    m_value->setText(colourText(value));
    const int system = value & 0x80000000u ? m_system->findData(int(value & 0x7FFFFFFFu)) : -1;
    m_system->setCurrentIndex(std::max(0, system));
    const QString help = description(colorProperties().value(m_properties->currentRow()));
    for (QWidget* field : std::initializer_list<QWidget*>{m_system, m_swatch, m_value, m_edit})
        field->setToolTip(help);
}

void StandardColor::pick()
{
    QColorDialog picker(QColor(translateColor(current())), this);
    picker.setObjectName(QStringLiteral("dlgColor"));
    picker.setWindowTitle(m_properties->currentItem()->text());
    if (picker.exec() == QDialog::Accepted)
        set(oleColor(picker.selectedColor()));
}

// A system colour chosen by name; "(none)" turns a system colour into the colour it shows now.
void StandardColor::systemColorChosen(int item)
{
    if (m_showing || item < 0)
        return;
    const int index = m_system->itemData(item).toInt();
    set(index >= 0 ? 0x80000000u | OleColor(index) : oleColor(QColor(translateColor(current()))));
}

void StandardColor::set(OleColor value)
{
    current() = value;
    m_properties->currentItem()->setIcon(swatch(value, {16, 16}));
    showColor();
    edited();
}

} // namespace vuzedovi
