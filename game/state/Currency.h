// Money: a signed 64-bit count of ten-thousandths of a rouble, with exact arithmetic.
#pragma once

#include <QString>

#include <compare>
#include <cstdint>

class Currency {
public:
    static constexpr int64_t UnitsPerRouble = 10000;

    constexpr Currency() = default;
    static constexpr Currency fromUnits(int64_t units) { Currency c; c.m_units = units; return c; }
    static constexpr Currency fromRoubles(int64_t roubles) { return fromUnits(roubles * UnitsPerRouble); }

    constexpr int64_t units() const { return m_units; }

    // Sums saturate at the ends of the range instead of wrapping.
    Currency operator+(Currency other) const;
    Currency operator-(Currency other) const;
    Currency& operator+=(Currency other) { return *this = *this + other; }
    Currency& operator-=(Currency other) { return *this = *this - other; }

    constexpr auto operator<=>(const Currency&) const = default;

    // Plain decimal text: "550", "-12.5", "0.0001" (no trailing zeros, point as separator).
    QString toString() const;

private:
    int64_t m_units = 0;
};
