#include "CatalogueLabels.h"

#include "Colours.h"
#include "Controls.h"
#include "LabelClick.h"
#include "ScreenKit.h"

#include <QLabel>
#include <QMouseEvent>
#include <QStringList>
#include <QWidget>

#include <vuzedovi/Tavorel.h>

CatalogueLabels::CatalogueLabels(QWidget* screen, std::function<void()> panelMoved)
    : QObject(screen), m_screen(screen), m_panelMoved(std::move(panelMoved)),
      m_described(QAccessible::isActive())
{
    QAccessible::installActivationObserver(this);
    // A hidden screen is not read: its labels are described again as it comes back.
    screen->installEventFilter(this);
}

CatalogueLabels::~CatalogueLabels()
{
    QAccessible::removeActivationObserver(this);
}

QString catalogueDescription(std::initializer_list<QString> texts)
{
    QStringList shown;
    for (const QString& text : texts) {
        if (!text.isEmpty())
            shown.append(shownLines(text));
    }
    return shown.join(QChar('\n'));
}

void CatalogueLabels::accessibilityActiveChanged(bool active)
{
    m_described = active;
    describe();
}

void CatalogueLabels::describe(QWidget* label, const CatalogueTable& table, int row) const
{
    const QString text = label->isEnabled() ? table.describe(row) : QString();
    if (label->accessibleDescription() != text)
        label->setAccessibleDescription(text);
}

void CatalogueLabels::describe() const
{
    if (!m_described || !m_screen->isVisible())
        return;
    for (size_t t = 0; t < m_tables.size(); ++t) {
        if (!m_tables[t].describe)
            continue;
        for (size_t row = 0; row < m_labels[t].size(); ++row) {
            if (QWidget* label = m_labels[t][row])
                describe(label, m_tables[t], int(row));
        }
    }
}

void CatalogueLabels::add(CatalogueTable table)
{
    const size_t t = m_labels.size();
    auto& found = m_labels.emplace_back();
    for (const QString& name : table.labels) {
        auto* label = m_screen->findChild<QWidget*>(name);
        if (label) {
            label->setMouseTracking(true);
            label->installEventFilter(this);
            // Without a mouse: the keyboard's focus points at the label, a key presses it.
            const Place place{t, int(found.size())};
            onLabelPress(qobject_cast<QLabel*>(label), [this, place] { press(place); },
                         {[this, label, place] { point(label, place); }, m_panelMoved});
        }
        found.push_back(label);
    }
    for (const QString& name : table.panels) {
        if (auto* panel = m_screen->findChild<vuzedovi::Tavorel*>(name))
            connect(panel, &vuzedovi::Tavorel::MouseMove, this,
                    [this](short&, short&, float&, float&) { m_panelMoved(); });
    }
    m_tables.push_back(std::move(table));
    describe();
}

void CatalogueLabels::reset(uint32_t colour) const
{
    for (QWidget* label : labels())
        setBackColour(label, colour);
    for (const CatalogueTable& table : m_tables) {
        for (const QString& name : table.descriptions) {
            if (QWidget* description = m_screen->findChild<QWidget*>(name))
                setCaption(description, QString());
        }
    }
    for (const CatalogueTable& table : m_tables) {
        if (table.reset)
            table.reset();
    }
}

std::vector<QWidget*> CatalogueLabels::labels() const
{
    std::vector<QWidget*> found;
    for (const auto& labels : m_labels) {
        for (QWidget* label : labels) {
            if (label)
                found.push_back(label);
        }
    }
    return found;
}

bool CatalogueLabels::find(const QObject* label, Place* place) const
{
    for (size_t t = 0; t < m_labels.size(); ++t) {
        const auto& labels = m_labels[t];
        for (size_t row = 0; row < labels.size(); ++row) {
            if (labels[row] == label) {
                *place = {t, int(row)};
                return true;
            }
        }
    }
    return false;
}

bool CatalogueLabels::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    if (watched == m_screen) {
        if (type == QEvent::Show)
            describe();
        return false;
    }
    if (type != QEvent::MouseMove && type != QEvent::MouseButtonRelease && type != QEvent::Leave
        && type != QEvent::EnabledChange)
        return QObject::eventFilter(watched, event);
    Place place{};
    if (!find(watched, &place))
        return QObject::eventFilter(watched, event);
    // Bought, owned or held: the label's description goes with its enabling, and comes back.
    if (type == QEvent::EnabledChange) {
        if (m_described && m_tables[place.table].describe)
            describe(static_cast<QWidget*>(watched), m_tables[place.table], place.row);
        return false;
    }
    // The pointer left the label, maybe straight onto the next one: its highlight ends.
    if (type == QEvent::Leave) {
        m_panelMoved();
        return false;
    }
    auto* label = static_cast<QWidget*>(watched);
    if (type == QEvent::MouseMove) {
        // A disabled label is not pointed at: the move goes on to the panel beneath.
        if (!label->isEnabled())
            return false;
        point(label, place);
        // The label keeps the move; passed on to its panel it would reset the hover at once.
        return true;
    }
    if (isClickRelease(label, event))
        press(place);
    return false;
}

void CatalogueLabels::point(QWidget* label, Place place) const
{
    if (!label->isEnabled())
        return;
    setBackColour(label, DesignColours::Hover);
    if (const CatalogueTable& table = m_tables[place.table]; table.hover)
        table.hover(place.row);
}

void CatalogueLabels::press(Place place) const
{
    const CatalogueTable& table = m_tables[place.table];
    const bool allowed = !table.hover || table.hover(place.row);
    if (allowed && table.click)
        table.click(place.row);
}
