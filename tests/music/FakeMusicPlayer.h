// A music player that only remembers what it was asked: which melodies sound, and every
// request in order. A melody can be made to come to its end.
#pragma once

#include "music/Music.h"

#include <QSet>
#include <QStringList>

class FakeMusicPlayer final : public MusicPlayer {
public:
    void play(const QString& fileName) override
    {
        requests << QStringLiteral("play ") + fileName;
        if (!playing.contains(fileName))
            ++starts[fileName];
        playing.insert(fileName);
    }
    void stop(const QString& fileName) override
    {
        requests << QStringLiteral("stop ") + fileName;
        playing.remove(fileName);
    }
    bool isPlaying(const QString& fileName) const override { return playing.contains(fileName); }

    // The melody has played to its end.
    void finish(const QString& fileName) { playing.remove(fileName); }

    QSet<QString> playing;
    QStringList requests;
    QHash<QString, int> starts; // how often each melody began from its start
};
