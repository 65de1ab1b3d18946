// Reading a foundation input's number-list expression into a list of reals, reporting bad items.
#include "siblings/foundation_list.h"

#include "host/kv_expression_report.h"

int ReadFoundationList(unsigned label, const CString& text, const char* description, const char* key,
                       unsigned part, DblArray& list)
{
    list.RemoveAll();
    CArray<double> values;
    int ok = 1;
    if (!ReadReportedExpression(label, description, text, key, part, ok, values)) return 0;
    for (const double v : values) list.Add(v);
    return 1;
}
