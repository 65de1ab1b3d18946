// The path of the value the full JSON parser is at, followed through its events; a key given twice refused.
#include "json/json_path_tracker.h"

#include <utility>

void JsonPathTracker::Event(nlohmann::ordered_json::parse_event_t event, const nlohmann::ordered_json& parsed)
{
    using Event = nlohmann::ordered_json::parse_event_t;
    switch (event) {
    case Event::object_start:
    case Event::array_start: {
        Open open;
        open.isList = event == Event::array_start;
        open.path = CurrentPath();
        if (!m_open.empty() && m_open.back().isList) ++m_open.back().next;
        m_open.push_back(std::move(open));
        break;
    }
    case Event::key: {
        Open& object = m_open.back();
        object.key = parsed.get<std::string>();
        if (!object.keys.insert(object.key).second) throw JsonKeyGivenTwice(m_member(object.path, object.key));
        break;
    }
    case Event::value:
        if (!m_open.empty() && m_open.back().isList) ++m_open.back().next;
        break;
    case Event::object_end:
    case Event::array_end:
        m_open.pop_back();
        break;
    }
}

std::string JsonPathTracker::CurrentPath() const
{
    if (m_open.empty()) return m_root;
    const Open& open = m_open.back();
    return open.isList ? open.path + "[" + std::to_string(open.next) + "]" : m_member(open.path, open.key);
}
