// Where a value lies in the key parameters: a chain of keys and list positions from the root.
#pragma once

#include <cstddef>
#include <string>

// Written out as a path ("keyParameters.cap.FrameAr[1].GJJ") only when a message needs it, so a
// walk over the key parameters builds no text for the values that are read without fault. An
// empty root makes the first key the start of the path ("cap.st_d").
class KeyPath {
public:
    explicit KeyPath(const std::string& root) : m_root(&root) {}
    KeyPath(const KeyPath& parent, const char* key) : m_parent(&parent), m_key(key) {}
    KeyPath(const KeyPath& parent, std::size_t index) : m_parent(&parent), m_index(index) {}
    KeyPath(const KeyPath& parent, int index) : KeyPath(parent, static_cast<std::size_t>(index)) {}

    std::string Path() const
    {
        if (!m_parent) return *m_root;
        const std::string parent = m_parent->Path();
        if (!m_key) return parent + "[" + std::to_string(m_index) + "]";
        return parent.empty() ? std::string(m_key) : parent + "." + m_key;
    }

private:
    const std::string* m_root = nullptr;
    const KeyPath* m_parent = nullptr;
    const char* m_key = nullptr;
    std::size_t m_index = 0;
};
