// The streamed JSON document is the document nlohmann's dump(2) gives for the same values, byte for
// byte, including escapes, damaged UTF-8, empty lists and reals shown with their decimals.
#include "output_printer.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

// The document built as a tree and dumped whole.
std::string TreeDocument(const std::vector<ReportEntry>& entries, const OutputDataMap& outputs)
{
    auto shown = [](double v, int decimals) {
        std::string text;
        CBGOutputData::AppendReal(text, v, decimals);
        return std::strtod(text.c_str(), nullptr);
    };
    nlohmann::json doc;
    doc["result"] = "done";
    doc["summary"] = "sum\"mary";
    doc["reports"] = nlohmann::json::array();
    for (const auto& e : entries) {
        doc["reports"].push_back({{"kind", ReportKindName(e.kind)}, {"keys", e.keys.str()}, {"message", e.message.str()},
                                  {"label", e.label}, {"item", e.item}, {"part", e.part}});
        if (e.count > 1) doc["reports"].back()["count"] = e.count;
    }
    nlohmann::json values = nlohmann::json::object();
    for (const auto& [name, v] : outputs) {
        nlohmann::json& value = values[std::string(name)];
        switch (v->type) {
        case CBGOutputData::Int: value = v->intValue; break;
        case CBGOutputData::Double: value = shown(v->doubleValue, v->decimals); break;
        case CBGOutputData::Text: value = v->text.str(); break;
        case CBGOutputData::IntList:
            value = nlohmann::json::array();
            for (int x : v->intList) value.push_back(x);
            break;
        case CBGOutputData::DoubleList:
            value = nlohmann::json::array();
            for (double x : v->doubleList) value.push_back(shown(x, v->decimals));
            break;
        case CBGOutputData::TextList:
            value = nlohmann::json::array();
            for (const auto& x : v->textList) value.push_back(x.str());
            break;
        }
    }
    doc["outputs"] = values;
    return doc.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

} // namespace

TEST(JsonDocument, StreamedAsTheTreeIsDumped)
{
    OutputDataMap outputs;
    InSert_OutputData(outputs, "b_int", OutputKinds::Length, -7, "");
    InSert_OutputData(outputs, "a_real", OutputKinds::Length, 12.345, 1, "");
    InSert_OutputData(outputs, "a_whole", OutputKinds::Length, 40.0, 0, "");
    InSert_OutputData(outputs, "a_tiny", OutputKinds::Length, -0.0004, 2, "");
    InSert_OutputData(outputs, "a_huge", OutputKinds::Length, 1.5e17, 3, "");
    InSert_OutputData(outputs, "a_small", OutputKinds::Length, 0.00012, 5, "");
    InSert_OutputData(outputs, "t_plain", CString("骨架W、N"), "");
    InSert_OutputData(outputs, "t_escapes", CString("tab\there \"q\" back\\slash \x01 \x7f"), "");
    InSert_OutputData(outputs, "t_damaged", CString("bad \xff\xfe and \xe4\xb8 end"), "");
    InSert_OutputData(outputs, "t_overlong", CString("\xc0\xaf \xed\xa0\x80"), "");
    CArray<int> ints;
    InSert_OutputData(outputs, "l_empty", OutputKinds::Length, ints, "");
    ints.Add(1);
    ints.Add(-2);
    InSert_OutputData(outputs, "l_ints", OutputKinds::Length, ints, "");
    CArray<double> reals;
    reals.Add(1.25);
    reals.Add(2.0);
    InSert_OutputData(outputs, "l_reals", OutputKinds::Length, reals, 1, "");
    CStringArray texts;
    InSert_OutputData(outputs, "l_no_texts", texts, "");
    texts.Add("X1");
    texts.Add("/");
    texts.Add("line\nbreak");
    InSert_OutputData(outputs, "l_texts", texts, "");
    InSert_OutputData(outputs, "\xe4\xb8\xad key", OutputKinds::Length, 1, "");

    ReportEntry diagnostic;
    diagnostic.kind = ReportEntry::Diagnose;
    diagnostic.keys = "bBz";
    diagnostic.message = "跨径\t过小";
    diagnostic.label = 3;
    diagnostic.item = 4294967296UL;
    diagnostic.part = 6;
    ReportEntry warning;
    warning.kind = ReportEntry::Warning;
    warning.message = "w";
    warning.count = 999963;   // reported so many times in a row

    for (const auto& entries : {std::vector<ReportEntry>{}, std::vector<ReportEntry>{diagnostic, warning}}) {
        PrintBuffer out;
        WriteJsonDocument(out, "done", "sum\"mary", entries, &outputs);
        EXPECT_EQ(out.Text(), TreeDocument(entries, outputs));
    }
}

TEST(JsonDocument, WithoutOutputsHasNoOutputsMember)
{
    PrintBuffer out;
    WriteJsonDocument(out, "failed", "diagnosis failed", {}, nullptr);
    EXPECT_EQ(out.Text(), "{\n  \"reports\": [],\n  \"result\": \"failed\",\n  \"summary\": \"diagnosis failed\"\n}\n");
}

// The requests' document (drawing, queries, report) is written as nlohmann dumps the same tree:
// members in the order given, every kind of value, texts needing escapes or replacement.
TEST(JsonDocument, SectionDocumentIsWrittenAsTheTreeIsDumped)
{
    using Json = nlohmann::ordered_json;
    Json data;
    data["drawn"] = true;
    data["none"] = nullptr;
    data["z_first"] = {{"b", -3}, {"a", 18446744073709551615ull}, {"reals", {50.0, 0.1, -2.5e-7, 1e300}}};
    data["empty"] = {{"list", Json::array()}, {"object", Json::object()}};
    data["texts"] = {"骨架W、N", "tab\t\"q\"", "bad \xff end"};
    data["rows"] = Json::array({{{"name", "ZhuSN"}, {"answered", false}}});
    ReportEntry diagnostic;
    diagnostic.kind = ReportEntry::Diagnose;
    diagnostic.keys = "bBz";
    diagnostic.message = "跨径\t过小";
    ReportEntry repeated = diagnostic;
    repeated.count = 2;
    for (const auto& entries : {std::vector<ReportEntry>{}, std::vector<ReportEntry>{diagnostic, repeated}}) {
        for (const Json& section : {data, Json(nullptr)}) {
            Json tree;
            tree["result"] = "done";
            tree["summary"] = "sum";
            tree["reports"] = Json::array();
            for (const auto& e : entries) {
                tree["reports"].push_back({{"kind", ReportKindName(e.kind)}, {"keys", e.keys.str()}, {"message", e.message.str()}});
                if (e.count > 1) tree["reports"].back()["count"] = e.count;
            }
            if (!section.is_null()) tree["drawing"] = section;
            PrintBuffer out;
            WriteSectionDocument(out, "done", "sum", entries, "drawing", section);
            EXPECT_EQ(out.Text(), tree.dump(2, ' ', false, Json::error_handler_t::replace) + "\n");
        }
    }
}

TEST(OutputLines, OneLinePerValueInNameOrder)
{
    OutputDataMap outputs;
    InSert_OutputData(outputs, "b", OutputKinds::Length, 2.25, 1, "");
    InSert_OutputData(outputs, "a", CString("x"), "");
    PrintBuffer out;
    WriteOutputLines(out, outputs);
    EXPECT_EQ(out.Text(), "a = x\nb = 2.2\n");
}
