// The per-thread release journal.
#include "host/live_count.h"

namespace {

struct Journal {
    bool recording = false;
    std::vector<std::type_index> entries;
};

Journal& ThisThread()
{
    thread_local Journal journal;
    return journal;
}

} // namespace

void ReleaseJournal::Start()
{
    Journal& j = ThisThread();
    j.entries.clear();
    j.recording = true;
}

void ReleaseJournal::Stop() { ThisThread().recording = false; }

const std::vector<std::type_index>& ReleaseJournal::Entries() { return ThisThread().entries; }

void ReleaseJournal::Note(const std::type_info& type) noexcept
{
    Journal& j = ThisThread();
    if (!j.recording) return;
    try {
        j.entries.emplace_back(type);
    } catch (...) {
        // Out of memory while recording: the entry is lost, the release itself goes on.
    }
}
