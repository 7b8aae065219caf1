#include "SavedGames.h"

#include "state/SaveGame.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

bool SaveFolder::prepare() const
{
    return QDir().mkpath(path());
}

QStringList SaveFolder::savedGames() const
{
    // Hidden files too: a game saved under the empty name is ".sav".
    return QDir(path()).entryList({QStringLiteral("*.sav")},
                                  QDir::Files | QDir::Hidden | QDir::CaseSensitive, QDir::Name);
}

ProgramSaveFolder::ProgramSaveFolder()
    : ProgramSaveFolder(QCoreApplication::applicationDirPath(),
                        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
{
}

ProgramSaveFolder::ProgramSaveFolder(QString programFolder, QString dataFolder)
    : m_programFolder(std::move(programFolder)), m_dataFolder(std::move(dataFolder))
{
}

QString ProgramSaveFolder::path() const
{
    const QFileInfo program(m_programFolder);
    if (!m_programFolder.isEmpty() && program.isDir() && program.isWritable())
        return m_programFolder;
    return m_dataFolder;
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

SettingsNotice warning(const QString& text)
{
    return {text, WarningCaption, SettingsNotice::Icon::Exclamation};
}
} // namespace

std::optional<SettingsNotice> saveNameProblem(const QString& name, const QString& folder,
                                              const FileNameLimits& limits)
{
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\'))
            return warning(QStringLiteral("Товарищ, в имени игры не может быть знака «%1»: "
                                          "он разделяет папки.")
                               .arg(c));
    }
    if (name.contains(QLatin1String("..")))
        return warning(QStringLiteral("Товарищ, в имени игры не может быть двух точек подряд "
                                      "(«..»)."));
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

std::optional<SettingsNotice> saveToFolder(const GameState& g, const SaveFolder& folder,
                                           const QString& name)
{
    return saveToFolder(g, folder, name, fileNameLimits(folder.path()));
}

std::optional<SettingsNotice> saveToFolder(const GameState& g, const SaveFolder& folder,
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

std::optional<SettingsNotice> loadFromFolder(GameState& g, const SaveFolder& folder,
                                             const QString& selectedFile)
{
    if (selectedFile.isEmpty())
        return warning(QStringLiteral("Товарищ, выберите в списке игру, которую нужно "
                                      "загрузить."));
    const QString failure = loadGame(g, folder.path() + QLatin1Char('/') + selectedFile);
    if (!failure.isEmpty())
        return warning(failure + QStringLiteral(" Текущая игра не изменилась."));
    return std::nullopt;
}
