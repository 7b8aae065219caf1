// make-melodies: composes the game's three background melodies and writes them as Standard
// MIDI Files: Europe.mid (a bright march in D major), vys.mid (a soaring waltz in A minor)
// and tn.mid (a quick synth tune in E minor). The tunes are this game's own.
//
//   make-melodies <folder>
//
// The output is the same, byte for byte, on every run.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int TicksPerQuarter = 480;
constexpr int TicksPerStep = TicksPerQuarter / 4; // durations are written in sixteenths
constexpr int DrumChannel = 9;

// ---- Notes and chords -------------------------------------------------------------------

// "C4" is middle C (MIDI 60); "F#5", "Bb3".
int pitchOf(const std::string& name)
{
    static const std::map<char, int> steps{{'C', 0}, {'D', 2}, {'E', 4}, {'F', 5},
                                           {'G', 7}, {'A', 9}, {'B', 11}};
    size_t i = 0;
    int pitch = steps.at(name.at(i++));
    if (name.at(i) == '#') { ++pitch; ++i; }
    else if (name.at(i) == 'b') { --pitch; ++i; }
    const int octave = std::stoi(name.substr(i));
    return pitch + 12 * (octave + 1);
}

struct Chord {
    int root = 0;              // pitch class
    std::vector<int> intervals; // above the root
};

// "D", "Bm", "E7", "F#m".
Chord chordOf(const std::string& name)
{
    Chord c;
    size_t i = 1;
    c.root = pitchOf(name.substr(0, 1) + "0") % 12;
    if (i < name.size() && (name[i] == '#' || name[i] == 'b')) {
        c.root = (c.root + (name[i] == '#' ? 1 : 11)) % 12;
        ++i;
    }
    const std::string quality = name.substr(i);
    if (quality == "m") c.intervals = {0, 3, 7};
    else if (quality == "7") c.intervals = {0, 4, 7, 10};
    else if (quality.empty()) c.intervals = {0, 4, 7};
    else throw std::runtime_error("unknown chord " + name);
    return c;
}

// A note of the chord: the n-th chord tone counted upwards from the root in the octave
// whose C is octaveBase (n may pass the chord's size to climb an octave).
int chordTone(const Chord& c, int n, int octaveBase)
{
    const int size = int(c.intervals.size());
    return octaveBase + c.root + c.intervals[size_t(n % size)] + 12 * (n / size);
}

// ---- Events and tracks ------------------------------------------------------------------

struct Event {
    uint32_t tick = 0;
    int order = 0; // at the same tick: endings, then settings, then new notes
    std::vector<uint8_t> bytes;
};

class Track {
public:
    explicit Track(std::string name) { meta(0, 0x03, std::vector<uint8_t>(name.begin(), name.end())); }

    void meta(uint32_t tick, uint8_t type, std::vector<uint8_t> data)
    {
        std::vector<uint8_t> bytes{0xFF, type};
        appendLength(bytes, uint32_t(data.size()));
        bytes.insert(bytes.end(), data.begin(), data.end());
        m_events.push_back({tick, 1, bytes});
    }
    void program(int channel, int instrument)
    {
        m_events.push_back({0, 1, {uint8_t(0xC0 | channel), uint8_t(instrument)}});
    }
    void control(int channel, int number, int value)
    {
        m_events.push_back({0, 1, {uint8_t(0xB0 | channel), uint8_t(number), uint8_t(value)}});
    }
    void note(int channel, uint32_t tick, uint32_t length, int pitch, int velocity)
    {
        m_events.push_back({tick, 2, {uint8_t(0x90 | channel), uint8_t(pitch), uint8_t(velocity)}});
        m_events.push_back({tick + length, 0, {uint8_t(0x80 | channel), uint8_t(pitch), 0}});
    }

    // The track chunk, ending at endTick.
    std::vector<uint8_t> chunk(uint32_t endTick) const
    {
        std::vector<Event> events = m_events;
        events.push_back({endTick, 3, {0xFF, 0x2F, 0x00}});
        std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
            return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
        });
        std::vector<uint8_t> body;
        uint32_t now = 0;
        for (const Event& e : events) {
            appendLength(body, e.tick - now);
            now = e.tick;
            body.insert(body.end(), e.bytes.begin(), e.bytes.end());
        }
        std::vector<uint8_t> out{'M', 'T', 'r', 'k'};
        appendBigEndian(out, uint32_t(body.size()), 4);
        out.insert(out.end(), body.begin(), body.end());
        return out;
    }

    static void appendLength(std::vector<uint8_t>& out, uint32_t value)
    {
        uint8_t groups[5];
        int n = 0;
        do {
            groups[n++] = uint8_t(value & 0x7F);
            value >>= 7;
        } while (value != 0);
        while (n > 1)
            out.push_back(uint8_t(groups[--n] | 0x80));
        out.push_back(groups[0]);
    }
    static void appendBigEndian(std::vector<uint8_t>& out, uint32_t value, int bytes)
    {
        for (int i = bytes - 1; i >= 0; --i)
            out.push_back(uint8_t(value >> (8 * i)));
    }

