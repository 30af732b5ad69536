// A field shared between the host's user-interface thread and its audio
// thread. Each read and each write is one relaxed atomic access, so a value is
// never seen half-written and the thread sanitizer sees no race, yet the code
// reads like plain fields and costs what a plain load or store costs on x86.
// Compound assignments are a load followed by a store, not read-modify-write
// operations: every such field has one writer at a time in practice, and a
// lost update between two writers is no worse than the plain-field design.
#pragma once

#include <atomic>

template <typename T>
class Relaxed {
public:
    constexpr Relaxed() noexcept : value_(T{}) {}
    constexpr Relaxed(T initial) noexcept : value_(initial) {}  // NOLINT: reads like a plain field
    Relaxed(const Relaxed& other) noexcept : value_(other.load()) {}

    T load() const noexcept { return value_.load(std::memory_order_relaxed); }
    void store(T v) noexcept { value_.store(v, std::memory_order_relaxed); }

    operator T() const noexcept { return load(); }  // NOLINT
    Relaxed& operator=(T v) noexcept {
        store(v);
        return *this;
    }
    Relaxed& operator=(const Relaxed& other) noexcept {
        store(other.load());
        return *this;
    }
    Relaxed& operator+=(T v) noexcept {
        store(load() + v);
        return *this;
    }
    Relaxed& operator-=(T v) noexcept {
        store(load() - v);
        return *this;
    }
    Relaxed& operator++() noexcept { return *this += T(1); }
    Relaxed& operator--() noexcept { return *this -= T(1); }

private:
    std::atomic<T> value_;
    static_assert(std::atomic<T>::is_always_lock_free, "shared fields must be lock-free");
};
