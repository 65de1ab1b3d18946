// The path of the value the full JSON parser is at, followed through its events; a key given twice refused.
#pragma once

#include "json/keyed_string_hash.h"

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_set>
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

// Follows the parser through its events: the path of each open object or list, the keys an object
// has had so far, the next element index of a list. Paths start at root; member writes "parent" +
// key in the reader's own form, an element is "parent[i]".
class JsonPathTracker {
public:
    using MemberPath = std::string (*)(const std::string& parent, std::string_view key);
    JsonPathTracker(std::string root, MemberPath member) : m_root(std::move(root)), m_member(member) {}

    // An object or a list opens where the parser is.
    void Open(bool isList);
    // The key of an object's next member. Throws JsonKeyGivenTwice at the second key of one name in
    // an object.
    void Key(std::string_view key);
    // A value that is neither an object nor a list, where the parser is.
    void Value();
    // The innermost open object or list closes.
    void Close();

    // How many objects and lists are open.
    std::size_t Depth() const { return m_open.size(); }

    // The path of the value the parser is at: the key just read, or the list's next element; root
    // outside every object and list.
    std::string CurrentPath() const;

    // An object's keys so far, hashed under the process's key.
    using KeySet = std::unordered_set<std::string, KeyedStringHash>;

private:
    struct Level {
        bool isList = false;
        std::string path;
        std::string key;                 // an object's last key
        KeySet keys;                     // an object's keys so far
        std::size_t next = 0;            // a list's next index
    };

    std::string m_root;
    MemberPath m_member;
    std::vector<Level> m_open;
};