private:
    std::vector<Event> m_events;
};

// ---- A tune and its arrangement ---------------------------------------------------------

enum class Comping { Pad, Arpeggio, Waltz };
enum class Bass { Walking, Pulse, Downbeat };

struct Tune {
    const char* fileName;
    int bpm;
    int beatsPerBar;             // quarter notes per bar
    std::vector<std::string> chords; // one entry per bar; several chords share the bar
    std::string melody;          // "E5:4 r:2 ..." pitch and length in sixteenths
    int leadInstrument, compInstrument, bassInstrument;
    Comping comping;
    Bass bass;
    // Drum steps per bar, in sixteenths: 'x' strikes, '.' rests (empty: no drums).
    std::string kick, snare, hat;
    int hatNote;
};

struct Arrangement {
    Track lead{"Lead"}, comp{"Harmony"}, bassLine{"Bass"}, drums{"Drums"};
};

std::vector<std::pair<int, int>> parseMelody(const std::string& text)
{
    std::vector<std::pair<int, int>> notes; // pitch (-1: rest), length in steps
    std::istringstream in(text);
    std::string token;
    while (in >> token) {
        const size_t colon = token.find(':');
        const std::string name = token.substr(0, colon);
        notes.emplace_back(name == "r" ? -1 : pitchOf(name), std::stoi(token.substr(colon + 1)));
    }
    return notes;
}

// Louder on the bar's first beat, a little on the other beats, softer between them.
int accent(uint32_t step, int stepsPerBar, int base)
{
    if (step % uint32_t(stepsPerBar) == 0) return std::min(127, base + 14);
    if (step % 4 == 0) return base + 6;
    return base;
}

void playMelody(const Tune& t, Track& lead, uint32_t startStep, int velocity)
{
    const int stepsPerBar = t.beatsPerBar * 4;
    uint32_t step = startStep;
    for (const auto& [pitch, length] : parseMelody(t.melody)) {
        if (pitch >= 0) {
            // Slightly detached, as a player breathes between notes.
            const uint32_t sounding = uint32_t(length) * TicksPerStep - TicksPerStep / 4;
            lead.note(0, step * TicksPerStep, sounding, pitch,
                      accent(step - startStep, stepsPerBar, velocity));
        }
        step += uint32_t(length);
    }
    const uint32_t expected = startStep + uint32_t(t.chords.size()) * uint32_t(stepsPerBar);
    if (step != expected)
        throw std::runtime_error(std::string(t.fileName) + ": the melody does not fill its bars");
}

void playHarmony(const Tune& t, Arrangement& a, uint32_t startStep, Comping comping,
                 bool withBass, int velocity)
{
    const int stepsPerBar = t.beatsPerBar * 4;
    for (size_t bar = 0; bar < t.chords.size(); ++bar) {
        std::istringstream in(t.chords[bar]);
        std::vector<Chord> chords;
        for (std::string name; in >> name;)
            chords.push_back(chordOf(name));
        const int span = stepsPerBar / int(chords.size());
        for (size_t k = 0; k < chords.size(); ++k) {
            const Chord& c = chords[k];
            const uint32_t at = startStep + uint32_t(bar) * uint32_t(stepsPerBar) + uint32_t(k) * uint32_t(span);
            const uint32_t tick = at * TicksPerStep;
            switch (comping) {
            case Comping::Pad:
                for (int n = 0; n < 3; ++n)
                    a.comp.note(1, tick, uint32_t(span) * TicksPerStep - 10, chordTone(c, n, 48), velocity);
                break;
            case Comping::Arpeggio: // sixteenths up and down the chord
                for (int s = 0; s < span; ++s) {
                    static const int shape[] = {0, 1, 2, 3, 4, 3, 2, 1};
                    a.comp.note(1, tick + uint32_t(s) * TicksPerStep, TicksPerStep - 6,
                                chordTone(c, shape[s % 8], 48), velocity - (s % 2) * 10);
                }
                break;
            case Comping::Waltz: // the root, then two chords on the weak beats
                for (int s = 0; s < span; s += 4) {
                    if (s == 0)
                        a.comp.note(1, tick, 4 * TicksPerStep - 10, chordTone(c, 0, 48), velocity + 6);
                    else
                        for (int n = 1; n < 3; ++n)
                            a.comp.note(1, tick + uint32_t(s) * TicksPerStep, 3 * TicksPerStep,
                                        chordTone(c, n, 48), velocity - 8);
                }
                break;
            }
            if (!withBass)
                continue;
            const int root = chordTone(c, 0, 36);
            switch (t.bass) {
            case Bass::Walking: // root, root, fifth, root in quarters
                for (int s = 0, beat = 0; s < span; s += 4, ++beat) {
                    const int pitch = beat % 4 == 2 ? chordTone(c, 2, 36) : root;
                    a.bassLine.note(2, tick + uint32_t(s) * TicksPerStep, 4 * TicksPerStep - 30, pitch, 92);
                }
                break;
            case Bass::Pulse: // eighths leaping between octaves
                for (int s = 0; s < span; s += 2)
                    a.bassLine.note(2, tick + uint32_t(s) * TicksPerStep, 2 * TicksPerStep - 40,
                                    root + ((s / 2) % 2) * 12, 96 - ((s / 2) % 2) * 12);
                break;
            case Bass::Downbeat: // a long root for the whole chord
                a.bassLine.note(2, tick, uint32_t(span) * TicksPerStep - 20, root, 84);
                break;
            }
        }
    }
}

