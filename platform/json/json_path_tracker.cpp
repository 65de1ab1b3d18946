// The path of the value the full JSON parser is at, followed through its events; a key given twice refused.
#include "json/json_path_tracker.h"

#include <utility>

void JsonPathTracker::Open(bool isList)
{
    Level level;
    level.isList = isList;
    level.path = CurrentPath();
    if (!m_open.empty() && m_open.back().isList) ++m_open.back().next;
    m_open.push_back(std::move(level));
}

void JsonPathTracker::Key(std::string_view key)
{
    Level& object = m_open.back();
    object.key = key;
    if (!object.keys.insert(object.key).second) throw JsonKeyGivenTwice(m_member(object.path, object.key));
}

void JsonPathTracker::Value()
{
    if (!m_open.empty() && m_open.back().isList) ++m_open.back().next;
}

void JsonPathTracker::Close() { m_open.pop_back(); }

std::string JsonPathTracker::CurrentPath() const
{
    if (m_open.empty()) return m_root;
    const Level& level = m_open.back();
    return level.isList ? level.path + "[" + std::to_string(level.next) + "]" : m_member(level.path, level.key);
}
