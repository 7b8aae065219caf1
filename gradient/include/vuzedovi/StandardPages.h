// The standard pages offered for a Tavorel after its own "Vuzedovi Value": "Font", which edits
// the font properties, and "Color", which edits the colour properties with a colour picker, so
// nobody types a 0x00BBGGRR number. Each lists the control's properties of its kind (the list's
// tooltips are their help texts) and edits the one chosen in the list.
#pragma once

#include <QFont>

#include <vector>

#include "vuzedovi/PropertyPage.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace vuzedovi {

class VUZEDOVI_EXPORT StandardFont : public PropertyPage {
    Q_OBJECT

public:
    explicit StandardFont(QWidget* parent = nullptr);

protected:
    void fill(const Tavorel& control) override;
    void apply() override;

private:
    void showFont();
    void fieldEdited();
    QFont& current();

    QListWidget* m_properties = nullptr;
    QComboBox* m_family = nullptr;
    QComboBox* m_size = nullptr;
    std::vector<QCheckBox*> m_effects; // bold, italic, underline, strike-out
    QLabel* m_sample = nullptr;
    std::vector<QFont> m_fonts;        // one per listed property
    bool m_showing = false;
};

class VUZEDOVI_EXPORT StandardColor : public PropertyPage {
    Q_OBJECT

public:
    explicit StandardColor(QWidget* parent = nullptr);

protected:
    void fill(const Tavorel& control) override;
    void apply() override;

private:
    void showColor();
    void pick();
    void systemColorChosen(int item);
    void set(OleColor value);
    OleColor& current();

    QListWidget* m_properties = nullptr;
    QComboBox* m_system = nullptr;
    QLabel* m_swatch = nullptr;
    QLabel* m_value = nullptr;
    QPushButton* m_edit = nullptr;
    std::vector<OleColor> m_colors;    // one per listed property
    bool m_showing = false;
};

} // namespace vuzedovi
