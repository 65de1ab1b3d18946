// CPG003org: the origin data of a pile cap on piles, taken from the cap's input CPG003.
#pragma once

#include "common/dbl_array.h"
#include "host/cpg003_input.h"
#include "host/live_count.h"
#include "mfc/carchive.h"
#include "mfc/cobject.h"
#include "mfc/cstring.h"

#include "geometry/dbl_point_array.h"
#include "mfc/carray.h"

struct CCalGenLiveLoadSurface;
class CPG003CalcLoad;
class PG003Calc_OrgData;
struct tagBC_BridgeSpanAlign;

// The pile cap's values, named by their input keys (CPG003 describes each). The cap's bottom
// lies hT_JICHU below the column bottoms.
struct PG003OrgValues {
    int PileCapTtype_JICHU = 0;
    int nLJ_JICHU = 0;
    double lT_JICHU = 0.0;
    double bT_JICHU = 0.0;
    double hT_JICHU = 0.0;
    double DY_JICHU = 0.0;
    double bYz_JICHU = 0.0;
    double rZ_JICHU = 0.0;
    double lZ_JICHU = 0.0;
    DblArray bZj_JICHU;
    DblArray lZj_JICHU;
    CString ConGra_JICHU;      // trimmed
};

class CPG003org : public CObject, public PG003OrgValues {
public:
    CPG003org();
    ~CPG003org() override;

    // Takes the cap's values from its input; the pile spacings are read as number-list
    // expressions. Returns 1 when every value could be read; a null input gives 0, a spacing
    // list that is not a list of numbers is reported (diagnostic, kPartPileCap, under its key and
    // with label ID) and gives 0.
    int SetData(unsigned int ID, const CPG003* input);

    // Overall length of the cap across the bridge.
    double GetLengthAcross() const { return bT_JICHU; }
    // Offset of the cap centre from the pier centre line, along the bridge.
    double GetOffset() const { return DY_JICHU; }

    // The cap's origin data in its archive form (version 1): int 1, then the values in member
    // order (ints 4 bytes, reals 8, the spacing lists in DblArray form, the concrete text).
    // Loading replaces the values only when the whole form was read; a damaged or short
    // archive, or another version, throws the archive exception.
    void SerializeOriginData(CArchive& ar);

    // The foundation's drawing settings for the pier's drawing: the module's own drawing lies
    // outside the pier, so the child keeps what it was made with; a missing child clears ok.
    template <class Child>
    void SetDrawSetData(unsigned /*ID*/, const CPG003* /*input*/, Child* child, int& ok) const
    {
        if (!child) ok = 0;
    }

    // Range checks of the pile cap's own dimensions, reported with kPartPileCap. flag as for the
    // footing; elevation (m) under key; spacings are the pier's column spacings.
    int DoDiagnose(unsigned ID, int flag, double elevation, CString key, CArray<double, double>& spacings);
    // Plan outline of the pile cap, in the column outlines' plan coordinates.
    void Get_Coordinate_CT(CDblPointArray& outline) const;

    // Calculation records of the pile cap.
    int Get_Cal_OrgData(PG003Calc_OrgData* record);
    int Get_Cal_OrgLoad(CPG003CalcLoad* load);
    // Fills a span-alignment record of the loads from a live-load surface of the input.
    static void SetLoadSurface(tagBC_BridgeSpanAlign& align, const CCalGenLiveLoadSurface* surface);

private:
    LiveCount<CPG003org> m_live;
};
