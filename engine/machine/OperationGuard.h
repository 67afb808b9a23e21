#pragma once

#include <cstdint>

namespace slotmachine {

// Lets one machine operation (a spin, a feature such as a nudge, a due bonus game)
// run at a time, and counts those that have ended.
class OperationGuard {
public:
    bool running() const { return running_; }
    // How many operations have ended (also one that stopped early).
    std::uint64_t finished() const { return finished_; }

    // Holds the guard for its lifetime, unless another operation already holds it.
    class Scope {
    public:
        explicit Scope(OperationGuard& guard) : guard_(guard), owns_(!guard.running_) {
            if (owns_) {
                guard_.running_ = true;
            }
        }
        ~Scope() {
            if (owns_) {
                guard_.running_ = false;
                ++guard_.finished_;
            }
        }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;
        // False when another operation was already running: the caller must stop.
        explicit operator bool() const { return owns_; }

    private:
        OperationGuard& guard_;
        bool owns_;
    };

private:
    bool running_ = false;
    std::uint64_t finished_ = 0;
};

} // namespace slotmachine
