// The pier's key parameters in their JSON form (docs/key-parameters.md): reading from text or a file, writing.

#include "calc/key_param_json.h"

#include "json/json_error_text.h"
#include "json/json_input_error.h"
#include "json/json_integer.h"
#include "calc/key_param_bounds.h"
#include "calc/key_param_fields.h"
#include "calc/key_path.h"
#include "common/input_file.h"
#include "host/report_keyed_message.h"
#include "mfc/text_encoding.h"

#include <nlohmann/json.hpp>

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// Keys keep the order in which they stand, so that the first unknown key is the one reported and
// the written text follows the documented order.
using Json = JsonValue;

// Carries "<path>: <what>" out of the walk; caught at the entry points below.
struct KeyParamError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void Fail(const std::string& path, const std::string& what)
{
    throw KeyParamError((path.empty() ? std::string("the key parameters") : path) + ": " + what);
}

std::string Member(const std::string& path, const char* key)
{
    return path.empty() ? std::string(key) : path + "." + key;
}

std::string Element(const std::string& path, std::size_t index)
{
    return path + "[" + std::to_string(index) + "]";
}

// A visitor that looks at nothing: a type is a key record when VisitKeys accepts it.
struct KeyProbe {
    template <class T, class B = NoBound>
    void Key(const char*, T&, KeyNeed, const B& = B{}) {}
};

template <class R>
concept KeyRecord = requires(KeyProbe& probe, R& record) { VisitKeys(probe, record); };

// A member's path in the reader's form; a key is the document's, so a huge one is named by its
// first characters and a NUL in it is shown.
std::string KeyMember(const std::string& parent, std::string_view key)
{
    return Member(parent, JsonKeyText(key).c_str());
}

// ---- Reading -------------------------------------------------------------------------------------


[[noreturn]] void Fail(const KeyPath& where, const std::string& what) { Fail(where.Path(), what); }

void ReadValue(const Json& j, const KeyPath& where, int& value);
void ReadValue(const Json& j, const KeyPath& where, double& value);
void ReadValue(const Json& j, const KeyPath& where, CString& value);
template <class T>
void ReadValue(const Json& j, const KeyPath& where, CArray<T>& list);
template <KeyRecord R>
void ReadValue(const Json& j, const KeyPath& where, R& record);

// Reads the keys of one JSON object into a record; keys the record does not have are errors.
class ObjectReader {
public:
    ObjectReader(const Json& object, const KeyPath& where) : m_object(object), m_where(where) {}

    template <class T, class B = NoBound>
    void Key(const char* key, T& member, KeyNeed need, const B& = B{})
    {
        m_known.push_back(key);
        const auto found = m_object.find(key);
        if (found == m_object.end()) {
            if (need == KeyNeed::Required) Fail(KeyPath(m_where, key), "missing (a required key)");
            return;
        }
        ++m_found;
        ReadValue(*found, KeyPath(m_where, key), member);
    }

    void RejectUnknownKeys() const
    {
        // The keys of an object are distinct: when each was found, none is unknown.
        if (m_found == m_object.size()) return;
        for (const auto& item : m_object.items()) {
            bool known = false;
            for (const char* key : m_known) known = known || item.key() == key;
            // The key is the document's: a huge one is named by its first characters, a NUL in it shown.
            if (!known) Fail(KeyPath(m_where, JsonKeyText(item.key()).c_str()), "unknown key");
        }
    }

private:
    const Json& m_object;
    const KeyPath& m_where;
    std::vector<const char*> m_known;
    std::size_t m_found = 0;
};

void ReadValue(const Json& j, const KeyPath& where, int& value)
{
    if (const char* expected = ReadJsonInteger(j, value)) Fail(where, expected);
}

void ReadValue(const Json& j, const KeyPath& where, double& value)
{
    if (!j.is_number()) Fail(where, "expected a number");
    const double v = j.get<double>();
    if (!std::isfinite(v)) Fail(where, "expected a finite number");
    value = v;
}

void ReadValue(const Json& j, const KeyPath& where, CString& value)
{
    if (!j.is_string()) Fail(where, "expected a text");
    const std::string& text = j.get_ref<const std::string&>();
    // A text ends at a NUL character wherever the design hands it on: what follows would be lost.
    if (text.find('\0') != std::string::npos) Fail(where, "expected a text without a NUL character (\\u0000)");
    value = CString(text);
}

// Also serves IntArray and CStringArray, whose elements are those of their CArray.
template <class T>
void ReadValue(const Json& j, const KeyPath& where, CArray<T>& list)
{
    if (!j.is_array()) Fail(where, "expected a list");
    CArray<T> read;
    read.SetSize(static_cast<int>(j.size()));
    for (std::size_t i = 0; i < j.size(); ++i) ReadValue(j[i], KeyPath(where, i), read[static_cast<int>(i)]);
    list = std::move(read);
}

