// Where the game's chance comes from. Rules that draw take a RandomSource, so a test can fix
// every draw and the game can use a real generator.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <vector>

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A whole number from 0 to n - 1, each equally likely (0 when n <= 1).
    virtual int below(int n) = 0;
    // A fair coin.
    bool coin() { return below(2) == 1; }
};

// The program's generator, seeded from the system.
RandomSource& systemRandom();

// Draws given in advance, for tests and pictures: each draw takes the next value (clamped to
// the range asked for); when they run out, every draw gives 0.
class ScriptedRandom final : public RandomSource {
public:
    ScriptedRandom() = default;
    explicit ScriptedRandom(std::initializer_list<int> draws) : m_draws(draws) {}
    void add(int draw) { m_draws.push_back(draw); }
    int below(int n) override
    {
        if (m_next >= m_draws.size() || n <= 1)
            return 0;
        const int draw = m_draws[m_next++];
        return draw < 0 ? 0 : (draw >= n ? n - 1 : draw);
    }

private:
    std::vector<int> m_draws;
    std::size_t m_next = 0;
};
