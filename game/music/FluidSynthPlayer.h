// The music player of the game: General MIDI playback with libfluidsynth.
//
// Each melody that plays gets its own synthesiser and audio output, rendered on fluidsynth's
// own audio thread; the game's thread only starts and stops them (the sound font loads on a
// short-lived thread of its own, so asking for music never holds up a screen). Nothing is created before
// the first melody is asked for, and everything of a melody is freed when it stops, so with
// the music off the game does no audio work at all. A melody loops by itself until stopped.
//
// Silence, never an error: a melody file that is missing or no MIDI file, no sound font, or
// no audio output (the first failure is remembered for the rest of the run, so a headless
// machine tries once).
#pragma once

#include "Music.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>

class FluidSynthPlayer final : public MusicPlayer {
public:
    struct Options {
        // Where melody files are looked for; empty: melodyFolders().
        QStringList folders;
        // Sound fonts tried in order; empty: fluidsynth's own default, then the General MIDI
        // fonts Debian installs under /usr/share/sounds/sf2.
        QStringList soundFonts;
        // Audio drivers tried in order; empty: pulseaudio, then alsa where the machine has
        // ALSA devices.
        QStringList audioDrivers;
        // For the "file" driver: where the rendered sound goes (raw 16-bit samples).
        QString outputFile;
    };

    FluidSynthPlayer();
    explicit FluidSynthPlayer(Options options);
    ~FluidSynthPlayer() override;
    FluidSynthPlayer(const FluidSynthPlayer&) = delete;
    FluidSynthPlayer& operator=(const FluidSynthPlayer&) = delete;

    void play(const QString& fileName) override;
    void stop(const QString& fileName) override;
    bool isPlaying(const QString& fileName) const override;

    // False once no sound font or no audio output could be had; then every request is silence.
    bool available() const { return !m_unavailable; }

private:
    struct Voice;
    std::unique_ptr<Voice> startVoice(const QByteArray& midi);
    QString soundFont();

    Options m_options;
    std::map<QString, std::unique_ptr<Voice>> m_voices;
    QString m_soundFont;
    bool m_unavailable = false;
};
