// The shortest decimal that reads back as a float, spelt exactly as
// std::to_chars(first, last, v) spells it, in about 60 % of its time for
// the numbers a drawing is made of: the writers spell tens of millions of
// them for a large document, and spelling them was a third of the time
// `tovrins run` took to write a million copies to SVG.
#pragma once

#include <bit>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace tovrins::host {

// Room enough for any float's shortest spelling, and what spellFloat may
// write past its end.
inline constexpr size_t kFloatRoom = 24;

namespace float_text {

inline constexpr double kPow10[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12};

inline constexpr uint64_t kPowers[] = {1ull,
                                       10ull,
                                       100ull,
                                       1000ull,
                                       10000ull,
                                       100000ull,
                                       1000000ull,
                                       10000000ull,
                                       100000000ull,
                                       1000000000ull,
                                       10000000000ull,
                                       100000000000ull,
                                       1000000000000ull,
                                       10000000000000ull,
                                       100000000000000ull,
                                       1000000000000000ull,
                                       10000000000000000ull,
                                       100000000000000000ull,
                                       1000000000000000000ull,
                                       10000000000000000000ull};

// Digits in n: from its bit width (log10 2 is about 1233 / 4096), one
// more when it reaches the next power of ten.
inline int digitCount(uint64_t n)
{
    const int guess = (std::bit_width(n | 1) * 1233) >> 12;
    return guess + ((n | 1) >= kPowers[guess] ? 1 : 0);
}

inline constexpr char kPairs[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                                "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                                "8081828384858687888990919293949596979899";

// Writes n's digits so that they end at `end`, two at a time.
inline void digitsBefore(char* end, uint64_t n)
{
    while (n >= 100) {
        end -= 2;
        std::memcpy(end, kPairs + 2 * (n % 100), 2);
        n /= 100;
    }
    if (n >= 10)
        std::memcpy(end - 2, kPairs + 2 * n, 2);
    else
        end[-1] = static_cast<char>('0' + n);
}

// n / 10^decimals in fixed notation: `decimals` digits after the point,
// and "0." before them when n has no more digits than that. Any n.
inline char* fixedAnyLength(char* at, uint64_t n, int decimals)
{
    const int count = digitCount(n);
    if (count <= decimals) {
        *at++ = '0';
        *at++ = '.';
        for (int i = count; i < decimals; ++i)
            *at++ = '0';
        digitsBefore(at + count, n);
        return at + count;
    }
    if (decimals == 0) {
        digitsBefore(at + count, n);
        return at + count;
    }
    // The whole part's digits are written, then moved left of the point.
    const int whole = count - decimals;
    digitsBefore(at + count + 1, n);
    for (int i = 0; i < whole; ++i)
        at[i] = at[i + 1];
    at[whole] = '.';
    return at + count + 1;
}

// The same for n below 10^8, most of what a drawing holds, without a loop
// whose length changes from one number to the next: n's eight digits
// (leading zeros too) are spelt at once, and pieces of them copied eight
// bytes at a time, which may write past the text's end (within kFloatRoom
// of where it starts, a sign included).
inline char* fixed(char* at, uint64_t n, int decimals)
{
    if (n >= 100000000)
        return fixedAnyLength(at, n, decimals);
    char digits[16] = {};
    const auto high = static_cast<uint32_t>(n / 10000), low = static_cast<uint32_t>(n % 10000);
    std::memcpy(digits, kPairs + 2 * (high / 100), 2);
    std::memcpy(digits + 2, kPairs + 2 * (high % 100), 2);
    std::memcpy(digits + 4, kPairs + 2 * (low / 100), 2);
    std::memcpy(digits + 6, kPairs + 2 * (low % 100), 2);
    const int count = digitCount(n);
    if (count <= decimals) {
        std::memcpy(at, "0.00000000000000", 16);
        std::memcpy(at + 2 + decimals - count, digits + 8 - count, 8);
        return at + 2 + decimals;
    }
    std::memcpy(at, digits + 8 - count, 8);
    if (decimals == 0)
        return at + count;
    const int whole = count - decimals;
    at[whole] = '.';
    std::memcpy(at + whole + 1, digits + 8 - decimals, 8);
    return at + count + 1;
}

// How near n / 10^d, n the nearest integer to x * 10^d, comes to x,
// against half a unit in x's last place: what decides whether it reads
// back as x. Both products are exact in a double: x is a float, of 24
// bits, and 5^12 has 28.
enum class Fit { Inside, Outside, Boundary };
struct Nearest {
    uint64_t n;
    Fit fit;
};
inline Nearest nearest(double x, double halfUlp, int d)
{
    const double scaled = x * kPow10[d];
    // Nearest integer, ties to even, below 2^52; above it a double is whole.
    const double whole = scaled < 0x1p52 ? (scaled + 0x1p52) - 0x1p52 : scaled;
    const double miss = std::fabs(scaled - whole);
    const double room = halfUlp * kPow10[d];
    // A tie (0.5), or a miss of exactly the room, reads back by the rules
    // for ties, which std::to_chars is left to apply; both are rare, and
    // tested apart.
    Fit fit = Fit::Outside;
    if (miss < room)
        fit = miss == 0.5 ? Fit::Boundary : Fit::Inside;
    else if (miss == room)
        fit = Fit::Boundary;
    return {static_cast<uint64_t>(whole), fit};
}

} // namespace float_text

// Spells v at `at`, which has kFloatRoom chars free (any of them may be
// written); returns the end of the text.
// Floats from 0.001 up to 100,000 in size are spelt here, in fixed
// notation, which std::to_chars always picks for them, with the fewest
// decimals d whose nearest decimal reads back as v. The nearest decimal
// with d places is one with d + 1 places too, so more places never come
// farther from v: the search starts from the d whose step, 10^-d, is at
// most a unit in v's last place (whose nearest decimal always reads back)
// and drops places while the nearest still reads back. Powers of two (whose neighbour below is nearer than the one
// above) and everything else go to std::to_chars.
inline char* spellFloat(char* at, float v)
{
    using namespace float_text;
    const uint32_t bits = std::bit_cast<uint32_t>(v);
    const double x = std::fabs(static_cast<double>(v));
    if (x >= 0.001 && x < 100000 && (bits & 0x7fffff) != 0) {
        const int exponent = static_cast<int>((bits >> 23) & 0xff);
        // A unit in the last place is 2^-k; 10^-d <= 2^-k from d = ceil(k log10 2),
        // and k log10 2 (78913 / 2^18) is never whole.
        const int k = 150 - exponent;
        int d = ((k * 78913) >> 18) + 1;
        const double halfUlp = std::bit_cast<double>(static_cast<uint64_t>(exponent - 151 + 1023) << 52);
        Nearest best = nearest(x, halfUlp, d);
        while (best.fit == Fit::Inside && d > 0) {
            const Nearest shorter = nearest(x, halfUlp, d - 1);
            if (shorter.fit != Fit::Inside) {
                if (shorter.fit == Fit::Boundary)
                    best.fit = Fit::Boundary;
                break;
            }
            best = shorter;
            --d;
        }
        if (best.fit == Fit::Inside) {
            if (bits >> 31)
                *at++ = '-';
            return fixed(at, best.n, d);
        }
    }
    return std::to_chars(at, at + kFloatRoom, v).ptr;
}

} // namespace tovrins::host
