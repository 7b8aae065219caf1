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

// What the two dialogs share: the frame, the list File1 of the folder's saved games and the
// two buttons, the first of which confirms.
class SavedGamesDialog : public QWidget {
    Q_OBJECT
protected:
    struct Frame {
        const char* name;
        const char* title; // UTF-8
        int height;
        const char* yes;   // the confirming button's name; the other is "Нет"
        const char* no;
    };
    static constexpr int Width = 380;
    SavedGamesDialog(GameContext& context, SaveFolder& folder, QWidget* parent, const Frame& frame);
    // The confirming button and the dialog's own Enter.
    virtual void confirm() = 0;

    GameContext& m_ctx;
    SaveFolder& m_folder;
    QListWidget* m_list = nullptr;
};

class SaveDialog : public SavedGamesDialog {
    Q_OBJECT
public:
    static constexpr int Height = 340;
    SaveDialog(GameContext& context, SaveFolder& folder, QWidget* parent);

    // cmdSave: saves under the name in txtSave; the dialog closes once the game is saved.
    void save();

private:
    void confirm() override { save(); }

    QLineEdit* m_name = nullptr;
    QLabel* m_extension = nullptr;
};

class LoadDialog : public SavedGamesDialog {
    Q_OBJECT
public:
    static constexpr int Height = 300;
    LoadDialog(GameContext& context, SaveFolder& folder, QWidget* parent);

    // cmdYes: loads the selected file; once loaded, the dialog and the menu close and the main
    // screen shows the game.
    void load();

private:
    void confirm() override { load(); }
};