template <KeyRecord R>
void ReadValue(const Json& j, const KeyPath& where, R& record)
{
    if (!j.is_object()) Fail(where, "expected an object");
    ObjectReader reader(j, where);
    VisitKeys(reader, record);
    reader.RejectUnknownKeys();
}

// What the keys' types cannot say: the key parameters must agree with themselves where a design
// would otherwise index past a list or divide by zero.

// The frame name a record is laid at: its name before any "(", without the blanks around it.
CString FrameOfRecord(const CString& recordName)
{
    CString bare = recordName;
    if (const int open = bare.Find('('); open >= 0) bare = bare.Left(open);
    bare.Trim();
    return bare;
}

// Whether a frame record stands for any frame. The design lays a record at the frames whose name is
// the record's whole name or, for a name followed by "(" the names it gives them ")", the name
// before "(" (the skeleton laid along the skew reads it with the blanks around it trimmed). A record
// that none of these forms matches lays no bar anywhere: a misspelt name would drop a whole frame's
// bars without a word.
bool NamesAFrame(const CString& recordName, const CStringArray& frameNames)
{
    const CString bare = FrameOfRecord(recordName);
    for (int j = 0; j < frameNames.GetSize(); ++j) {
        CString frame = frameNames[j];
        if (frameNames[j] == recordName || frame.Trim() == bare) return true;
    }
    return false;
}

// The message for the first frame record laid at the frame of an earlier record, or "" when there
// is none. The design lays the bars of both records at that frame (or the later over the earlier):
// a record copied and not renamed would add a second set of bars to a frame, and each of its bars
// is compared with every other of the frame, so that copies of long bar groups take minutes.
std::string FindRepeatedFrameRecord(const CPM001_CapKeyParam& cap, const std::string& capPath)
{
    const std::string records = Member(capPath, "FrameAr");
    for (int i = 1; i < cap.FrameAr.GetSize(); ++i) {
        const CString frame = FrameOfRecord(cap.FrameAr[i].name);
        for (int k = 0; k < i; ++k) {
            if (FrameOfRecord(cap.FrameAr[k].name) != frame) continue;
            return Member(Element(records, static_cast<std::size_t>(i)), "name") + ": the frame \"" +
                   QuotedText(frame).str() + "\" is already described by " +
                   Element(records, static_cast<std::size_t>(k));
        }
    }
    return {};
}

void CheckAgreement(const CPM001_CapKeyParam& cap, const std::string& capPath)
{
    const int frames = cap.FrameName.GetSize();
    if (cap.FrameY.GetSize() != frames) {
        Fail(Member(capPath, "FrameY"), "expected one position per frame name (" + std::to_string(frames) +
                                            " names, " + std::to_string(cap.FrameY.GetSize()) + " positions)");
    }
    for (int i = 0; i < cap.FrameAr.GetSize(); ++i) {
        if (!NamesAFrame(cap.FrameAr[i].name, cap.FrameName))
            Fail(Member(Element(Member(capPath, "FrameAr"), static_cast<std::size_t>(i)), "name"),
                 "expected a name of FrameName, alone or followed by \"(\" new names \")\" (\"" +
                     QuotedText(cap.FrameAr[i].name).str() + "\" given)");
    }
    for (int i = 0; i < cap.XH.GetSize(); ++i) {
        const std::string pair = Element(Member(capPath, "XH"), static_cast<std::size_t>(i));
        if (cap.XH[i].nA < 1 || cap.XH[i].nA > frames)
            Fail(Member(pair, "nA"), "expected a frame number from 1 to " + std::to_string(frames));
        if (cap.XH[i].nB < 1 || cap.XH[i].nB > frames)
            Fail(Member(pair, "nB"), "expected a frame number from 1 to " + std::to_string(frames));
    }
    for (int i = 0; i < cap.SteelAr.GetSize(); ++i) {
        if (cap.SteelAr[i].m < 1)
            Fail(Member(Element(Member(capPath, "SteelAr"), static_cast<std::size_t>(i)), "m"),
                 "expected a strand count of at least 1");
    }
    if (!cap.SteelAr.IsEmpty()) {
        if (!(cap.Ldis > 0.0)) Fail(Member(capPath, "Ldis"), "expected a spacing above 0 when tendons are given");
        if (!(cap.Cdis > 0.0)) Fail(Member(capPath, "Cdis"), "expected a spacing above 0 when tendons are given");
    }
}

