// Typed reading of JSON values into the input objects' fields, each error naming its JSON path.
#pragma once

#include "mfc/carray.h"
#include "mfc/cstring.h"
#include "mfc/cstring_array.h"

#include "json/json_value.h"

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace project_json {

// Objects keep the order of the file, so that the first error reported is the first in the file.
using Json = JsonValue;

// A value of the file that cannot be used: its JSON path and what was expected there.
class ValueError : public std::runtime_error {
public:
    ValueError(std::string path, std::string detail)
        : std::runtime_error(path + ": " + detail), m_path(std::move(path)), m_detail(std::move(detail)) {}
    const std::string& path() const { return m_path; }
    const std::string& detail() const { return m_detail; }

private:
    std::string m_path;
    std::string m_detail;
};

// "pier" + "bBz" → "pier.bBz"; a key that is not a plain name is written quoted: pier["a b"].
std::string MemberPath(const std::string& parent, std::string_view key);
// "pier.bQf" + 1 → "pier.bQf[1]".
std::string ElementPath(const std::string& parent, std::size_t index);

// Each reads one value or throws ValueError naming path and what was expected.
int ReadInt(const Json& value, const std::string& path);              // a whole number within int
unsigned ReadUnsigned(const Json& value, const std::string& path);    // a whole number 0 … 4294967295
double ReadReal(const Json& value, const std::string& path);          // any finite number
CString ReadText(const Json& value, const std::string& path);         // a text (UTF-8, no NUL character)
CStringArray ReadTexts(const Json& value, const std::string& path);   // a list of texts
CArray<CStringArray> ReadTextTables(const Json& value, const std::string& path);   // a list of lists of texts

// One key of a JSON object and how its value is read into a T.
template <class T>
struct Field {
    const char* key;
    std::function<void(const Json& value, const std::string& path, T& target)> read;
};

// Throws ValueError unless value is a JSON object ("expected an object").
void RequireObject(const Json& value, const std::string& path);
// Throws ValueError unless value is a JSON list ("expected a list of <what>").
void RequireList(const Json& value, const std::string& path, const std::string& what);

template <class T, class Fields>
void ReadFields(const Json& object, const std::string& path, T& target, const Fields& fields);

// Reads a member by its type: int, double, CString, CStringArray, CArray<CStringArray>.
template <class T>
Field<T> Bind(const char* key, int T::*member)
{
    return {key, [member](const Json& v, const std::string& p, T& t) { t.*member = ReadInt(v, p); }};
}
template <class T>
Field<T> Bind(const char* key, double T::*member)
{
    return {key, [member](const Json& v, const std::string& p, T& t) { t.*member = ReadReal(v, p); }};
}
template <class T>
Field<T> Bind(const char* key, CString T::*member)
{
    return {key, [member](const Json& v, const std::string& p, T& t) { t.*member = ReadText(v, p); }};
}
template <class T>
Field<T> Bind(const char* key, CStringArray T::*member)
{
    return {key, [member](const Json& v, const std::string& p, T& t) { t.*member = ReadTexts(v, p); }};
}


template <class T>
Field<T> Bind(const char* key, CArray<CStringArray> T::*member)
{
    return {key, [member](const Json& v, const std::string& p, T& t) { t.*member = ReadTextTables(v, p); }};
}

// A nested record, read from a JSON object with the record's own fields (fields() gives them).
template <class T, class R, class FieldsOf>
Field<T> BindRecord(const char* key, R T::*member, FieldsOf fields)
{
    return {key, [member, fields](const Json& v, const std::string& p, T& t) { ReadFields(v, p, t.*member, fields()); }};
}

// An optional nested record: present once the file gives its object.
template <class T, class R, class FieldsOf>
Field<T> BindOptionalRecord(const char* key, std::optional<R> T::*member, FieldsOf fields)
{
    return {key, [member, fields](const Json& v, const std::string& p, T& t) {
                R record{};
                ReadFields(v, p, record, fields());
                t.*member = std::move(record);
            }};
}

// A list of records, each read from a JSON object; the list replaces what the member held.
template <class T, class R, class FieldsOf>
Field<T> BindRecordList(const char* key, CArray<R> T::*member, FieldsOf fields)
{
    return {key, [member, fields](const Json& v, const std::string& p, T& t) {
                RequireList(v, p, "objects");
                CArray<R> records;
                std::size_t index = 0;
                for (const Json& element : v) {
                    R record{};
                    ReadFields(element, ElementPath(p, index++), record, fields());
                    records.Add(record);
                }
                t.*member = std::move(records);
            }};
}

// Reads the keys of a JSON object in file order into target; a key not in fields is an error
// ("unknown key"); a field not in the object keeps target's value.
template <class T, class Fields>
void ReadFields(const Json& object, const std::string& path, T& target, const Fields& fields)
{
    RequireObject(object, path);
    for (const auto& [key, value] : object.items()) {
        const std::string keyPath = MemberPath(path, key);
        bool known = false;
        for (const Field<T>& field : fields) {
            if (key == field.key) {
                field.read(value, keyPath, target);
                known = true;
                break;
            }
        }
        if (!known) throw ValueError(keyPath, "unknown key");
    }
}

} // namespace project_json

// One field whose key is the member's own name.
#define PM001_FIELD(Type, member) ::project_json::Bind<Type>(#member, &Type::member)
