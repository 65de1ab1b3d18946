// Reading a number-list expression of an input and reporting, under the input's key, what cannot be read.
#pragma once

#include "mfc/carray.h"
#include "mfc/cstring.h"

// Reads the expression text (docs/expressions.md) into values (replacing what they held), the
// numbers in order. Every item that is not a number or a well-formed repetition is reported as
// QMReportError_StrToNum reports it ("“" + description + "”中第2个数据“abc”不是有效的数字" and the
// key suffix, item = its position from 0 among the expression's values) and left out. An
// expression that stands for more values than the cap, with no bad item to name, is reported once
// as "“" + description + "”中数据个数过大,不能大于10000". Either report clears ok (item 0 for the
// second). Returns 1 when everything was read, 0 when something was reported.
int ReadReportedExpression(unsigned label, const CString& description, const CString& text, const CString& key,
                           unsigned part, int& ok, CArray<double>& values);

// Reports that the expression described under key stands for more values than the cap:
// "“" + description + "”中数据个数过大,不能大于10000" and the key suffix, item 0.
void ReportExpressionPastCap(unsigned label, const CString& description, const CString& key, unsigned part);
