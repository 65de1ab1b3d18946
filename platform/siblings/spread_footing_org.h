// CPG001org: the origin data of a spread footing, taken from the footing's input CPG001.
#pragma once

#include "common/dbl_array.h"
#include "host/cpg001_input.h"
#include "host/live_count.h"
#include "mfc/carchive.h"
#include "mfc/cobject.h"
#include "mfc/cstring.h"

#include "geometry/dbl_point_array.h"
#include "mfc/carray.h"

class CPG001CalcLoad;
struct CProjectGeneral;
class PG001Calc_OrgData;

// The footing's values, named by their input keys (CPG001 describes each). The step lists hold
// one value per step below the top layer, top step first; the footing's height is
// sum(hTj_JICHU) + hKs_JICHU and its bottom width across is bKs_JICHU + sum(bTjl_JICHU) +
// sum(bTjr_JICHU).
struct PG001OrgValues {
    double lKs_JICHU = 0.0;
    double bKs_JICHU = 0.0;
    double hKs_JICHU = 0.0;
    double DY_JICHU = 0.0;
    DblArray hTj_JICHU;
    DblArray bTjl_JICHU;
    DblArray bTjr_JICHU;
    DblArray lTj_JICHU;
    CString ConGra_JICHU;      // trimmed
    int fPJ_JICHU = 0;
};

class CPG001org : public CObject, public PG001OrgValues {
public:
    CPG001org();
    ~CPG001org() override;

    // Takes the footing's values from its input; the step lists are read as number-list
    // expressions. Returns 1 when every value could be read; a null input gives 0, a step list
    // that is not a list of numbers is reported (diagnostic, kPartFooting, under its key and with
    // label ID) and gives 0. owner is the footing's own component when the footing is designed
    // on its own; a pier passes 0 and the footing is read from the input alone.
    int SetData(unsigned int ID, const CPG001* input, const CObject* owner);

    // Length of the footing's top layer across the bridge: the width the columns stand on.
    double GetLengthAcross() const { return bKs_JICHU; }
    // Offset of the footing centre from the pier centre line, along the bridge.
    double GetOffset() const { return DY_JICHU; }

    // The footing's origin data in its archive form (version 1): int 1, the four reals, the
    // four step lists (DblArray form), the concrete text, the reinforcement switch. Loading
    // replaces the values only when the whole form was read; a damaged or short archive, or
    // another version, throws the archive exception.
    void SerializeOriginData(CArchive& ar);

    // The foundation's drawing settings for the pier's drawing: the module's own drawing lies
    // outside the pier, so the child keeps what it was made with; a missing child clears ok.
    template <class Child>
    void SetDrawSetData(unsigned /*ID*/, const CPG001* /*input*/, Child* child, int& ok) const
    {
        if (!child) ok = 0;
    }

    // Range checks of the footing's own dimensions, reported with kPartFooting. flag is 1 when
    // each column stands on a footing of its own; skew is the pier's skew angle in radians.
    int DoDiagnose(unsigned ID, int flag, double skew);
    // Plan outline of the footing's top layer, centred on the column (x across, y along).
    void Get_Coordinate_KJ(CDblPointArray& outline) const;
    // Separate footings at the given column spacings must not overlap; reports under keys with
    // part and clears ok when they do.
    void Is_KJ_overlap(unsigned label, CArray<double, double>& spacings, CString keys, int& ok, unsigned part);

    // Calculation records of the footing.
    int Get_Cal_OrgData(PG001Calc_OrgData* record);
    int Get_Cal_OrgLoad(CPG001CalcLoad* load, CProjectGeneral* general, void* fill1, void* fill2);

private:
    LiveCount<CPG001org> m_live;
};
