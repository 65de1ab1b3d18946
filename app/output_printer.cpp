// Report and output printing of the command-line host.
#include "output_printer.h"
#include "standard_output.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstdint>
#include <cstring>

const char* ReportKindName(ReportEntry::Kind kind)
{
    switch (kind) {
    case ReportEntry::Diagnose: return "diagnose";
    case ReportEntry::Error: return "error";
    case ReportEntry::Warning: return "warning";
    case ReportEntry::Information: return "information";
    }
    return "?";
}

bool ReportsHoldError()
{
    const auto& log = ReportLog::Current();
    return log.Count(ReportEntry::Error) + log.Count(ReportEntry::Diagnose) > 0;
}

std::string StepSummary(const std::string& step, bool passed, const std::string& passedVerdict)
{
    const auto& log = ReportLog::Current();
    const std::string verdict = !passed ? "failed" : ReportsHoldError() ? "reported errors" : passedVerdict;
    return step + " " + verdict + ": " + std::to_string(log.Count(ReportEntry::Diagnose)) +
           " diagnostics, " + std::to_string(log.Count(ReportEntry::Error)) + " errors, " +
           std::to_string(log.Count(ReportEntry::Warning)) + " warnings";
}

void PrintBuffer::Flush()
{
    if (!m_file || m_text.empty()) return;
    if (m_file == stdout)
        WriteStandardOutput(m_text);
    else
        std::fwrite(m_text.data(), 1, m_text.size(), m_file);
    m_text.clear();
}

void PrintReportLines(const std::vector<ReportEntry>& entries)
{
    PrintBuffer out(stdout);
    std::string& text = out.Text();
    for (const auto& e : entries) {
        // Keys and message as a C string shows them: up to a zero byte.
        text += ReportKindName(e.kind);
        if (e.kind == ReportEntry::Diagnose) {
            text += " [";
            text += e.keys.GetString();
            text += ']';
        }
        text += ' ';
        text += e.message.GetString();
        if (e.count > 1) text += " (×" + std::to_string(e.count) + ")";
        text += '\n';
        out.Spill();
    }
}

namespace {

// A text as a C string shows it: up to its first zero byte.
void appendCText(std::string& out, std::string_view text) { out.append(text.substr(0, std::min(text.find('\0'), text.size()))); }

} // namespace

void WriteOutputLines(PrintBuffer& out, const OutputDataMap& outputs)
{
    std::string& text = out.Text();
    std::string value;
    for (const auto& [name, record] : outputs) {
        appendCText(text, name);
        text += " = ";
        if (record) {
            value.clear();
            record->AppendText(value);
            text.append(value.c_str(), std::strlen(value.c_str()));
        }
        text += '\n';
        out.Spill();
    }
}

void PrintOutputLines(const OutputDataMap& outputs)
{
    PrintBuffer out(stdout);
    WriteOutputLines(out, outputs);
}

namespace {

// A JSON writer that emits the document as nlohmann's dump(2) of the same values would: members in
// name order, two-space indentation, "[]" and "{}" for empty lists, reals as their shortest text
// that reads back the same, invalid UTF-8 replaced.
class JsonWriter {
public:
    explicit JsonWriter(PrintBuffer& out) : m_out(out), m_text(out.Text()) {}

    void OpenObject() { Open('{'); }
    void CloseObject() { Close('}'); }
    void OpenArray() { Open('['); }
    void CloseArray() { Close(']'); }
    void EmptyArray() { Element(), m_text += "[]"; }
    void EmptyObject() { Element(), m_text += "{}"; }
    void Key(std::string_view name)
    {
        Element();
        String(name);
        m_text += ": ";
        m_afterKey = true;
    }
    void Value(const std::string& text) { Element(), String(text); }
    void Value(long long number)
    {
        Element();
        char buffer[24];
        m_text.append(buffer, static_cast<std::size_t>(std::to_chars(buffer, buffer + sizeof buffer, number).ptr - buffer));
    }
    void Value(unsigned long long number)
    {
        Element();
        char buffer[24];
        m_text.append(buffer, static_cast<std::size_t>(std::to_chars(buffer, buffer + sizeof buffer, number).ptr - buffer));
    }
    // An element written as it is given.
    void Raw(const std::string& text)
    {
        Element();
        m_text += text;
    }
    // A real's JSON text: nlohmann's own conversion, so that every real prints exactly as before.
    static std::string NumberText(double number)
    {
        if (!std::isfinite(number)) return "null";
        char buffer[64];
        return std::string(buffer, nlohmann::detail::to_chars(buffer, buffer + sizeof buffer, number));
    }

private:
    void Open(char bracket)
    {
        Element();
        m_text += bracket;
        ++m_depth;
        m_first = true;
    }
    void Close(char bracket)
    {
        --m_depth;
        m_text += '\n';
        Indent();
        m_text += bracket;
        m_first = false;
        m_out.Spill();
    }
    // Separates a new element from the one before it (a value after its key needs nothing).
    void Element()
    {
        if (m_afterKey) {
            m_afterKey = false;
            return;
        }
        if (m_depth == 0) return;
        m_text += m_first ? "\n" : ",\n";
        m_first = false;
        Indent();
    }
    void Indent() { m_text.append(static_cast<std::size_t>(2 * m_depth), ' '); }

