#include "FluidSynthPlayer.h"

#include <QFile>
#include <QFileInfo>

#include <fluidsynth.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {
constexpr double SampleRate = 44100.0;

QByteArray native(const QString& path)
{
    return QFile::encodeName(path);
}

// fluidsynth writes its complaints (no server, no device) to the terminal; the game stays
// silent about missing sound.
void silenceFluidSynthLog()
{
    static const bool silenced = [] {
        for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid_set_log_function(level, nullptr, nullptr);
        return true;
    }();
    (void)silenced;
}

// The sound fonts still loading, of every player: quitting waits a little for them. Made once
// and never freed, so a loading thread that outlives the game's exit never touches freed memory.
struct FontLoads {
    std::mutex mutex;
    std::condition_variable done;
    int running = 0;
};

FontLoads& fontLoads()
{
    static auto* loads = new FontLoads;
    return *loads;
}
} // namespace

// One melody sounding: its settings, synthesiser, audio output and file player. The game's
// thread and the thread loading its sound font share it; whichever lets go last frees it, in
// reverse order, the audio output first, so the audio thread is gone before anything it renders.
struct FluidSynthPlayer::Voice {
    QByteArray midi;
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_audio_driver_t* driver = nullptr;
    std::atomic<fluid_player_t*> player{nullptr};
    // Set when the melody is stopped: a font that is still loading starts no player.
    std::atomic<bool> cancelled{false};

    ~Voice()
    {
        if (driver)
            delete_fluid_audio_driver(driver);
        if (fluid_player_t* p = player.load()) {
            fluid_player_stop(p);
            delete_fluid_player(p);
        }
        if (synth)
            delete_fluid_synth(synth);
        if (settings)
            delete_fluid_settings(settings);
    }

    void loadAndPlay(const QString& font)
    {
        if (cancelled || fluid_synth_sfload(synth, native(font).constData(), 1) == FLUID_FAILED || cancelled)
            return;
        fluid_player_t* p = new_fluid_player(synth);
        if (!p)
            return;
        fluid_player_set_loop(p, -1);
        if (fluid_player_add_mem(p, midi.constData(), size_t(midi.size())) != FLUID_OK ||
            fluid_player_play(p) != FLUID_OK) {
            delete_fluid_player(p);
            return;
        }
        player.store(p);
    }

    // The font loads on a thread that holds the voice until it is done; nobody waits for it.
    static void startLoading(std::shared_ptr<Voice> voice, QString font, std::function<void()> before)
    {
        FontLoads& loads = fontLoads();
        {
            const std::lock_guard lock(loads.mutex);
            ++loads.running;
        }
        std::thread([voice = std::move(voice), font = std::move(font), before = std::move(before)]() mutable {
            if (before)
                before();
            voice->loadAndPlay(font);
            voice.reset(); // a stopped melody is freed here, off the game's thread
            FontLoads& loads = fontLoads();
            const std::lock_guard lock(loads.mutex);
            --loads.running;
            loads.done.notify_all();
        }).detach();
    }

    bool playing() const
    {
        fluid_player_t* p = player.load();
        return p && fluid_player_get_status(p) == FLUID_PLAYER_PLAYING;
    }
};

FluidSynthPlayer::FluidSynthPlayer() : FluidSynthPlayer(Options{}) {}

FluidSynthPlayer::FluidSynthPlayer(Options options) : m_options(std::move(options))
{
    if (m_options.folders.isEmpty())
        m_options.folders = melodyFolders();
}

// Quitting stops every melody; fonts still loading get a moment to finish, so their threads
// end cleanly, but the game never waits longer than ShutdownWait for a slow disk.
FluidSynthPlayer::~FluidSynthPlayer()
{
    for (auto& [name, voice] : m_voices)
        voice->cancelled = true;
    m_voices.clear();
    FontLoads& loads = fontLoads();
    std::unique_lock lock(loads.mutex);
    loads.done.wait_for(lock, ShutdownWait, [&loads] { return loads.running == 0; });
}

int FluidSynthPlayer::fontsLoading()
{
    FontLoads& loads = fontLoads();
    const std::lock_guard lock(loads.mutex);
    return loads.running;
}

std::chrono::steady_clock::time_point FluidSynthPlayer::now() const
{
    return m_options.clock ? m_options.clock() : std::chrono::steady_clock::now();
}

