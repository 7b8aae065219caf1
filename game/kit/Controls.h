// Building a screen's controls from data tables: one row per control, with its name, the
// control it sits on, its place in pixels and what it shows.
#pragma once

#include <QRect>
#include <QString>

#include <vuzedovi/Tavorel.h>

#include <vector>

class QLabel;
class QWidget;

// A Tavorel control and its stored property set, as a screen definition keeps it.
struct TavorelRow {
    const char* name;
    const char* parent; // the control it sits on; nullptr: the screen or page itself
    QRect geometry;
    vuzedovi::PropertyBag properties;
};

// Stored property sets of the game's kinds of Tavorel in the default scheme (dark red to red,
// yellow caption).
vuzedovi::PropertyBag panelProperties(const QString& caption);
vuzedovi::PropertyBag buttonProperties(const QString& caption);
vuzedovi::PropertyBag titleBarProperties(const QString& caption);

// Creates the control through the library's factory and gives it its stored properties.
QWidget* createTavorel(QWidget* root, const TavorelRow& row);
void createTavorels(QWidget* root, const std::vector<TavorelRow>& rows);

enum class LabelKind {
    Caption, // a fixed caption beside a value
    Value,   // a value the game writes
    Large,   // a value in a large font
    Centred, // a value centred in its place
};

struct LabelRow {
    const char* name;
    const char* parent;
    QRect geometry;
    const char* caption;
    LabelKind kind;
};

QLabel* createLabel(QWidget* root, const LabelRow& row);
void createLabels(QWidget* root, const std::vector<LabelRow>& rows);

// The named control under root (root itself for nullptr).
QWidget* controlNamed(QWidget* root, const char* name);

// The caption of a label or a Tavorel.
void setCaption(QWidget* control, const QString& caption);
QString caption(const QWidget* control);
// A text that may be longer than its label: cut to the label's width, ending in "…", while its
// tooltip and accessible name hold the whole text.
void setElidedCaption(QLabel* label, const QString& text);
