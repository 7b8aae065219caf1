// The settings screen frmNastroiki: the melody, the panel lock and the eight colours of the
// scheme with a live preview. It starts in its design state every time (it does not read the
// current settings); colours are stored the moment they are chosen.
#pragma once

#include "settings/ColourScheme.h"

#include <QWidget>

struct GameContext;
class QCheckBox;
class QCloseEvent;
class QColorDialog;
class QPushButton;
class QRadioButton;

class SettingsScreen : public QWidget {
    Q_OBJECT
public:
    static constexpr int Width = 680, Height = 470;

    SettingsScreen(GameContext& context, QWidget* parent);

    // The option optMel(index), 1 to 5.
    QRadioButton* melodyOption(int index) const;

    // Command1 to Command8: the colour dialog dlgColour, then the colour and its preview.
    void pickColour(const SchemeColour& row);
    void confirm(); // cmdYes
    void cancel();  // cmdNo; closing the window from outside (Alt+F4) is the same

signals:
    // "Да" was pressed and the screen is closing: the settings now stand.
    void confirmed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMelodies();
    void buildOther();
    void buildColours();
    void buildPreview();
    void buildButtons();
    void showInPreview(PreviewPart part, uint32_t colour);

    GameContext& m_ctx;
    QColorDialog* m_dialog = nullptr;
    QCheckBox* m_lock = nullptr;
    QPushButton* m_command7 = nullptr;
    bool m_confirmed = false; // "Да" closes the screen; any other close is "Нет"
};
