// Runs one foundation check and keeps its diagnostic entries as "part key #item: message".
#pragma once

#include "common/dbl_array.h"
#include "host/report.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

using FoundationEntries = std::vector<std::string>;

// Calls check with a fresh report log and returns its result and entries.
inline int RunFoundationCheck(const std::function<int()>& check, FoundationEntries& entries)
{
    ReportLog::Current().Clear();
    const int ok = check();
    entries.clear();
    for (const ReportEntry& e : ReportLog::Current().Entries()) {
        if (e.kind != ReportEntry::Diagnose) {
            entries.push_back("not a diagnostic: " + e.message.str());
            continue;
        }
        if (e.label != 7 || e.type.str() != "Error" || e.flag != 0) entries.push_back("bad label, kind or flag");
        entries.push_back(std::to_string(e.part) + " " + e.keys.str() + " #" + std::to_string(e.item) + ": " +
                          e.message.str());
    }
    ReportLog::Current().Clear();
    return ok;
}

// One entry of a single key: the message and the key's suffix.
inline std::string OneKey(unsigned part, const std::string& key, const std::string& message, unsigned item = 0)
{
    return std::to_string(part) + " " + key + " #" + std::to_string(item) + ": " + message + "，" + key + "有错误．";
}

// The entries of a message under several keys, one per key in order.
inline FoundationEntries SeveralKeys(unsigned part, std::initializer_list<const char*> keys,
                                     const std::string& message, unsigned item = 0)
{
    FoundationEntries out;
    for (const char* key : keys)
        out.push_back(std::to_string(part) + " " + key + " #" + std::to_string(item) + ": " + message + "，可能" +
                      key + "有错误．");
    return out;
}

inline void SetList(DblArray& list, std::initializer_list<double> values)
{
    list.RemoveAll();
    for (double v : values) list.Add(v);
}

// A table row: a change to the sound object and the entries it must give (none: the check passes).
template <class Object>
struct FoundationCase {
    const char* name;
    std::function<void(Object&)> set;
    FoundationEntries expected;
};
