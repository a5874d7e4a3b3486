#pragma once

#include "failure.h"

#include <array>
#include <cstddef>

namespace platform {

// A fixed array whose every access checks its subscript: an index outside 0 to N-1 is a Failure, never
// a stray read. Called with parentheses, like the arrays of the game record and the control arrays.
template <class T, std::size_t N> class CheckedArray {
public:
    static constexpr std::size_t size() { return N; }

    T& operator()(long long index) { return items_[checkedIndex(index)]; }
    const T& operator()(long long index) const { return items_[checkedIndex(index)]; }

    static bool contains(long long index) { return index >= 0 && index < static_cast<long long>(N); }

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    void fill(const T& value) { items_.fill(value); }

private:
    static std::size_t checkedIndex(long long index) {
        if (!contains(index))
            fail("subscript out of range");
        return static_cast<std::size_t>(index);
    }
    std::array<T, N> items_{};
};

} // namespace platform
