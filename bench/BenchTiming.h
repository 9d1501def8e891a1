// SPDX-License-Identifier: GPL-3.0-or-later
// A small timing harness for a machine shared with other work: two bodies are
// timed in alternating rounds, and medians are taken, so a disturbed round or
// a slow drift in the machine's load does not decide the figures.
#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

namespace orvanta::bench {

struct Comparison {
    double FirstNs;   // median nanoseconds per iteration of the first body
    double SecondNs;  // the same for the second body
    double Ratio;     // median of the per-round ratios first / second
};

inline double Median(std::vector<double> values)
{
    std::nth_element(values.begin(), values.begin() + static_cast<long>(values.size() / 2), values.end());
    return values[values.size() / 2];
}

template <typename Body>
double NanosPerIteration(Body& body, int iterations)
{
    const auto start = std::chrono::steady_clock::now();
    body(iterations);
    const auto stop = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::nano>(stop - start).count() / iterations;
}

// Times first(iterations) and second(iterations) alternately for `rounds` rounds.
template <typename First, typename Second>
Comparison Compare(First&& first, Second&& second, int iterations, int rounds = 41)
{
    std::vector<double> a, b, ratios;
    NanosPerIteration(first, iterations);  // warm-up
    NanosPerIteration(second, iterations);
    for (int r = 0; r < rounds; ++r) {
        a.push_back(NanosPerIteration(first, iterations));
        b.push_back(NanosPerIteration(second, iterations));
        ratios.push_back(a.back() / b.back());
    }
    return {Median(a), Median(b), Median(ratios)};
}

// Keeps the compiler from dropping a computed value.
inline void KeepValue(double value)
{
    asm volatile("" : : "g"(value) : "memory");
}

}  // namespace orvanta::bench