void playDrums(const Tune& t, Track& drums, uint32_t startStep, size_t bars)
{
    const int stepsPerBar = t.beatsPerBar * 4;
    for (size_t bar = 0; bar < bars; ++bar) {
        for (int s = 0; s < stepsPerBar; ++s) {
            const uint32_t tick = (startStep + uint32_t(bar) * uint32_t(stepsPerBar) + uint32_t(s)) * TicksPerStep;
            const size_t i = size_t(s);
            if (i < t.kick.size() && t.kick[i] == 'x')
                drums.note(DrumChannel, tick, TicksPerStep, 36, 100);
            if (i < t.snare.size() && t.snare[i] == 'x')
                drums.note(DrumChannel, tick, TicksPerStep, 38, 90);
            if (i < t.hat.size() && t.hat[i] == 'x')
                drums.note(DrumChannel, tick, TicksPerStep / 2, t.hatNote, s % 4 == 0 ? 70 : 56);
        }
    }
}

// Two bars of harmony alone, the tune softly over a pad, then the tune again with the full
// band. The file ends on a bar line, so a player that loops it keeps the beat.
std::vector<uint8_t> compose(const Tune& t)
{
    const int stepsPerBar = t.beatsPerBar * 4;
    const uint32_t tuneSteps = uint32_t(t.chords.size()) * uint32_t(stepsPerBar);
    Arrangement a;

    Track conductor("Trevinor");
    conductor.meta(0, 0x51, {uint8_t((60000000 / t.bpm) >> 16), uint8_t((60000000 / t.bpm) >> 8),
                             uint8_t(60000000 / t.bpm)});
    conductor.meta(0, 0x58, {uint8_t(t.beatsPerBar), 2, 24, 8});

    a.lead.program(0, t.leadInstrument);
    a.comp.program(1, t.compInstrument);
    a.bassLine.program(2, t.bassInstrument);
    a.lead.control(0, 91, 40);  // some room around the lead
    a.comp.control(1, 7, 84);   // the harmony a little behind it
    a.comp.control(1, 10, 44);  // and a little to the left

    Tune intro = t;
    intro.chords.assign(t.chords.begin(), t.chords.begin() + 2);
    const uint32_t introSteps = 2 * uint32_t(stepsPerBar);
    playHarmony(intro, a, 0, Comping::Pad, true, 60);

    const uint32_t first = introSteps;
    playMelody(t, a.lead, first, 78);
    playHarmony(t, a, first, Comping::Pad, true, 58);

    const uint32_t second = first + tuneSteps;
    playMelody(t, a.lead, second, 92);
    playHarmony(t, a, second, t.comping, true, 70);
    if (!t.kick.empty() || !t.snare.empty() || !t.hat.empty())
        playDrums(t, a.drums, second, t.chords.size());

    const uint32_t end = (second + tuneSteps) * TicksPerStep;
    std::vector<const Track*> tracks{&conductor, &a.lead, &a.comp, &a.bassLine};
    if (!t.kick.empty())
        tracks.push_back(&a.drums);

    std::vector<uint8_t> file{'M', 'T', 'h', 'd'};
    Track::appendBigEndian(file, 6, 4);
    Track::appendBigEndian(file, 1, 2); // format 1: tracks played together
    Track::appendBigEndian(file, uint32_t(tracks.size()), 2);
    Track::appendBigEndian(file, TicksPerQuarter, 2);
    for (const Track* track : tracks) {
        const std::vector<uint8_t> chunk = track->chunk(end);
        file.insert(file.end(), chunk.begin(), chunk.end());
    }
    return file;
}

