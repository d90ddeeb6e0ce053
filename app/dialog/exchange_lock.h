// SPDX-License-Identifier: MIT
#pragma once

namespace marvane {

// The dialog's guard against running one control handler inside another.
// While a data exchange runs (its message box included), the dialog's
// handlers see lockedOut() and return at once, as the framework's lock-out
// keeps a dialog's handlers out of a running exchange.
class ExchangeGuard {
public:
    bool lockedOut() const { return running_; }

private:
    friend class ExchangeLock;
    bool running_ = false;
};

// Holds the guard for its lifetime; a lock taken inside another leaves the
// outer one held when it ends.
class ExchangeLock {
public:
    explicit ExchangeLock(ExchangeGuard& guard) : guard_(guard), wasRunning_(guard.running_) {
        guard_.running_ = true;
    }
    ~ExchangeLock() { guard_.running_ = wasRunning_; }
    ExchangeLock(const ExchangeLock&) = delete;
    ExchangeLock& operator=(const ExchangeLock&) = delete;

private:
    ExchangeGuard& guard_;
    bool wasRunning_;
};

}  // namespace marvane