// ---- Writing -------------------------------------------------------------------------------------

Json WriteValue(const std::string& path, int& value);
Json WriteValue(const std::string& path, double& value);
Json WriteValue(const std::string& path, CString& value);
template <class T>
Json WriteValue(const std::string& path, CArray<T>& list);
template <KeyRecord R>
Json WriteValue(const std::string& path, R& record);

class ObjectWriter {
public:
    explicit ObjectWriter(const std::string& path) : m_path(path) {}

    template <class T, class B = NoBound>
    void Key(const char* key, T& member, KeyNeed, const B& = B{})
    {
        m_object[key] = WriteValue(Member(m_path, key), member);
    }

    Json Take() { return std::move(m_object); }

private:
    const std::string& m_path;
    Json m_object = Json::object();
};

Json WriteValue(const std::string&, int& value) { return value; }

Json WriteValue(const std::string& path, double& value)
{
    if (!std::isfinite(value)) Fail(path, "not a finite number, which the JSON form cannot hold");
    return value;
}

Json WriteValue(const std::string& path, CString& value)
{
    if (text_encoding::FindInvalidUtf8(value.str()) != text_encoding::npos) Fail(path, "a text that is not UTF-8");
    return value.str();
}

template <class T>
Json WriteValue(const std::string& path, CArray<T>& list)
{
    Json array = Json::array();
    for (int i = 0; i < list.GetSize(); ++i) array.push_back(WriteValue(Element(path, static_cast<std::size_t>(i)), list[i]));
    return array;
}

template <KeyRecord R>
Json WriteValue(const std::string& path, R& record)
{
    ObjectWriter writer(path);
    VisitKeys(writer, record);
    return writer.Take();
}

}  // namespace

bool ReadKeyParamJson(std::string_view text, const std::string& root, CPM001KeyParam& keyParam, std::string& error,
                      std::string* unheld)
{
    try {
        std::optional<Json> document;
        // A fault past the quick pass is named by the path the tracker has reached, as the project
        // file's are; a key given twice, of which only the last value would be kept, among them.
        JsonPathTracker keys(root, KeyMember);
        try {
            document = ReadJsonInput(text, keys);
        } catch (const JsonInputError& e) {
            Fail(e.IsSyntax() && !root.empty() ? root + ": " + e.Place() : e.Place(), e.detail());
        }
        CPM001KeyParam read;
        ReadValue(*document, KeyPath(root), read);
        // A list's length is known before the set is checked for agreeing with itself, its values after.
        std::string outside = FindOverlongKeyList(read, root);
        if (outside.empty()) outside = FindRepeatedFrameRecord(read.CapKeyParam, Member(root, "cap"));
        if (!outside.empty() && !unheld) throw KeyParamError(outside);
        CheckAgreement(read.CapKeyParam, Member(root, "cap"));
        if (outside.empty()) outside = FindUnbuildableKeyValue(read, root);
        if (!outside.empty() && !unheld) throw KeyParamError(outside);
        if (unheld) *unheld = std::move(outside);
        keyParam = std::move(read);
        return true;
    } catch (const KeyParamError& e) {
        error = e.what();
        return false;
    }
}

bool ReadKeyParamFile(const std::string& path, CPM001KeyParam& keyParam, std::string& error)
{
    const std::string subject = "key-parameter file " + path + ": ";
    std::string text;
    const WholeFileRead read = ReadWholeFile(path, kMaxKeyParamTextBytes, text);
    switch (read.state) {
    case WholeFileRead::Read: break;
    case WholeFileRead::CannotOpen:
        // A missing file is "no such file"; any other reason is the system's, as loading a stored
        // component gives it (a path through a regular file among them: "Not a directory").
        error = subject + (read.error == ENOENT
                               ? std::string("no such file")
                               : "cannot be read: " + std::string(std::strerror(read.error)));
        return false;
    case WholeFileRead::NotRegular: error = subject + "not a regular file"; return false;
    case WholeFileRead::TooLarge: error = subject + "larger than 16 MiB"; return false;
    case WholeFileRead::CannotRead: error = subject + "cannot be read: " + std::strerror(read.error); return false;
    }
    if (!ReadKeyParamJson(text, "", keyParam, error)) {
        error = subject + error;
        return false;
    }
    return true;
}

bool WriteKeyParamJson(const CPM001KeyParam& keyParam, std::string& text, std::string& error)
{
    try {
        CPM001KeyParam copy(keyParam);   // the key tables walk records they may change; this walk changes nothing
        text = WriteValue("", copy).dump();
        return true;
    } catch (const KeyParamError& e) {
        error = e.what();
        return false;
    }
}
