// A sound pier built field by field for the diagnosis tests, and the report entries of one diagnosis.
#pragma once

#include "host/report.h"
#include "input/pier_origin_data.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

// Three circular columns of diameter 1400, 3000 from each end and 6500 apart (cap length 19000);
// cap 1800 wide and 1600 high, its width centre 100 off the pier centre line, 1500 long
// variable-height parts at both ends (end heights 1200), two 2 % slopes meeting 9500 from the left
// end (ends 1600 − 9500·0.02 = 1410 high by the slopes); column tops 98.4 m, bottoms 90.0 m
// (columns 8400 high); one tie beam 800 × 1000 with its top at 95.0 m; one row without bearings or
// pedestals; stopper blocks 500 high, 300 wide at the top and 500 at the bottom, flush with the cap
// ends; C40 everywhere; no skew.
inline std::unique_ptr<CPM001org> SoundPier()
{
    auto org = std::make_unique<CPM001org>();
    CPM001org& p = *org;
    p.bAg = -5000.0;
    p.vP = 100.0;
    p.B = 1800.0;
    p.hHgl = 1600.0;
    p.V = 0.0;
    p.bBzl = 3000.0;
    p.bBzr = 3000.0;
    p.bBz.Add(6500.0);
    p.bBz.Add(6500.0);
    p.bBpl = 1500.0;
    p.hXbl = 1200.0;
    p.bBpr = 1500.0;
    p.hXbr = 1200.0;
    p.fSingleSlope = 0;
    p.iLb = 0.02;
    p.iRb = 0.02;
    p.bAc = 9500.0;
    p.HeightLeftEnd = 1410.0;
    p.HeightRightEnd = 1410.0;
    p.zGl = 100.0;
    p.zZct = 90.0;
    p.ColumnSectionType = 1;
    p.D = 1400.0;
    p.bRec = 1600.0;
    p.lRec = 1200.0;
    for (int i = 0; i < 3; ++i) {
        p.ColumnTopLevels.Add(98.4);
        p.ColumnHeights.Add(8400.0);
    }
    p.fXL = 1;
    p.bXl = 800.0;
    p.hXl = 1000.0;
    p.zXl.Add(95.0);
    p.CushionNumber = 1;
    p.fHaveStopper = 1;
    p.hFz = 500.0;
    p.bL1 = p.bR1 = 300.0;
    p.bL2 = p.bR2 = 500.0;
    p.PierCapConGra = "C40";
    p.PierColumnConGra = "C40";
    p.BedStoneConGra = "C40";
    p.StopperConGra = "C40";
    p.TieBeamConGra = "C40";
    return org;
}

// The label the diagnosis tests pass as the component ID.
inline constexpr unsigned kDiagnosisLabel = 7;

// Runs one diagnosis of org without a component (no foundation object) and keeps what it reported.
struct Diagnosis {
    int ok = -1;
    std::vector<ReportEntry> entries;

    explicit Diagnosis(CPM001org& org)
    {
        ReportLog::Current().Clear();
        ok = org.DoDiagnose(nullptr, kDiagnosisLabel);
        entries = ReportLog::Current().Entries();
        ReportLog::Current().Clear();
    }

    // "key: message" of the diagnostic entries whose message begins with one of the stems, or
    // holds one of the fragments, in the order reported.
    std::vector<std::string> Errors(std::initializer_list<const char*> stems,
                                    std::initializer_list<const char*> fragments = {}) const
    {
        std::vector<std::string> out;
        for (const ReportEntry& e : entries) {
            if (e.kind != ReportEntry::Diagnose) continue;
            const std::string& m = e.message.str();
            bool mine = false;
            for (const char* stem : stems) mine = mine || m.rfind(stem, 0) == 0;
            for (const char* fragment : fragments) mine = mine || m.find(fragment) != std::string::npos;
            if (mine) out.push_back(e.keys.str() + ": " + m);
        }
        return out;
    }

    // Every diagnostic entry as "key: message".
    std::vector<std::string> AllErrors() const
    {
        std::vector<std::string> out;
        for (const ReportEntry& e : entries)
            if (e.kind == ReportEntry::Diagnose) out.push_back(e.keys.str() + ": " + e.message.str());
        return out;
    }

    std::vector<std::string> Warnings() const
    {
        std::vector<std::string> out;
        for (const ReportEntry& e : entries)
            if (e.kind == ReportEntry::Warning) out.push_back(e.message.str());
        return out;
    }
};
