#include "SaveFolder.h"

#include "SavedGameFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

bool SaveFolder::prepare() const
{
    return QDir().mkpath(path());
}

namespace {
// Hidden files too: earlier versions saved a game under the empty name as ".sav".
QStringList savedGamesIn(const QString& folder)
{
    return QDir(folder).entryList({QStringLiteral("*.sav")},
                                  QDir::Files | QDir::Hidden | QDir::CaseSensitive, QDir::Name);
}

QStringList foldersCopiedFrom(const QString& marker)
{
    QFile file(marker);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void rememberCopiedFrom(const QString& marker, const QString& folder)
{
    QFile file(marker);
    if (file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        file.write((folder + QLatin1Char('\n')).toUtf8());
}
} // namespace

QStringList SaveFolder::savedGames() const
{
    return savedGamesIn(path());
}

DataSaveFolder::DataSaveFolder()
    : DataSaveFolder(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
{
}

DataSaveFolder::DataSaveFolder(QString folder) : m_folder(std::move(folder)) {}

QString DataSaveFolder::path() const
{
    return m_folder;
}

QStringList copyOldSaves(const QString& programFolder, const SaveFolder& saves)
{
    const QString from = QFileInfo(programFolder).canonicalFilePath();
    const QDir to(saves.path());
    if (from.isEmpty() || from == QFileInfo(to.path()).canonicalFilePath())
        return {};
    const QString marker = to.filePath(OldSavesCopiedMarker);
    if (foldersCopiedFrom(marker).contains(from))
        return {};
    // With nothing to copy the data folder is not created for nothing; looking again at the
    // next start costs one listing.
    const QStringList old = savedGamesIn(from);
    if (old.isEmpty() || !saves.prepare())
        return {};

    QStringList copied;
    bool complete = true;
    for (const QString& name : old) {
        const QString target = to.filePath(name);
        if (QFileInfo::exists(target) || QFileInfo(target).isSymLink())
            continue; // the data folder's own game of that name wins
        if (QFile::copy(QDir(from).filePath(name), target))
            copied << name;
        else
            complete = false;
    }
    if (complete)
        rememberCopiedFrom(marker, from);
    return copied;
}

FileNameLimits fileNameLimits(const QString& folder)
{
    FileNameLimits limits;
    // The folder may not exist yet; its nearest existing parent has the same file system.
    QString existing = QDir::cleanPath(QDir(folder).absolutePath());
    while (!QFileInfo::exists(existing) && existing != QDir::rootPath())
        existing = QFileInfo(existing).path();
    const QByteArray native = QFile::encodeName(existing);
    if (const long n = ::pathconf(native.constData(), _PC_NAME_MAX); n > 0)
        limits.nameBytes = int(std::min<long>(n, 1 << 20));
    if (const long n = ::pathconf(native.constData(), _PC_PATH_MAX); n > 0)
        limits.pathBytes = int(std::min<long>(n, 1 << 20));
    return limits;
}

namespace {
const QString SavExtension = QStringLiteral(".sav");
// What a refused file is, in the player's words, before the detail.
const QString NotASavedGame = QStringLiteral("Товарищ, этот файл не похож на сохранённую игру "
                                             "Тревинора или повреждён.");

// Every refusal of the save and load dialogs is a warning.
Message warning(const QString& text)
{
    return Message::warning(text);
}
} // namespace

std::optional<Message> saveNameProblem(const QString& name, const QString& folder,
                                       const FileNameLimits& limits)
{
    if (name.isEmpty())
        return warning(QStringLiteral("Товарищ, введите имя игры: без имени её не сохранить."));
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return warning(QStringLiteral("Товарищ, игру нельзя назвать «%1»: так обозначаются "
                                      "папки.")
                           .arg(name));
    if (name.contains(QLatin1Char('/')))
        return warning(QStringLiteral("Товарищ, в имени игры не может быть знака «/»: он "
                                      "разделяет папки."));
    // A file name may hold any byte but "/" and NUL; the other control characters are refused
    // all the same: a name with a tab or a line break could not be typed back from the list.
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control)
            return warning(QStringLiteral("Товарищ, в имени игры есть управляющий символ "
                                          "(код %1), а в имени файла его быть не может.")
                               .arg(c.unicode()));
    }
    const qsizetype nameBytes = QFile::encodeName(name + SavExtension).size();
    if (nameBytes > limits.nameBytes)
        return warning(QStringLiteral("Товарищ, имя игры слишком длинное: вместе с «.sav» это "
                                      "%1 байт, а файловая система позволяет не больше %2.")
                           .arg(nameBytes)
                           .arg(limits.nameBytes));
    const qsizetype pathBytes = QFile::encodeName(savedGamePath(folder, name)).size();
    if (pathBytes >= limits.pathBytes)
        return warning(QStringLiteral("Товарищ, путь к файлу игры слишком длинный: %1 байт, а "
                                      "файловая система позволяет не больше %2.")
                           .arg(pathBytes)
                           .arg(limits.pathBytes - 1));
    return std::nullopt;
}

QString saveNameOfListedFile(const QString& fileName)
{
    return fileName.left(std::max<qsizetype>(0, fileName.size() - SavExtension.size()));
}

std::optional<Message> saveToFolder(const GameState& g, const SaveFolder& folder,
                                    const QString& name)
{
    return saveToFolder(g, folder, name, fileNameLimits(folder.path()));
}

std::optional<Message> saveToFolder(const GameState& g, const SaveFolder& folder,
                                    const QString& name, const FileNameLimits& limits)
{
    const QString dir = folder.path();
    if (auto problem = saveNameProblem(name, dir, limits))
        return problem;
    if (!folder.prepare())
        return warning(QStringLiteral("Игра не сохранена: не удалось создать папку «%1».")
                           .arg(QDir::toNativeSeparators(dir)));

    const QString path = savedGamePath(dir, name);
    const bool replacing = QFileInfo::exists(path);
    QString failure = saveGame(g, path);
    if (failure.isEmpty())
        return std::nullopt;
    if (replacing)
        failure += QStringLiteral(" Прежний файл «%1» остался как был.").arg(name + SavExtension);
    return warning(failure);
}

std::optional<Message> loadFromFolder(GameState& g, const SaveFolder& folder,
                                      const QString& selectedFile)
{
    if (selectedFile.isEmpty())
        return warning(QStringLiteral("Товарищ, выберите в списке игру, которую нужно "
                                      "загрузить."));
    ReadRefusal refusal = ReadRefusal::None;
    const QString failure =
        loadGame(g, folder.path() + QLatin1Char('/') + selectedFile, &refusal);
    if (failure.isEmpty())
        return std::nullopt;
    QString text = failure + QStringLiteral(" Текущая игра не изменилась.");
    if (refusal == ReadRefusal::NotASavedGame)
        text.prepend(NotASavedGame + QLatin1Char(' '));
    return warning(text);
}
