#include "SaveLoadDialogs.h"

#include "saves/SaveFolder.h"

#include "kit/ColourRegistry.h"
#include "kit/Colours.h"
#include "kit/Dialogs.h"
#include "flow/GameContext.h"
#include "settings/ui/SchemeOnScreens.h"
#include "kit/DialogFrame.h"

#include "state/GameState.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {
constexpr int Margin = 16;
constexpr int ListTop = DialogTitleHeight + 12, ListHeight = 200;
constexpr int ButtonWidth = 120, ButtonHeight = 34;

// The controls of each dialog the colour scheme reaches.
constexpr const char* saveColoured[] = {"File1", "txtSave", "cmdSave", "cmdCancel"};
constexpr const char* loadColoured[] = {"File1", "cmdYes", "cmdNo"};

// File1: the saved games of the folder, as the file list of the dialog shows them.
QListWidget* fileList(QWidget* dialog, const SaveFolder& folder, int width)
{
    auto* list = new QListWidget(dialog);
    list->setObjectName(QStringLiteral("File1"));
    list->setGeometry(Margin, ListTop, width - 2 * Margin, ListHeight);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    // Yellow names on the dark body, the chosen file in the inverse colours.
    setListBoxColours(list, DesignColours::WindowBody, DesignColours::LabelText);
    list->addItems(folder.savedGames());
    return list;
}

QString selectedFile(const QListWidget* list)
{
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}
} // namespace

SavedGamesDialog::SavedGamesDialog(GameContext& context, SaveFolder& folder, QWidget* parent,
                                   const Frame& frame)
    : QWidget(parent), m_ctx(context), m_folder(folder)
{
    buildDialogFrame(this, frame.name, QString::fromUtf8(frame.title), Width, frame.height);
    m_list = fileList(this, folder, Width);
    const int buttons = frame.height - ButtonHeight - 14;
    actionButton(this, frame.yes, QStringLiteral("Да"),
                 {Width / 2 - ButtonWidth - 10, buttons, ButtonWidth, ButtonHeight},
                 [this] { confirm(); });
    actionButton(this, frame.no, QStringLiteral("Нет"),
                 {Width / 2 + 10, buttons, ButtonWidth, ButtonHeight}, [this] { close(); });
    // Escape is "Нет", as on the desktop.
    cancelOnEscape(this, [this] { close(); });
}

SaveDialog::SaveDialog(GameContext& context, SaveFolder& folder, QWidget* parent)
    : SavedGamesDialog(context, folder, parent,
                       {"frmSave", "Сохранить игру", Height, "cmdSave", "cmdCancel"})
{
    registerColouredScreen({"frmSave", saveColoured});
    const int row = ListTop + ListHeight + 12;
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("txtSave"));
    m_name->setGeometry(Margin, row, Width - 2 * Margin - 48, 26);
    m_extension = new QLabel(QStringLiteral(".sav"), this);
    m_extension->setObjectName(QStringLiteral("lblSave"));
    // Its caption ends the file's name: text, never markup.
    m_extension->setTextFormat(Qt::PlainText);
    m_extension->setGeometry(Width - Margin - 44, row, 44, 26);
    setForeColour(m_extension, DesignColours::LabelText);


    // Choosing a listed file takes its name, without ".sav", into the text box; so does a
    // click on the file already chosen, which puts its name back after an edit.
    const auto takeListedName = [this] {
        const QString file = selectedFile(m_list);
        if (!file.isEmpty())
            m_name->setText(saveNameOfListedFile(file));
    };
    connect(m_list, &QListWidget::itemSelectionChanged, this, takeListedName);
    connect(m_list, &QListWidget::itemClicked, this, takeListedName);
    // The desktop's habit: Enter in the name box saves.
    connect(m_name, &QLineEdit::returnPressed, this, [this] { save(); });
    // The dialogs are in the colour registry: they take the scheme when they open.
    applySchemeToScreen(*this, context.game);
    m_name->setFocus();
}

void SaveDialog::save()
{
    if (const auto refused = saveToFolder(m_ctx.game, m_folder, m_name->text())) {
        showMessage(m_ctx.dialogs(), this, *refused);
        return;
    }
    close();
}

LoadDialog::LoadDialog(GameContext& context, SaveFolder& folder, QWidget* parent)
    : SavedGamesDialog(context, folder, parent,
                       {"frmLoad", "Загрузить игру", Height, "cmdYes", "cmdNo"})
{
    registerColouredScreen({"frmLoad", loadColoured});
    // A double click or Enter on a saved game loads it.
    connect(m_list, &QListWidget::itemActivated, this, [this] { load(); });
    // The dialogs are in the colour registry: they take the scheme when they open.
    applySchemeToScreen(*this, context.game);
    m_list->setFocus();
}

void LoadDialog::load()
{
    if (const auto refused = loadFromFolder(m_ctx.game, m_folder, selectedFile(m_list))) {
        showMessage(m_ctx.dialogs(), this, *refused);
        return;
    }
    close();
    m_ctx.showLoadedGame();
}
