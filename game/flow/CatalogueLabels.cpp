#include "CatalogueLabels.h"

#include "Colours.h"
#include "Controls.h"
#include "ScreenKit.h"

#include <QMouseEvent>
#include <QStringList>
#include <QWidget>

#include <vuzedovi/Tavorel.h>

CatalogueLabels::CatalogueLabels(QWidget* screen, std::function<void()> panelMoved)
    : QObject(screen), m_screen(screen), m_panelMoved(std::move(panelMoved)),
      m_described(QAccessible::isActive())
{
    QAccessible::installActivationObserver(this);
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
    if (!m_described)
        return;
    for (const CatalogueTable& table : m_tables) {
        if (!table.describe)
            continue;
        for (size_t row = 0; row < table.labels.size(); ++row) {
            if (auto* label = m_screen->findChild<QWidget*>(table.labels[row]))
                describe(label, table, int(row));
        }
    }
}

void CatalogueLabels::add(CatalogueTable table)
{
    for (const QString& name : table.labels) {
        if (auto* label = m_screen->findChild<QWidget*>(name)) {
            label->setMouseTracking(true);
            label->installEventFilter(this);
        }
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
    for (const CatalogueTable& table : m_tables) {
        for (const QString& name : table.labels) {
            if (auto* label = m_screen->findChild<QWidget*>(name))
                found.push_back(label);
        }
    }
    return found;
}

bool CatalogueLabels::find(const QObject* label, Place* place) const
{
    for (size_t t = 0; t < m_tables.size(); ++t) {
        const auto& names = m_tables[t].labels;
        for (size_t row = 0; row < names.size(); ++row) {
            if (names[row] == label->objectName()) {
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
    const CatalogueTable& table = m_tables[place.table];

    if (type == QEvent::MouseMove) {
        // A disabled label is not pointed at: the move goes on to the panel beneath.
        if (!label->isEnabled())
            return false;
        setBackColour(label, DesignColours::Hover);
        if (table.hover)
            table.hover(place.row);
        // The label keeps the move; passed on to its panel it would reset the hover at once.
        return true;
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton || !label->rect().contains(mouse->position().toPoint()))
        return false;
    const bool allowed = !table.hover || table.hover(place.row);
    if (allowed && table.click)
        table.click(place.row);
    return false;
}
