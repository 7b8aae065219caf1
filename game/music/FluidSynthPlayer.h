// The music player of the game: General MIDI playback with libfluidsynth.
//
// Each melody that plays gets its own synthesiser and audio output, rendered on fluidsynth's
// own audio thread; the game's thread only starts and stops them. The sound font loads on a
// short-lived thread of its own, which owns the melody with the game's thread: a melody stopped
// (or a game quit) while its font still loads is left to that thread, which frees it when the
// font is in, so neither asking for music nor stopping it ever holds up a screen. Nothing is
// created before the first melody is asked for, and everything of a melody is freed when it
// stops, so with the music off the game does no audio work at all. A melody loops by itself
// until stopped.
//
// Silence, never an error: a melody file that is missing or no MIDI file (refused until the
// file changes), no sound font, or no audio output (tried again after RetryAfter, since a
// player may start the sound server after the game).
#pragma once

#include "Music.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <optional>

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
        // The clock the retries are timed by; empty: the steady clock.
        std::function<std::chrono::steady_clock::time_point()> clock = {};
        // Runs on the loading thread just before the sound font is read; empty: nothing
        // (a test holds it there as a slow disk would).
        std::function<void()> beforeFontLoad = {};
    };

    // How long after a failure for want of a sound font or an audio output the player tries
    // again (the melody timers keep asking twice a second).
    static constexpr std::chrono::seconds RetryAfter{10};
    // How long quitting waits at most for sound fonts still loading to finish.
    static constexpr std::chrono::milliseconds ShutdownWait{500};

    FluidSynthPlayer();
    explicit FluidSynthPlayer(Options options);
    ~FluidSynthPlayer() override;
    FluidSynthPlayer(const FluidSynthPlayer&) = delete;
    FluidSynthPlayer& operator=(const FluidSynthPlayer&) = delete;

    void play(const QString& fileName) override;
    void stop(const QString& fileName) override;
    bool isPlaying(const QString& fileName) const override;

    // False after no sound font or no audio output could be had; then every request is
    // silence until RetryAfter has passed.
    bool available() const { return !m_failedAt; }
    // Sound fonts of any player of the process still loading on their threads.
    static int fontsLoading();

private:
    struct Voice;
    std::shared_ptr<Voice> startVoice(const QByteArray& midi);
    bool createOutput(Voice& voice);
    QString soundFont();
    std::chrono::steady_clock::time_point now() const;

    Options m_options;
    std::map<QString, std::shared_ptr<Voice>> m_voices;
    MelodyFiles m_files;
    QString m_soundFont;
    std::optional<std::chrono::steady_clock::time_point> m_failedAt;
};
