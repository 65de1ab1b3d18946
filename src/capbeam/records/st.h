// StDataSet: the welded-skeleton data set "st" — settings, frames, bar schedule and frame table.
#pragma once

#include "capbeam/records/frame.h"
#include "capbeam/records/frame_table.h"
#include "capbeam/records/ptr_array.h"
#include "capbeam/records/schedule_row.h"
#include "mfc/carray.h"
#include "mfc/cstring.h"

class CArchive;
class CPM001T010401Atom;

namespace CapBeamRecords {

// After a design the frame list and the frame table refer to the reinforcement object's by-value
// frame store and frame table (fOwner 0); after a load they own the frames and rows they created
// (fOwner 1), which are released once, by DeleteFrames, by a later load or with the set.
struct StDataSet {
    StDataSet() = default;
    ~StDataSet() = default;
    StDataSet(const StDataSet&) = delete;
    StDataSet& operator=(const StDataSet&) = delete;
    StDataSet(StDataSet&&) noexcept = default;
    StDataSet& operator=(StDataSet&&) noexcept = default;

    int fOwner = 0;           // 1 when the set owns its frames and frame-table rows
    int type = 0;             // main-bar type code
    double d = 0.0;           // main-bar diameter
    double ac = 0.0;
    double ua = 0.0;          // top cover of the skeleton bars
    double da = 0.0;          // bottom cover
    double sa = 0.0;          // end cover
    double a = 0.0;           // distance from the beam side to the outermost frame
    double Min = 0.0;         // minimum used by the frame spacing
    int nFrame = 0;           // number of frames
    int ns = 0;               // frame count minus 3
    double as = 0.0;          // second result of the frame spacing
    // Kind names of the top through, bottom through, top cut-off, bottom cut-off, bent-up and
    // standard inclined bars.
    CString stt, stb, sttc, stbc, stw, stx;
    double angle = 0.0;
    int fLayMode = 0;         // layout mode
    int fWeld = 0;            // weld flag
    double LWeld = 0.0;       // weld length
    double LstWeld = 0.0;     // length of the short welded end legs
    double s = 0.0;           // first result of the frame spacing
    int fCalculateLarc = 0;   // 1: bar lengths include the fillet losses of their bends
    double LeadPointR = 0.0;  // bend radius at the kinks of a sloped beam bottom
    double LeadPointR2 = 0.0; // bend radius at the other bends
    RecordPtrArray<FrameAr> Frame;   // the frames
    CArray<tRn> Rn;                  // the bar schedule
    RecordPtrArray<tFrameAr> tFrame; // the frame table
    // The prestressing-tendon object; it belongs to the reinforcement object, never to this set.
    CPM001T010401Atom* pTendonAtom = nullptr;

    // Empties Frame and tFrame, releasing the frames (with their bars and lists) and the rows that
    // the set owns; frames and rows it only refers to are left to their owner.
    void DeleteFrames();

    // type; d, ac, ua, da, sa, a, Min; nFrame, ns; as; stt, stb, sttc, stbc, stw, stx; angle;
    // fLayMode, fWeld; LWeld, LstWeld, s; fCalculateLarc; LeadPointR, LeadPointR2; then Frame, Rn
    // and tFrame, each as a 4-byte count and its records. fOwner and pTendonAtom are not stored.
    // Loading checks every count before allocating and replaces the set, releasing what it owned,
    // only when all of it was read; a loaded set owns its frames and rows (fOwner 1) and keeps
    // its tendon pointer.
    void Serialize(CArchive& ar);
};

} // namespace CapBeamRecords
