// The path of the value the full JSON parser is at, followed through its events; a key given twice refused.
#pragma once

#include <nlohmann/json.hpp>

#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A key given twice in one object: the parser would keep its last value only, and the first would
// be lost unseen. path() names the second one.
class JsonKeyGivenTwice : public std::runtime_error {
public:
    explicit JsonKeyGivenTwice(std::string path) : std::runtime_error(path + ": key given twice"), m_path(std::move(path)) {}
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

// Follows the parser (a JsonParseFollower's events): the path of each open object or list, the keys
// an object has had so far, the next element index of a list. Paths start at root; member writes
// "parent" + key in the reader's own form, an element is "parent[i]".
class JsonPathTracker {
public:
    using MemberPath = std::string (*)(const std::string& parent, std::string_view key);
    JsonPathTracker(std::string root, MemberPath member) : m_root(std::move(root)), m_member(member) {}

    // Throws JsonKeyGivenTwice at the second key of one name in an object.
    void Event(nlohmann::ordered_json::parse_event_t event, const nlohmann::ordered_json& parsed);

    // The path of the value the parser is at: the key just read, or the list's next element; root
    // outside every object and list.
    std::string CurrentPath() const;

private:
    struct Open {
        bool isList = false;
        std::string path;
        std::string key;                 // an object's last key
        std::set<std::string> keys;      // an object's keys so far
        std::size_t next = 0;            // a list's next index
    };

    std::string m_root;
    MemberPath m_member;
    std::vector<Open> m_open;
};
