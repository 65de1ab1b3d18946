// PublishedNamesAgainst: the names an output map publishes held against the names of a test's
// tables, so that a failure names what differs rather than two counts.
#pragma once

#include "host/output_data.h"

#include <set>
#include <string>

// "" when the map publishes exactly the listed names; otherwise the names published that no table
// lists and the names listed that are not published, each in name order.
inline std::string PublishedNamesAgainst(const OutputDataMap& map, const std::set<std::string>& listed)
{
    std::string added, missing;
    std::set<std::string> published;
    for (const auto& [name, value] : map) {
        published.emplace(name);
        if (!listed.contains(std::string(name))) added += " " + std::string(name);
    }
    for (const std::string& name : listed)
        if (!published.contains(name)) missing += " " + name;
    std::string differ;
    if (!added.empty()) differ += "published but in no table:" + added + "\n";
    if (!missing.empty()) differ += "in a table but not published:" + missing + "\n";
    return differ;
}
