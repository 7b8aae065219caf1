#include "Controls.h"

#include "Colours.h"
#include "ScreenKit.h"

#include <QFont>
#include <QLabel>

namespace {
using vuzedovi::PropertyBag;

constexpr int PanelUp = int(vuzedovi::constStyle::PanelUp);
constexpr int PanelFlat = int(vuzedovi::constStyle::PanelFlat);
constexpr int MiddleTop = int(vuzedovi::constAlign::MiddleTop);
constexpr int LeftMiddle = int(vuzedovi::constAlign::LeftMiddle);
constexpr int MoveFormControl = int(vuzedovi::constMoveControl::MoveForm);
constexpr int MoveMeControl = int(vuzedovi::constMoveControl::MoveMe);
constexpr int Vertical = int(vuzedovi::constOrientation::Vertical);
} // namespace

// Only values that differ from the control's stored defaults are kept, as a saved form would
// hold them; yellow captions and the centred button text are the defaults.
namespace {
// What every Tavorel of the game stores: the scheme's gradient, its font and its caption.
PropertyBag schemeProperties(const QString& caption, int fontPoints)
{
    return {{"colorstart", quint32(DesignColours::PanelStart)},
            {"colorend", quint32(DesignColours::PanelEnd)},
            {"font", QVariant::fromValue(tavorelFont(fontPoints))},
            {"caption", caption}};
}
} // namespace

PropertyBag panelProperties(const QString& caption)
{
    PropertyBag bag = schemeProperties(caption, 10);
    bag.write(QStringLiteral("textalign"), MiddleTop);
    bag.write(QStringLiteral("style"), PanelUp);
    bag.write(QStringLiteral("movecontrol"), MoveMeControl);
    return bag;
}

PropertyBag buttonProperties(const QString& caption)
{
    return schemeProperties(caption, 12);
}

PropertyBag titleBarProperties(const QString& caption)
{
    PropertyBag bag = schemeProperties(caption, 12);
    bag.write(QStringLiteral("gradientorientation"), Vertical);
    bag.write(QStringLiteral("textalign"), LeftMiddle);
    bag.write(QStringLiteral("style"), PanelFlat);
    bag.write(QStringLiteral("movecontrol"), MoveFormControl);
    return bag;
}

QWidget* controlNamed(QWidget* root, const char* name)
{
    if (!name)
        return root;
    return root->findChild<QWidget*>(QString::fromLatin1(name));
}

QWidget* createTavorel(QWidget* root, const TavorelRow& row)
{
    QWidget* parent = controlNamed(root, row.parent);
    Q_ASSERT(parent);
    QWidget* control = vuzedovi::createControl(QString::fromLatin1(vuzedovi::ProgId), parent);
    Q_ASSERT(control);
    control->setObjectName(QString::fromLatin1(row.name));
    if (vuzedovi::Tavorel* created = tavorel(control))
        created->ReadProperties(row.properties);
    control->setGeometry(row.geometry);
    // Panels report MouseMove while the pointer merely passes over them.
    control->setMouseTracking(true);
    return control;
}

void createTavorels(QWidget* root, const std::vector<TavorelRow>& rows)
{
    for (const TavorelRow& row : rows)
        createTavorel(root, row);
}

QLabel* createLabel(QWidget* root, const LabelRow& row)
{
    QWidget* parent = controlNamed(root, row.parent);
    Q_ASSERT(parent);
    auto* label = new QLabel(QString::fromUtf8(row.caption), parent);
    label->setObjectName(QString::fromLatin1(row.name));
    // Labels show names the player typed: as text, never as markup or a picture to load.
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(row.geometry);
    setBackColour(label, DesignColours::LabelBack);
    setForeColour(label, DesignColours::LabelText);
    label->setMouseTracking(true);
    QFont font = label->font();
    switch (row.kind) {
    case LabelKind::Caption:
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        break;
    case LabelKind::Value:
        font.setBold(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setIndent(4);
        break;
    case LabelKind::Large:
        font.setBold(true);
        font.setPointSize(font.pointSize() * 2);
        label->setAlignment(Qt::AlignCenter);
        break;
    case LabelKind::Centred:
        font.setBold(true);
        label->setAlignment(Qt::AlignCenter);
        break;
    }
    label->setFont(font);
    return label;
}

void createLabels(QWidget* root, const std::vector<LabelRow>& rows)
{
    for (const LabelRow& row : rows)
        createLabel(root, row);
}

void setCaption(QWidget* control, const QString& text)
{
    if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
    else
        control->setProperty("Caption", text);
}

void setElidedCaption(QLabel* label, const QString& text)
{
    const int room = label->contentsRect().width() - label->indent();
    label->setText(label->fontMetrics().elidedText(text, Qt::ElideRight, room));
    label->setToolTip(text);
    label->setAccessibleName(text);
}

QString caption(const QWidget* control)
{
    if (auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    return control->property("Caption").toString();
}
