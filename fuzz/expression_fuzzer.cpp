// The number-list expression readers: both agree on every text, and every value is finite.
#include "fuzz_support.h"

#include "host/kv_expression.h"
#include "host/kv_expression_report.h"
#include "host/number_text.h"

#include <cmath>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    PrepareComponent();
    const CString text(std::string(reinterpret_cast<const char*>(data), size));
    CStringArray tokens;
    CArray<double> values;
    const int split = ParseKVExpression(text, tokens);
    const int read = KVUIParseString(text, values);
    Require(split == read, "both readers accept the same texts");
    Require(tokens.GetSize() <= kMaxExpressionValues + 1, "the reading stops at the item past the cap");
    if (read) {
        Require(values.GetSize() == tokens.GetSize(), "one value per token");
        Require(values.GetSize() <= kMaxExpressionValues, "no expression stands for more values than the cap");
        for (int i = 0; i < values.GetSize(); ++i) {
            double v = 0.0;
            Require(ReadNumberText(tokens[i].str(), v) && v == values[i], "each value is its token read as a number");
        }
    } else {
        Require(values.IsEmpty(), "a refused expression gives no values");
    }
    for (const double v : values) Require(std::isfinite(v), "every value is finite");

    int ok = 1;
    CArray<double> reported;
    const int whole = ReadReportedExpression(0, "fuzz", text, "key", 6, ok, reported);
    Require(whole == read && ok == read, "the reporting reader accepts what the others accept");
    for (const double v : reported) Require(std::isfinite(v), "every reported reader's value is finite");
    return 0;
}
