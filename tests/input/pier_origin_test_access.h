// Test access to the private check groups of the pier's input data, so that a test can run one group alone.
#pragma once

#include "input/pier_origin_data.h"

class CPM001orgTestAccess {
public:
    // Check groups, in the driver's order.
    static void DoDiagnose_GLCC(CPM001org& org, int& ok, unsigned label) { org.DoDiagnose_GLCC(ok, label); }
    static void DoDiagnose_GLDZ(CPM001org& org, int& ok, unsigned label) { org.DoDiagnose_GLDZ(ok, label); }
    static void DoDiagnose_DZCC(CPM001org& org, int& ok, unsigned label) { org.DoDiagnose_DZCC(ok, label); }
    static void DoDiagnose_DZXLCC(CPM001org& org, const PierSurroundings* around, int& ok, unsigned label)
    {
        org.DoDiagnose_DZXLCC(around, ok, label);
    }
    static void DoDiagnose_DZJC(CPM001org& org, const PierSurroundings* around, int& ok, unsigned label)
    {
        org.DoDiagnose_DZJC(around, ok, label);
    }
    static void DoDiagnose_ZZ(CPM001org& org, int& ok, unsigned label, const CPM001* input = nullptr)
    {
        org.DoDiagnose_ZZ(input, ok, label);
    }
    static void DoDiagnose_DS(CPM001org& org, const PierSurroundings* around, int& ok, unsigned label)
    {
        org.DoDiagnose_DS(around, ok, label);
    }
    static void DoDiagnose_FZDK(CPM001org& org, int& ok, unsigned label) { org.DoDiagnose_FZDK(ok, label); }
};