    void String(std::string_view text)
    {
        if (Plain(text)) {
            m_text += '"';
            m_text += text;
            m_text += '"';
            return;
        }
        // Escapes and damaged UTF-8 are left to nlohmann, which wrote this document before.
        m_text += nlohmann::json(std::string(text)).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    }

    // Valid UTF-8 (no overlong form, no surrogate, nothing above U+10FFFF) holding nothing JSON
    // escapes: such a text is written as it is.
    static bool Plain(std::string_view text)
    {
        const auto* p = reinterpret_cast<const unsigned char*>(text.data());
        const auto* end = p + text.size();
        while (p < end) {
            const unsigned char c = *p;
            if (c < 0x80) {
                if (c < 0x20 || c == '"' || c == '\\') return false;
                ++p;
                continue;
            }
            int length = 0;
            unsigned char low = 0x80, high = 0xBF;
            if (c >= 0xC2 && c <= 0xDF) length = 2;
            else if (c == 0xE0) length = 3, low = 0xA0;
            else if (c >= 0xE1 && c <= 0xEC) length = 3;
            else if (c == 0xED) length = 3, high = 0x9F;
            else if (c >= 0xEE && c <= 0xEF) length = 3;
            else if (c == 0xF0) length = 4, low = 0x90;
            else if (c >= 0xF1 && c <= 0xF3) length = 4;
            else if (c == 0xF4) length = 4, high = 0x8F;
            else return false;
            if (end - p < length) return false;
            if (p[1] < low || p[1] > high) return false;
            for (int k = 2; k < length; ++k)
                if (p[k] < 0x80 || p[k] > 0xBF) return false;
            p += length;
        }
        return true;
    }

    PrintBuffer& m_out;
    std::string& m_text;
    int m_depth = 0;
    bool m_first = true;
    bool m_afterKey = false;
};

// The JSON text of reals as the report shows them (rounded to their decimals, read back as a
// number, written as nlohmann writes it). Output values repeat many reals (levels, spacings,
// zeros), so the texts made last are kept by value and decimals.
class RealTexts {
public:
    void Write(JsonWriter& json, double value, int decimals)
    {
        std::uint64_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        Slot& slot = m_slots[(bits ^ (bits >> 29) ^ static_cast<std::uint64_t>(decimals) * 0x9E3779B97F4A7C15ull) % kSlots];
        if (!slot.used || slot.bits != bits || slot.decimals != decimals) {
            m_scratch.clear();
            CBGOutputData::AppendReal(m_scratch, value, decimals);
            slot.text = JsonWriter::NumberText(std::strtod(m_scratch.c_str(), nullptr));
            slot.bits = bits;
            slot.decimals = decimals;
            slot.used = true;
        }
        json.Raw(slot.text);
    }

private:
    struct Slot {
        std::uint64_t bits = 0;
        int decimals = 0;
        bool used = false;
        std::string text;
    };
    static constexpr std::size_t kSlots = 1024;
    std::vector<Slot> m_slots = std::vector<Slot>(kSlots);
    std::string m_scratch;
};

template <class List, class Write>
void writeList(JsonWriter& json, const List& list, Write write)
{
    if (list.GetSize() == 0) {
        json.EmptyArray();
        return;
    }
    json.OpenArray();
    for (const auto& x : list) write(x);
    json.CloseArray();
}

void writeValue(JsonWriter& json, const CBGOutputData& v, RealTexts& reals)
{
    switch (v.type) {
    case CBGOutputData::Int: json.Value(static_cast<long long>(v.intValue)); return;
    case CBGOutputData::Double: reals.Write(json, v.doubleValue, v.decimals); return;
    case CBGOutputData::Text: json.Value(v.text.str()); return;
    case CBGOutputData::IntList:
        writeList(json, v.intList, [&](int x) { json.Value(static_cast<long long>(x)); });
        return;
    case CBGOutputData::DoubleList:
        writeList(json, v.doubleList, [&](double x) { reals.Write(json, x, v.decimals); });
        return;
    case CBGOutputData::TextList:
        writeList(json, v.textList, [&](const CString& x) { json.Value(x.str()); });
        return;
    }
}

void writeReports(JsonWriter& json, const std::vector<ReportEntry>& entries)
{
    if (entries.empty()) {
        json.EmptyArray();
        return;
    }
    json.OpenArray();
    for (const auto& e : entries) {
        json.OpenObject();
        if (e.count > 1) {
            json.Key("count");
            json.Value(e.count);
        }
        json.Key("item");
        json.Value(static_cast<unsigned long long>(e.item));
        json.Key("keys");
        json.Value(e.keys.str());
        json.Key("kind");
        json.Value(std::string(ReportKindName(e.kind)));
        json.Key("label");
        json.Value(static_cast<unsigned long long>(e.label));
        json.Key("message");
        json.Value(e.message.str());
        json.Key("part");
        json.Value(static_cast<unsigned long long>(e.part));
        json.CloseObject();
    }
    json.CloseArray();
}

// The output values in name order (the map's order is the byte order of the names, as JSON's is).
void writeOutputs(JsonWriter& json, const OutputDataMap& outputs)
{
    const bool any = std::any_of(outputs.begin(), outputs.end(), [](const auto& entry) { return entry.second != nullptr; });
    if (!any) {
        json.EmptyObject();
        return;
    }
    RealTexts reals;
    json.OpenObject();
    for (const auto& [name, value] : outputs) {
        if (!value) continue;
        json.Key(name);
        writeValue(json, *value, reals);
    }
    json.CloseObject();
}

} // namespace

