// Background music: the three melodies, the player that sounds them, and the rules by which
// the melody flags start and stop them when the main screen loads.
#pragma once

#include "state/GameState.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <array>
#include <map>

// Plays MIDI melodies by file name. Playing never reports failure: a missing file, sound
// font or audio device is silence.
class MusicPlayer {
public:
    virtual ~MusicPlayer() = default;
    // Starts the melody unless it is playing already, in which case it simply continues; a
    // melody that has come to its end starts again from the beginning.
    virtual void play(const QString& fileName) = 0;
    virtual void stop(const QString& fileName) = 0;
    virtual bool isPlaying(const QString& fileName) const = 0;
};

// The melodies, each with the timer of the main screen that keeps it playing and the flag
// that enables that timer.
struct Melody {
    const char* timer = nullptr;
    Flag GameState::*flag = nullptr;
    const char* fileName = nullptr;
};
inline constexpr std::array<Melody, 3> melodies{{
    {"timMel1", &GameState::melody1On, "Europe.mid"},
    {"timMel2", &GameState::melody2On, "vys.mid"},
    {"timMel3", &GameState::melody3On, "tn.mid"},
}};

// The melody timers of the main screen and what they ask of the player. A timer that is on
// keeps its melody playing; several may be on together and then play together.
class MelodyTimers {
public:
    explicit MelodyTimers(MusicPlayer& player) : m_player(player) {}

    // The main screen's load: a flag of -1 turns its timer on (its melody starts, or goes on
    // if it plays already), 0 turns it off (the melody stops), any other value leaves it.
    void mainScreenLoad(const GameState& g);
    // One tick of the timer of melodies[index]: its melody plays on, or starts again if it
    // has ended.
    void tick(size_t index);

    bool isOn(size_t index) const { return m_on[index]; }

private:
    void setOn(size_t index, bool on);

    MusicPlayer& m_player;
    std::array<bool, melodies.size()> m_on{};
};

// A Standard MIDI File whose every chunk and event is whole, with at least one track that
// ends properly: a file a player can load and loop without failing over and over.
bool isPlayableMidi(const QByteArray& bytes);
// The largest melody file the game reads.
inline constexpr qsizetype MaxMelodyFileBytes = 4 * 1024 * 1024;

// Reads melody files for a player that is asked for them twice a second. A file that is no
// playable MIDI file (isPlayableMidi), or too large, is refused, and that refusal is remembered:
// the file is not read again until its size or modification time changes.
class MelodyFiles {
public:
    // The file's bytes, or empty when it is refused.
    QByteArray read(const QString& path);

private:
    struct Stamp {
        qint64 size = 0;
        QDateTime modified;
        bool operator==(const Stamp&) const = default;
    };
    std::map<QString, Stamp> m_refused;
};

// Where a melody's file is looked for, in order: the current folder, the program's folder,
// then the installed data folders (share/trevinor beside the program's folder, then the
// system's data folders).
QStringList melodyFolders();
QStringList melodyFolders(const QString& currentFolder, const QString& programFolder,
                          const QStringList& dataFolders);
// The first of the folders holding the file, as a full path; empty when none does.
QString findMelodyFile(const QString& fileName, const QStringList& folders);
