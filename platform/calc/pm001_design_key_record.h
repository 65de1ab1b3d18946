// CPM001DesignKeyRecord: what a design keeps of the key parameters it was made with, beside its results.
#pragma once

#include "calc/pm001_cap_key_param.h"
#include "calc/pm001_key_param.h"
#include "mfc/carray.h"
#include "mfc/cstring_array.h"

class CArchive;

// A stored design is judged by the key values it was made with. The cap beam's and the tendons'
// stored results carry most of them as they were given (covers, diameters, spacings, frame
// positions, the tendons' control points); this record keeps which set the design took and the
// cap's keys those results do not hold: the frame records and frame names as given, and the
// lengths of the bent-up bars' arcs.
struct CPM001DesignKeyRecord {
    // The set a design took: the key parameters of the project, or the user-adjusted ones of a
    // redesign.
    enum SetTaken { kDesigned = 0, kUserAdjusted = 1 };

    int set = kDesigned;
    double KeyLen1 = 0.0;
    double KeyLen2 = 0.0;
    CStringArray FrameName;
    CArray<struct CPM001_CapKeyParam::FrameAr> FrameAr;

    // The record of the key parameters kp, taken as the set named.
    static CPM001DesignKeyRecord Of(const CPM001KeyParam& kp, SetTaken taken);

    // The name a set's faults are reported under: "designed key parameters" or "user-adjusted key
    // parameters".
    const char* SetName() const;

    // set (int, 0 or 1), KeyLen1 and KeyLen2 (double), FrameName (text list), then FrameAr as a
    // 4-byte count of records, each: fGJJ (int), name (text), GJJ as a 4-byte count of groups,
    // each a 4-byte count of entries fBar, fWQ, fXJ (int) and dx (double), then fWeldT, fWeldB
    // (int), LenT and LenB (number lists). Loading checks every count before allocating, refuses
    // as bad format a set other than 0 or 1, a list longer than its key's bound as its count is
    // read, and, once all is read, a value no cap can be built with (key_param_bounds.h), each
    // named by its key under the set's name; it replaces the record only when all of it was read.
    void Serialize(CArchive& ar);
};
