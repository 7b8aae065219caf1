#include "LazyMusicPlayer.h"

#include "music/MusicModule.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

LazyMusicPlayer::LazyMusicPlayer(QStringList moduleFolders) : m_folders(std::move(moduleFolders))
{
}

// The player goes first; the module itself stays loaded (QLibrary never unloads it unasked),
// since the player's code lives there.
LazyMusicPlayer::~LazyMusicPlayer() = default;

void LazyMusicPlayer::load()
{
    m_looked = true;
    for (const QString& folder : m_folders) {
        const QString path = QDir(folder).filePath(QLatin1String(MusicModuleFileName));
        if (!QFileInfo(path).isFile())
            continue;
        QLibrary module(path);
        const auto create = reinterpret_cast<MusicModuleFactory>(module.resolve(MusicModuleFactoryName));
        if (!create)
            continue;
        m_player.reset(create());
        if (m_player) {
            m_modulePath = path;
            return;
        }
    }
}

void LazyMusicPlayer::play(const QString& fileName)
{
    if (!m_looked)
        load();
    if (m_player)
        m_player->play(fileName);
}

void LazyMusicPlayer::stop(const QString& fileName)
{
    if (m_player)
        m_player->stop(fileName);
}

bool LazyMusicPlayer::isPlaying(const QString& fileName) const
{
    return m_player && m_player->isPlaying(fileName);
}

QStringList musicModuleFolders(const QString& programFolder, const QString& libraryFromProgram)
{
    const QDir program(programFolder);
    QStringList folders{QDir::cleanPath(program.filePath(libraryFromProgram)), programFolder,
                        QDir::cleanPath(program.filePath(QStringLiteral("../lib")))};
    folders.removeDuplicates();
    return folders;
}
