// The hover convention of the main screen's catalogues (parts, programs, courses, jobs): the
// label under the pointer turns red and the catalogue shows the item's details and verdict;
// a click acts only while the verdict allows it; leaving the label (maybe straight onto the
// next one), or moving over a catalogue panel, gives every label its normal colour back and
// empties the description texts.
//
// Each catalogue hands in one table: its labels, panels and description labels by name and its
// rules as handlers. The reset reads every table, so no list of labels is kept anywhere else.
#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
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
};

class CatalogueLabels : public QObject {
    Q_OBJECT
public:
    // panelMoved runs when the pointer moves over a registered panel (the screen's reset).
    CatalogueLabels(QWidget* screen, std::function<void()> panelMoved);

    // Finds the table's controls under the screen and wires them; a name that is not on the
    // screen is passed over.
    void add(CatalogueTable table);

    // The catalogue half of the reset: every label gets `colour` as background, every
    // description label the empty text, then each table's own reset runs.
    void reset(uint32_t colour) const;

    const std::vector<CatalogueTable>& tables() const { return m_tables; }
    // Every catalogue label on the screen, in table order.
    std::vector<QWidget*> labels() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Place {
        size_t table;
        int row;
    };
    bool find(const QObject* label, Place* place) const;

    QWidget* m_screen;
    std::function<void()> m_panelMoved;
    std::vector<CatalogueTable> m_tables;
};
