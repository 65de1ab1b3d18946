// Report and output printing of the command-line host.
#include "output_printer.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <cstdlib>
#include <iostream>

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

void PrintReportLines(const std::vector<ReportEntry>& entries)
{
    for (const auto& e : entries) {
        if (e.kind == ReportEntry::Diagnose)
            std::printf("%s [%s] %s\n", ReportKindName(e.kind), e.keys.GetString(), e.message.GetString());
        else
            std::printf("%s %s\n", ReportKindName(e.kind), e.message.GetString());
    }
}

void PrintOutputLines(const OutputDataMap& outputs)
{
    for (const auto& [name, value] : outputs)
        std::printf("%s = %s\n", name.GetString(), value ? value->ToText().GetString() : "");
}

namespace {

// A real as the report shows it (rounded to its decimals), as a JSON number.
nlohmann::json roundedNumber(double value, int decimals)
{
    CBGOutputData shown;
    shown.type = CBGOutputData::Double;
    shown.doubleValue = value;
    shown.decimals = decimals;
    return std::strtod(shown.ToText().GetString(), nullptr);
}

nlohmann::json jsonValue(const CBGOutputData& v)
{
    switch (v.type) {
    case CBGOutputData::Int: return v.intValue;
    case CBGOutputData::Double: return roundedNumber(v.doubleValue, v.decimals);
    case CBGOutputData::Text: return v.text.str();
    case CBGOutputData::IntList: {
        auto list = nlohmann::json::array();
        for (int x : v.intList) list.push_back(x);
        return list;
    }
    case CBGOutputData::DoubleList: {
        auto list = nlohmann::json::array();
        for (double x : v.doubleList) list.push_back(roundedNumber(x, v.decimals));
        return list;
    }
    case CBGOutputData::TextList: {
        auto list = nlohmann::json::array();
        for (const auto& x : v.textList) list.push_back(x.str());
        return list;
    }
    }
    return nullptr;
}

} // namespace

void PrintJsonDocument(const std::string& result, const std::string& summary,
                       const std::vector<ReportEntry>& entries, const OutputDataMap* outputs)
{
    nlohmann::json doc;
    doc["result"] = result;
    doc["summary"] = summary;
    auto reports = nlohmann::json::array();
    for (const auto& e : entries) {
        nlohmann::json entry;
        entry["kind"] = ReportKindName(e.kind);
        entry["keys"] = e.keys.str();
        entry["message"] = e.message.str();
        entry["label"] = e.label;
        entry["item"] = e.item;
        entry["part"] = e.part;
        reports.push_back(std::move(entry));
    }
    doc["reports"] = std::move(reports);
    if (outputs) {
        nlohmann::json values = nlohmann::json::object();
        for (const auto& [name, value] : *outputs)
            if (value) values[name.str()] = jsonValue(*value);
        doc["outputs"] = std::move(values);
    }
    std::cout << doc.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
}