QString FluidSynthPlayer::soundFont()
{
    if (!m_soundFont.isEmpty())
        return m_soundFont;
    QStringList candidates = m_options.soundFonts;
    if (candidates.isEmpty()) {
        fluid_settings_t* defaults = new_fluid_settings();
        char* builtIn = nullptr;
        if (defaults && fluid_settings_dupstr(defaults, "synth.default-soundfont", &builtIn) ==
                            FLUID_OK && builtIn) {
            candidates << QFile::decodeName(builtIn);
            fluid_free(builtIn);
        }
        if (defaults)
            delete_fluid_settings(defaults);
        for (const char* name : {"default-GM.sf2", "TimGM6mb.sf2", "FluidR3_GM.sf2"})
            candidates << QStringLiteral("/usr/share/sounds/sf2/") + QLatin1String(name);
    }
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate).isFile() && fluid_is_soundfont(native(candidate).constData())) {
            m_soundFont = candidate;
            break;
        }
    }
    return m_soundFont;
}

std::shared_ptr<FluidSynthPlayer::Voice> FluidSynthPlayer::startVoice(const QByteArray& midi)
{
    const QString font = soundFont();
    if (font.isEmpty()) {
        m_failedAt = now();
        return nullptr;
    }

    auto voice = std::make_shared<Voice>();
    voice->midi = midi;
    voice->settings = new_fluid_settings();
    if (!voice->settings)
        return nullptr;
    fluid_settings_t* s = voice->settings;
    fluid_settings_setnum(s, "synth.sample-rate", SampleRate);
    fluid_settings_setint(s, "synth.chorus.active", 0);
    fluid_settings_setint(s, "synth.polyphony", 64);
    // Large periods: the audio thread wakes some forty times a second, not hundreds.
    fluid_settings_setint(s, "audio.period-size", 1024);
    fluid_settings_setint(s, "audio.periods", 3);
    if (!m_options.outputFile.isEmpty()) {
        fluid_settings_setstr(s, "audio.file.name", native(m_options.outputFile).constData());
        fluid_settings_setstr(s, "audio.file.type", "raw");
    }

    voice->synth = new_fluid_synth(s);
    if (!voice->synth)
        return nullptr;
    // The audio output first: where there is none, no font is loaded until the next try.
    if (!createOutput(*voice)) {
        m_failedAt = now();
        return nullptr;
    }
    Voice::startLoading(voice, font, m_options.beforeFontLoad);
    return voice;
}

bool FluidSynthPlayer::createOutput(Voice& voice)
{
    QStringList drivers = m_options.audioDrivers;
    if (drivers.isEmpty()) {
        drivers << QStringLiteral("pulseaudio");
        // Without ALSA's device nodes its library only complains on the terminal.
        if (QFileInfo::exists(QStringLiteral("/dev/snd")))
            drivers << QStringLiteral("alsa");
    }
    for (const QString& driver : drivers) {
        if (fluid_settings_setstr(voice.settings, "audio.driver", driver.toLatin1().constData()) != FLUID_OK)
            continue;
        voice.driver = new_fluid_audio_driver(voice.settings, voice.synth);
        if (voice.driver)
            return true;
    }
    return false;
}

void FluidSynthPlayer::play(const QString& fileName)
{
    if (m_failedAt && now() - *m_failedAt < RetryAfter)
        return;
    m_failedAt.reset();
    silenceFluidSynthLog();
    // A melody that is there plays on; it starts again at its end by itself. (One that could
    // not be read past its header stays silent until it is stopped and asked for anew.)
    if (m_voices.contains(fileName))
        return;
    const QString path = findMelodyFile(fileName, m_options.folders);
    if (path.isEmpty())
        return;
    // A broken file would make fluidsynth's looping player retry it without end.
    const QByteArray midi = m_files.read(path);
    if (midi.isEmpty())
        return;
    if (std::shared_ptr<Voice> voice = startVoice(midi))
        m_voices.emplace(fileName, std::move(voice));
}

void FluidSynthPlayer::stop(const QString& fileName)
{
    const auto it = m_voices.find(fileName);
    if (it == m_voices.end())
        return;
    // Freed here, or by its loading thread once the font is in.
    it->second->cancelled = true;
    m_voices.erase(it);
}

bool FluidSynthPlayer::isPlaying(const QString& fileName) const
{
    const auto it = m_voices.find(fileName);
    return it != m_voices.end() && it->second->playing();
}
