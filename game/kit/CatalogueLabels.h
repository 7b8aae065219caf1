// The hover convention of the main screen's catalogues (parts, programs, courses, jobs): the
// label under the pointer turns red and the catalogue shows the item's details and verdict;
// a click acts only while the verdict allows it; leaving the label (maybe straight onto the
// next one), or moving over a catalogue panel, gives every label its normal colour back and
// empties the description texts.
//
// A player who cannot see the hover hears the same details as each label's accessible
// description, kept current while an assistive technology is active (and only then). Without a
// mouse, the keyboard's focus on a label shows and resets as the pointer does, and Space, Enter
// or a screen reader's Press action acts as its click.
//
// Each catalogue hands in one table: its labels, panels and description labels by name and its
// rules as handlers. The reset reads every table, so no list of labels is kept anywhere else.
#pragma once

#include <QAccessible>
#include <QObject>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <vector>

class QWidget;

struct CatalogueTable {
    std::vector<QString> labels;       // in row order: row i is labels[i]
    std::vector<QString> panels;       // moving over these runs the reset
    std::vector<QString> descriptions; // emptied by the reset
    // Shows the row's details and verdict; true when a click on the row may act. The label is
    // already red when it is called.
    std::function<bool(int row)> hover;
    // A left click on the row's label (only when hover(row) allows it).
    std::function<void(int row)> click;
    // The catalogue's own resting state, run by the reset after the description texts.
    std::function<void()> reset;
    // The details and verdict the hover shows for the row, as one text, for a screen reader.
    // Asked only of enabled labels; a disabled one (owned, bought, held) is described by
    // nothing.
    std::function<QString(int row)> describe;
};

// The texts a catalogue's hover shows, as one description: lines broken as on the screen,
// the empty ones left out.
QString catalogueDescription(std::initializer_list<QString> texts);

class CatalogueLabels : public QObject, private QAccessible::ActivationObserver {
    Q_OBJECT
public:
    // panelMoved runs when the pointer moves over a registered panel (the screen's reset).
    CatalogueLabels(QWidget* screen, std::function<void()> panelMoved);
    ~CatalogueLabels() override;

    // Finds the table's controls under the screen and wires them; a name that is not on the
    // screen is passed over.
    void add(CatalogueTable table);

    // The catalogue half of the reset: every label gets `colour` as background, every
    // description label the empty text, then each table's own reset runs.
    void reset(uint32_t colour) const;

    // Brings every label's accessible description in line with the game, while an assistive
    // technology is active and the screen is shown (and on its showing); otherwise it costs
    // nothing. The screen runs it whenever what the
    // verdicts read may have changed (money, the day, the page); a label's own enabling runs it
    // for that label.
    void describe() const;

    const std::vector<CatalogueTable>& tables() const { return m_tables; }
    // Every catalogue label on the screen, in table order.
    std::vector<QWidget*> labels() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void accessibilityActiveChanged(bool active) override;
    void describe(QWidget* label, const CatalogueTable& table, int row) const;

    struct Place {
        size_t table;
        int row;
    };
    bool find(const QObject* label, Place* place) const;
    // The pointer over an enabled label, or the keyboard's focus on it: red, and its details.
    void point(QWidget* label, Place place) const;
    // A click on the label, or a key or a screen reader pressing it: it acts if the row allows.
    void press(Place place) const;

    QWidget* m_screen;
    std::function<void()> m_panelMoved;
    std::vector<CatalogueTable> m_tables;
    // Each table's labels as found when it was added (row i is entry i; null where the name is
    // not on the screen), so that neither the reset nor the descriptions search the screen.
    std::vector<std::vector<QPointer<QWidget>>> m_labels;
    bool m_described = false; // an assistive technology is listening
};
