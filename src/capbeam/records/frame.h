// FrameAr: one welded skeleton frame standing across the beam width, with its bars and height lists.
#pragma once

#include "capbeam/records/bar.h"
#include "capbeam/records/ptr_array.h"
#include "common/dbl_array.h"
#include "host/live_count.h"
#include "mfc/cstring.h"
#include "mfc/cstring_array.h"

class CArchive;

namespace CapBeamRecords {

// A frame built by the design lives in the reinforcement object's frame store and its pointer
// lists refer to records of the object's pools (fOwner 0). A frame rebuilt from an archive
// created its bars and lists itself and owns them (fOwner 1); they are released once, by
// DeleteArrays, by a later load or with the frame.
struct FrameAr {
    FrameAr() = default;
    ~FrameAr() = default;
    FrameAr(const FrameAr&) = delete;
    FrameAr& operator=(const FrameAr&) = delete;
    FrameAr(FrameAr&&) noexcept = default;
    FrameAr& operator=(FrameAr&&) noexcept = default;

    int fOwner = 0;                        // 1 when the frame owns the records of its pointer lists
    RecordPtrArray<singAr> Bars;           // the bars of the frame
    double y = 0.0;                        // transverse position
    int fsk = 0;                           // main-skeleton flag
    int num = 0;                           // number of the frame
    int fDrawLM = 0;                       // 1 when the frame is drawn in the elevation
    int sort = 0;                          // order position
    CString name;                          // frame name
    RecordPtrArray<DblArray> zt;           // upper height lists of the frame's bars
    RecordPtrArray<DblArray> zb;           // lower height lists
    RecordPtrArray<CStringArray> ztLabel;  // labels belonging to zt
    RecordPtrArray<CStringArray> zbLabel;  // labels belonging to zb
    DblArray difL1, difL2, difL3, difL4;   // the four dimension lists
    CStringArray difLabel1, difLabel2, difLabel3, difLabel4;

    // Empties Bars, zt, zb, ztLabel and zbLabel, releasing the records the frame owns; records it
    // only refers to are left to their owner.
    void DeleteArrays();

    // Bars; y; fsk, num, fDrawLM, sort; name; zt; zb; ztLabel; zbLabel (each list a 4-byte count
    // and its elements); difL1 .. difL4; difLabel1 .. difLabel4. fOwner is not stored; a loaded frame
    // owns what it created (fOwner 1). Loading checks every count before allocating and replaces the
    // frame, releasing what it owned, only when all of it was read.
    void Serialize(CArchive& ar);

    LiveCount<FrameAr> m_live;
};

} // namespace CapBeamRecords
