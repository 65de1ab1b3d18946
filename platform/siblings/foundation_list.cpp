// Reading a foundation input's number-list expression into a list of reals, reporting bad items.
#include "siblings/foundation_list.h"

#include "host/kv_expression.h"
#include "host/report.h"

int ReadFoundationList(unsigned label, const CString& text, const char* description, const char* key,
                       unsigned part, DblArray& list)
{
    list.RemoveAll();
    // The expression's tokens keep a bad item as written, so the report names it as typed.
    CStringArray tokens;
    ParseKVExpression(text, tokens);
    CArray<double> values;
    int ok = 1;
    if (!tokens.IsEmpty()) QMReportError_StrToNum(label, description, tokens, values, key, ok, part);
    if (!ok) return 0;
    for (const double v : values) list.Add(v);
    return 1;
}
