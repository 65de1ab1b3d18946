// CPG002org: the origin data of a pile foundation, taken from the foundation's input CPG002.
#pragma once

#include "common/dbl_array.h"
#include "host/cpg002_input.h"
#include "host/live_count.h"
#include "mfc/carchive.h"
#include "mfc/cobject.h"
#include "mfc/cstring.h"

#include "geometry/dbl_point_array.h"

class CPG002CalcLoad;
class PG002Calc_OrgData;

// The pile foundation's values, named by their input keys (CPG002 describes each).
struct PG002OrgValues {
    double rZ_JICHU = 0.0;
    int fC_JICHU = 0;
    double rC_JICHU = 0.0;
    double hC_JICHU = 0.0;
    double lZ_JICHU = 0.0;
    int nZType_JICHU = 0;
    int fXL_JICHU = 0;         // tie beams between the piles
    double bXl_JICHU = 0.0;
    double hXl_JICHU = 0.0;
    DblArray zXl_JICHU;
    CString ConGra_JICHU;      // trimmed
};

class CPG002org : public CObject, public PG002OrgValues {
public:
    CPG002org();
    ~CPG002org() override;

    // Takes the foundation's values from its input; the tie-beam depths are read as a
    // number-list expression. Returns 1 when every value could be read; a null input gives 0,
    // a tie-beam list that is not a list of numbers is reported (diagnostic, kPartPiles, under its
    // key) and gives 0.
    int SetData(const CPG002* input);

    // Diameter of the pile where it meets the column: the enlarged head's (rC_JICHU) when the
    // pile has one, else the pile's (rZ_JICHU).
    double GetHeadDiameter() const { return fC_JICHU ? rC_JICHU : rZ_JICHU; }

    // The foundation's origin data in its archive form (version 1): int 1, then the values in
    // member order (ints 4 bytes, reals 8, the tie-beam list in DblArray form, the concrete
    // text). Loading replaces the values only when the whole form was read; a damaged or short
    // archive, or another version, throws the archive exception.
    void SerializeOriginData(CArchive& ar);

    // The foundation's drawing settings for the pier's drawing: the module's own drawing lies
    // outside the pier, so the child keeps what it was made with; a missing child clears ok.
    template <class Child>
    void SetDrawSetData(unsigned /*ID*/, const CPG002* /*input*/, Child* child, int& ok) const
    {
        if (!child) ok = 0;
    }

    // Range checks of the pile foundation's own dimensions, reported with kPartPiles;
    // elevation is the column bottoms' elevation (m) reported under key.
    int DoDiagnose(unsigned ID, double elevation, CString key);
    // Plan outline of the pile under a column, centred on the column centre.
    void Get_Coordinate_ZJ(CDblPointArray& outline) const;

    // Calculation records of the pile foundation.
    int Get_Cal_OrgData(PG002Calc_OrgData* record);
    int Get_Cal_Load(CPG002CalcLoad* load);

private:
    LiveCount<CPG002org> m_live;
};
