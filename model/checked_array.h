// SPDX-License-Identifier: MIT
#pragma once

#include "model/numeric.h"

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

namespace kestrel {

// A fixed-size, zero-initialised array of doubles whose every access is bounds-checked:
// an index outside 0..N-1 throws std::out_of_range naming the array, never writes memory.
template <std::size_t N> class CheckedArray {
public:
    explicit CheckedArray(const char* name) : name_(name) {}

    double& operator[](long i) { return values_[checked(i)]; }
    double operator[](long i) const { return values_[checked(i)]; }
    // Real-valued index, rounded half to even.
    double& at(double i) { return (*this)[toIndex(i)]; }
    double at(double i) const { return (*this)[toIndex(i)]; }

    static constexpr std::size_t size() { return N; }
    const char* name() const { return name_; }

private:
    std::size_t checked(long i) const {
        if (i < 0 || i >= static_cast<long>(N)) {
            throw std::out_of_range("index " + std::to_string(i) + " out of range 0 to " +
                                    std::to_string(N - 1) + " in " + name_);
        }
        return static_cast<std::size_t>(i);
    }

    const char* name_;
    std::array<double, N> values_{};
};

} // namespace kestrel