// ---- The three tunes --------------------------------------------------------------------

std::vector<Tune> tunes()
{
    // General MIDI instruments, counted from 0.
    constexpr int Piano = 0, SquareLead = 80, SawLead = 81, Flute = 73, Harp = 46,
                  FingerBass = 33, AcousticBass = 32, SynthBass = 38, Polysynth = 90;
    return {
        {"Europe.mid", 120, 4,
         {"D", "Bm", "G", "A", "D", "Bm", "G A", "D",
          "G", "D", "Em", "A", "D", "Bm", "G A", "D"},
         "F#5:4 A5:2 F#5:2 E5:4 D5:4   B4:4 D5:2 F#5:2 B5:6 A5:2 "
         "G5:4 B5:2 G5:2 F#5:4 E5:4   E5:6 F#5:2 E5:4 r:4 "
         "F#5:4 A5:2 F#5:2 E5:4 D5:4   B4:4 D5:2 F#5:2 B5:4 C#6:4 "
         "D6:4 B5:4 C#6:4 A5:4        D6:12 r:4 "
         "B5:2 A5:2 G5:2 A5:2 B5:4 D6:4   A5:8 F#5:4 A5:4 "
         "G5:2 F#5:2 E5:2 F#5:2 G5:4 B5:4 A5:8 G5:4 E5:4 "
         "F#5:4 A5:2 F#5:2 E5:4 D5:4   B4:4 D5:2 F#5:2 B5:4 C#6:4 "
         "D6:4 B5:4 C#6:4 A5:4        D6:12 r:4",
         SquareLead, Piano, FingerBass, Comping::Arpeggio, Bass::Walking,
         "x.......x.......", "....x.......x...", "x.x.x.x.x.x.x.x.", 42},

        {"vys.mid", 84, 3,
         {"Am", "F", "C", "G", "Am", "F", "E", "E",
          "F", "G", "C", "Am", "Dm", "E", "Am", "Am"},
         "A4:4 C5:4 E5:4   A5:8 G5:2 F5:2   E5:4 G5:4 C6:4   B5:8 D5:4 "
         "C6:6 B5:2 A5:4   F5:4 A5:4 C6:4   B5:6 A5:2 G#5:4  E5:12 "
         "C6:4 A5:4 F5:4   D6:6 C6:2 B5:4   E6:8 D6:2 C6:2   A5:12 "
         "F5:4 A5:4 D6:4   B5:4 G#5:4 E5:4  A5:6 B5:2 C6:4   A5:12",
         Flute, Harp, AcousticBass, Comping::Waltz, Bass::Downbeat,
         "", "", "", 0},

        {"tn.mid", 132, 4,
         {"Em", "C", "G", "D", "Em", "C", "Am", "B",
          "C", "D", "Em", "Em", "C", "D", "B", "Em"},
         "E5:3 G5:3 B5:2 A5:2 G5:2 F#5:2 G5:2   E5:3 G5:3 C6:2 B5:4 G5:4 "
         "D5:3 G5:3 B5:2 D6:4 B5:4              A5:6 F#5:2 D5:4 F#5:4 "
         "E5:3 G5:3 B5:2 E6:4 D6:2 B5:2         C6:3 B5:3 G5:2 E5:4 G5:4 "
         "A5:3 C6:3 E6:2 D6:4 C6:4              B5:8 D#6:4 F#5:4 "
         "G5:2 G5:2 E5:2 G5:2 C6:4 B5:4         A5:2 A5:2 F#5:2 A5:2 D6:4 C6:4 "
         "B5:6 A5:2 G5:4 E5:4                   E5:12 r:4 "
         "G5:3 A5:3 B5:2 C6:4 E6:4              D6:3 C6:3 A5:2 F#5:4 A5:4 "
         "B5:4 A5:4 G5:4 F#5:4                  E5:12 r:4",
         SawLead, Polysynth, SynthBass, Comping::Arpeggio, Bass::Pulse,
         "x...x...x...x...", "....x.......x...", "..x...x...x...x.", 46},
    };
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-melodies <folder>\n");
        return 2;
    }
    try {
        for (const Tune& tune : tunes()) {
            const std::vector<uint8_t> bytes = compose(tune);
            const std::string path = std::string(argv[1]) + "/" + tune.fileName;
            std::ofstream out(path, std::ios::binary | std::ios::trunc);
            out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
            if (!out.flush()) {
                std::fprintf(stderr, "make-melodies: cannot write %s\n", path.c_str());
                return 1;
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make-melodies: %s\n", e.what());
        return 1;
    }
    return 0;
}
