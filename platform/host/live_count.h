// Live-object counts per class and an opt-in, per-thread journal of releases, for ownership checks.
#pragma once

#include <atomic>
#include <typeindex>
#include <typeinfo>
#include <vector>

// Records, on the calling thread and only while recording is on, the class of every object
// released whose class keeps a LiveCount. Off by default, so a long-running host never grows it.
class ReleaseJournal {
public:
    // Clears this thread's journal and starts recording.
    static void Start();
    // Stops recording; the entries stay readable until the next Start.
    static void Stop();
    static const std::vector<std::type_index>& Entries();
    // Notes one release when recording is on; never throws.
    static void Note(const std::type_info& type) noexcept;
};

// Kept as a member by a class whose objects are counted: the count of live objects of T in the
// process, and one journal entry when an object of T is released.
template <class T>
class LiveCount {
public:
    LiveCount() noexcept { s_live.fetch_add(1, std::memory_order_relaxed); }
    LiveCount(const LiveCount&) noexcept : LiveCount() {}
    LiveCount& operator=(const LiveCount&) noexcept { return *this; }
    ~LiveCount()
    {
        s_live.fetch_sub(1, std::memory_order_relaxed);
        ReleaseJournal::Note(typeid(T));
    }

    static int Live() noexcept { return s_live.load(std::memory_order_relaxed); }

private:
    static inline std::atomic<int> s_live{0};
};
