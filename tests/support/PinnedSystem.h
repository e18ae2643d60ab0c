// Pins a system setting for the lifetime of one test scope, so results do
// not depend on the machine's locale.
#pragma once

#include <vok/Vok_system.h>

// Pins the system decimal separator; the destructor returns to the system's.
class PinnedSeparator
{
public:
    explicit PinnedSeparator(QChar Sep) { vok::SetSystemDecimalSeparator(Sep); }
    ~PinnedSeparator() { vok::SetSystemDecimalSeparator(std::nullopt); }
    PinnedSeparator(const PinnedSeparator&) = delete;
    PinnedSeparator& operator=(const PinnedSeparator&) = delete;
};

// Pins the clock to Now; the destructor returns to the system's.
class PinnedClock
{
public:
    explicit PinnedClock(const QDateTime& Now) { vok::SetCurrentDateTime(Now); }
    ~PinnedClock() { vok::SetCurrentDateTime(std::nullopt); }
    PinnedClock(const PinnedClock&) = delete;
    PinnedClock& operator=(const PinnedClock&) = delete;
};