void WriteJsonDocument(PrintBuffer& out, const std::string& result, const std::string& summary,
                       const std::vector<ReportEntry>& entries, const OutputDataMap* outputs)
{
    JsonWriter json(out);
    json.OpenObject();
    if (outputs) {
        json.Key("outputs");
        writeOutputs(json, *outputs);
    }
    json.Key("reports");
    writeReports(json, entries);
    json.Key("result");
    json.Value(result);
    json.Key("summary");
    json.Value(summary);
    json.CloseObject();
    out.Text() += '\n';
}

namespace {

// A JSON value as nlohmann's dump(2) writes it.
void writeJson(JsonWriter& json, const nlohmann::ordered_json& value)
{
    using Type = nlohmann::ordered_json::value_t;
    switch (value.type()) {
    case Type::object:
        if (value.empty()) {
            json.EmptyObject();
            return;
        }
        json.OpenObject();
        for (const auto& [key, item] : value.items()) {
            json.Key(key);
            writeJson(json, item);
        }
        json.CloseObject();
        return;
    case Type::array:
        if (value.empty()) {
            json.EmptyArray();
            return;
        }
        json.OpenArray();
        for (const auto& item : value) writeJson(json, item);
        json.CloseArray();
        return;
    case Type::string: json.Value(value.get_ref<const std::string&>()); return;
    case Type::boolean: json.Raw(value.get<bool>() ? "true" : "false"); return;
    case Type::number_integer: json.Value(static_cast<long long>(value.get<std::int64_t>())); return;
    case Type::number_unsigned: json.Value(static_cast<unsigned long long>(value.get<std::uint64_t>())); return;
    case Type::number_float: json.Raw(JsonWriter::NumberText(value.get<double>())); return;
    default: json.Raw("null"); return;
    }
}

} // namespace

void WriteSectionDocument(PrintBuffer& out, const std::string& result, const std::string& summary,
                          const std::vector<ReportEntry>& entries, const char* section,
                          const nlohmann::ordered_json& data)
{
    JsonWriter json(out);
    json.OpenObject();
    json.Key("result");
    json.Value(result);
    json.Key("summary");
    json.Value(summary);
    json.Key("reports");
    if (entries.empty()) {
        json.EmptyArray();
    } else {
        json.OpenArray();
        for (const auto& e : entries) {
            json.OpenObject();
            json.Key("kind");
            json.Value(std::string(ReportKindName(e.kind)));
            json.Key("keys");
            json.Value(e.keys.str());
            json.Key("message");
            json.Value(e.message.str());
            if (e.count > 1) {
                json.Key("count");
                json.Value(e.count);
            }
            json.CloseObject();
        }
        json.CloseArray();
    }
    if (!data.is_null()) {
        json.Key(section);
        writeJson(json, data);
    }
    json.CloseObject();
    out.Text() += '\n';
}

void PrintSectionDocument(const std::string& result, const std::string& summary,
                          const std::vector<ReportEntry>& entries, const char* section,
                          const nlohmann::ordered_json& data)
{
    PrintBuffer out(stdout);
    WriteSectionDocument(out, result, summary, entries, section, data);
}

void PrintJsonDocument(const std::string& result, const std::string& summary,
                       const std::vector<ReportEntry>& entries, const OutputDataMap* outputs)
{
    PrintBuffer out(stdout);
    WriteJsonDocument(out, result, summary, entries, outputs);
}
