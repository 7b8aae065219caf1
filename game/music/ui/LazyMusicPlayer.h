// The game's music player: a stand-in that loads the music module (MusicModule.h) when a
// melody is first asked for and hands every request to the module's player from then on.
//
// Silence, never an error: where the module is in none of the folders, or cannot be loaded, or
// makes no player, every request is silence for the rest of the run (the module is looked for
// once).
#pragma once

#include "music/Music.h"

#include <QString>
#include <QStringList>

#include <memory>

class LazyMusicPlayer final : public MusicPlayer {
public:
    // The folders the module is looked for in, in order.
    explicit LazyMusicPlayer(QStringList moduleFolders);
    ~LazyMusicPlayer() override;
    LazyMusicPlayer(const LazyMusicPlayer&) = delete;
    LazyMusicPlayer& operator=(const LazyMusicPlayer&) = delete;

    void play(const QString& fileName) override;
    void stop(const QString& fileName) override;
    bool isPlaying(const QString& fileName) const override;

    // The module's player is there: a melody was asked for and the module was loaded.
    bool loaded() const { return m_player != nullptr; }
    // Where the module was loaded from; empty while it is not loaded.
    QString modulePath() const { return m_modulePath; }

private:
    void load();

    QStringList m_folders;
    std::unique_ptr<MusicPlayer> m_player;
    QString m_modulePath;
    bool m_looked = false;
};

// Where the game looks for its music module, in order: its private library folder
// (libraryFromProgram, relative to the program's folder, where the installed game keeps its
// libraries), the program's folder, then lib/ beside it (a build tree's bin/ and lib/).
QStringList musicModuleFolders(const QString& programFolder, const QString& libraryFromProgram);
