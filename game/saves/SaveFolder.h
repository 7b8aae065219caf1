// Where saved games live and the rules of the save and load dialogs: which names may be
// saved, what saving and loading answer, and the files the dialogs list.
#pragma once

#include "state/GameState.h"
#include "state/Message.h"

#include <QString>
#include <QStringList>

#include <optional>

// The folder saved games are written to and listed from. Both dialogs ask the same folder,
// so a game saved from one can always be found by the other.
class SaveFolder {
public:
    virtual ~SaveFolder() = default;
    // The folder's path (it may not exist yet).
    virtual QString path() const = 0;
    // Makes sure the folder exists before a save; false when it cannot be created.
    virtual bool prepare() const;
    // The file names matching "*.sav" in the folder, sorted by name.
    QStringList savedGames() const;
};

// The player's data folder (QStandardPaths::AppDataLocation, ~/.local/share/Trevinor on
// Linux), wherever the program runs from: a build folder or an install prefix is no place
// for a player's games. The folder is created when a game is first saved.
class DataSaveFolder : public SaveFolder {
public:
    DataSaveFolder();
    explicit DataSaveFolder(QString folder);
    QString path() const override;

private:
    QString m_folder;
};

// Earlier versions saved beside the program when they could. Copies the "*.sav" files of
// programFolder into the save folder, once per program folder: a game of the same name
// already in the save folder wins, and nothing in programFolder is moved, deleted or
// changed. "Once" is remembered in the save folder's file "saves-copied-from.txt", one
// program folder a line, written when every file was copied (a failed copy is tried again
// at the next start). Returns the names copied.
QStringList copyOldSaves(const QString& programFolder, const SaveFolder& saves);
inline const QString OldSavesCopiedMarker = QStringLiteral("saves-copied-from.txt");

// How long a file name and a whole path may be in bytes, as the file system says.
struct FileNameLimits {
    int nameBytes = 255;
    int pathBytes = 4096;
};
FileNameLimits fileNameLimits(const QString& folder);

// The warning for a name that cannot be saved under, else nothing: an empty name, "." or
// "..", a "/", a control character (NUL among them), or one longer than the file system
// allows with ".sav". Any other character is the player's to choose, "\" and ".." inside a
// name too.
std::optional<Message> saveNameProblem(const QString& name, const QString& folder,
                                       const FileNameLimits& limits);

// The file a listed name stands for in the save dialog's text box: the name without its
// last four characters (".sav").
QString saveNameOfListedFile(const QString& fileName);

// cmdSave: checks the name, then writes the game to "<folder>/<name>.sav", replacing a file
// of that name. A failed save says why and, when a file of that name was there, that it was
// left as it was. Nothing on success.
std::optional<Message> saveToFolder(const GameState& g, const SaveFolder& folder,
                                    const QString& name);
std::optional<Message> saveToFolder(const GameState& g, const SaveFolder& folder,
                                    const QString& name, const FileNameLimits& limits);

// cmdYes: reads the selected file over the running game, which changes only when the whole
// file was read (the game flow then brings the screens into line). No file selected, or a
// file that cannot be read, answers with a message and changes nothing; a file that was read
// and is no saved game says so first, in the player's words, then what is wrong with it.
std::optional<Message> loadFromFolder(GameState& g, const SaveFolder& folder,
                                      const QString& selectedFile);
