// The property bag and the control's stored property set.
#include <QApplication>

#include <type_traits>
#include <vector>

#include "TavorelPrivate.h"

namespace vuzedovi {

PropertyBag::PropertyBag(std::initializer_list<QPair<QString, QVariant>> entries)
{
    for (const auto& entry : entries)
        write(entry.first, entry.second);
}

QVariant PropertyBag::read(const QString& key, const QVariant& storedDefault) const
{
    for (const auto& entry : m_entries)
        if (entry.first.compare(key, Qt::CaseInsensitive) == 0)
            return entry.second;
    return storedDefault;
}

void PropertyBag::write(const QString& key, const QVariant& value)
{
    for (auto& entry : m_entries) {
        if (entry.first.compare(key, Qt::CaseInsensitive) == 0) {
            entry.second = value;
            return;
        }
    }
    m_entries.append({key, value});
}

bool PropertyBag::contains(const QString& key) const
{
    for (const auto& entry : m_entries)
        if (entry.first.compare(key, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QStringList PropertyBag::keys() const
{
    QStringList result;
    for (const auto& entry : m_entries)
        result.append(entry.first);
    return result;
}

namespace {

template <typename T>
T fromVariant(const QVariant& value)
{
    if constexpr (std::is_enum_v<T>)
        return static_cast<T>(value.toInt());  // values outside the enumeration are kept
    else if constexpr (std::is_same_v<T, OleColor>)
        return OleColor(value.toLongLong());   // a stored int keeps its bit pattern
    else if constexpr (std::is_same_v<T, QFont>)
        return value.metaType() == QMetaType::fromType<QString>() ? [&] {
            QFont font;
            font.fromString(value.toString());
            return font;
        }() : value.value<QFont>();
    else
        return value.value<T>();
}

template <typename T>
QVariant toVariant(const T& value)
{
    if constexpr (std::is_enum_v<T>)
        return int(value);
    else
        return QVariant::fromValue(value);
}

bool sameFont(const QFont& a, const QFont& b)
{
    return a.family() == b.family() && a.pointSizeF() == b.pointSizeF() && a.bold() == b.bold()
        && a.italic() == b.italic() && a.underline() == b.underline() && a.strikeOut() == b.strikeOut();
}

struct StoredProperty {
    const char* key;
    QVariant storedDefault;  // invalid for Font, whose default is the container's font
    void (*load)(TavorelState&, const QVariant&);
    QVariant (*save)(const TavorelState&);
};

template <auto Member>
void loadField(TavorelState& state, const QVariant& value)
{
    using T = std::remove_reference_t<decltype(state.*Member)>;
    state.*Member = fromVariant<T>(value);
}

template <auto Member>
QVariant saveField(const TavorelState& state)
{
    return toVariant(state.*Member);
}

template <auto Member>
StoredProperty stored(const char* key, QVariant storedDefault)
{
    return {key, std::move(storedDefault), &loadField<Member>, &saveField<Member>};
}

// The stored keys in the order they are read and written, with their stored defaults.
const std::vector<StoredProperty>& storedProperties()
{
    using S = TavorelState;
    static const std::vector<StoredProperty> table{
        stored<&S::colorStart>("ColorStart", OleColor(0)),
        stored<&S::colorEnd>("ColorEnd", OleColor(0xFFFFFF)),
        stored<&S::font>("Font", QVariant()),
        stored<&S::caption>("Caption", QStringLiteral("Corvalen")),
        stored<&S::gradientOrientation>("GradientOrientation", 0),
        stored<&S::textOrientation>("TextOrientation", 0),
        stored<&S::textAlign>("TextAlign", 4),
        stored<&S::backColor>("BackColor", OleColor(0x8000000F)),
        stored<&S::style>("Style", 0),
        stored<&S::vuzedovi>("Vuzedovi", true),
        stored<&S::internetLink>("InternetLink", 0),
        stored<&S::moveControl>("MoveControl", 0),
        stored<&S::autoSize>("AutoSize", false),
        stored<&S::text3D>("Text3D", 0),
        stored<&S::colorShadow>("ColorShadow", OleColor(0xFFFFFF)),
        stored<&S::foreColor>("ForeColor", OleColor(0xFFFF)),
    };
    return table;
}

// The container's ambient font: its parent's font, or the application's.
QFont ambientFont(const QWidget& control)
{
    return control.parentWidget() ? control.parentWidget()->font() : QApplication::font();
}

} // namespace

void Tavorel::ReadProperties(const PropertyBag& bag)
{
    const QString caption = d->caption;
    const constStyle style = d->style;
    for (const StoredProperty& property : storedProperties()) {
        const QString key = QLatin1String(property.key);
        const QVariant fallback = property.storedDefault.isValid()
            ? property.storedDefault
            : QVariant::fromValue(ambientFont(*this));
        property.load(*d, bag.read(key, fallback));
    }
    followStyle(*this, style);
    if (d->caption != caption)
        announceNameChange(*this);
}

void Tavorel::WriteProperties(PropertyBag& bag) const
{
    for (const StoredProperty& property : storedProperties()) {
        const QVariant value = property.save(*d);
        const bool isDefault = property.storedDefault.isValid()
            ? value == property.storedDefault
            : sameFont(value.value<QFont>(), ambientFont(*this));
        if (!isDefault)
            bag.write(QLatin1String(property.key), value);
    }
}

} // namespace vuzedovi
