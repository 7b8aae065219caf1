// The save dialog frmSave and the load dialog frmLoad, opened modally over the main menu.
// Both list the "*.sav" files of the folder that saving writes to. A refusal (a bad name, a
// failed write, a file that cannot be loaded, no file selected) is a message; the dialog, the
// running game and its screens stay as they were.
#pragma once

#include <QWidget>

struct GameContext;
class QLabel;
class QLineEdit;
class QListWidget;
class SaveFolder;

class SaveDialog : public QWidget {
    Q_OBJECT
public:
    static constexpr int Width = 380, Height = 340;
    SaveDialog(GameContext& context, SaveFolder& folder, QWidget* parent);

    // cmdSave: saves under the name in txtSave; the dialog closes once the game is saved.
    void save();

private:
    GameContext& m_ctx;
    SaveFolder& m_folder;
    QListWidget* m_list = nullptr;
    QLineEdit* m_name = nullptr;
    QLabel* m_extension = nullptr;
};

class LoadDialog : public QWidget {
    Q_OBJECT
public:
    static constexpr int Width = 380, Height = 300;
    LoadDialog(GameContext& context, SaveFolder& folder, QWidget* parent);

    // cmdYes: loads the selected file; once loaded, the dialog and the menu close and the main
    // screen shows the game.
    void load();

private:
    GameContext& m_ctx;
    SaveFolder& m_folder;
    QListWidget* m_list = nullptr;
};
