// What the game's screens get from outside, so that the program, the screenshot maker and the
// tests can each hand in their own: the dialogs, the random source, the clock that animations
// read, the saved-game folder, the music player and the way the program ends.
#pragma once

#include <QtGlobal>

#include <functional>

class Dialogs;
class MusicPlayer;
class RandomSource;
class SaveFolder;

// Milliseconds on a clock that only moves forward. Animations (a filling bar, a page load)
// read it on each repaint tick, so their progress is a matter of time, not of ticks; a test
// moves a fake clock by hand.
class AnimationClock {
public:
    virtual ~AnimationClock() = default;
    virtual qint64 nowMs() const = 0;
};
AnimationClock& steadyClock();

struct Services {
    Dialogs* dialogs = nullptr;
    RandomSource* random = nullptr;   // systemRandom() when not given
    AnimationClock* clock = nullptr;  // steadyClock() when not given
    SaveFolder* saves = nullptr;      // the saved games' folder
    MusicPlayer* music = nullptr;     // nullptr: the game plays no music
    // Ends the program at once, without saving.
    std::function<void()> quit;
};

// A clock moved by hand, for tests and pictures.
class ManualClock final : public AnimationClock {
public:
    qint64 nowMs() const override { return m_now; }
    void advance(qint64 ms) { m_now += ms; }

private:
    qint64 m_now = 0;
};
