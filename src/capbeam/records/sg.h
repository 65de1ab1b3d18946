// SgDataSet: the stirrup data set "sg" — stirrup settings, zone counts and the three stirrup record lists.
#pragma once

#include "capbeam/records/stirrup.h"
#include "common/dbl_array.h"
#include "common/int_array.h"
#include "mfc/carray.h"

class CArchive;

namespace CapBeamRecords {

struct SgDataSet {
    int type = 0;
    double d = 0.0, ac = 0.0, a = 0.0, Min = 0.0, Max = 0.0;
    int fLayMode = 0;
    double s = 0.0, s2 = 0.0;
    int fenG = 0;
    double s3 = 0.0, TBL = 0.0, TBR = 0.0;
    int lns3 = 0, rns3 = 0;
    IntArray ns;
    int nasl = 0, nasr = 0;
    DblArray as;
    IntArray asType;            // not published
    IntArray lns2, rns2;
    int lXBns2 = 0, rXBns2 = 0, nAns = 0;
    double b = 0.0, bMid = 0.0, Aas = 0.0;
    int HookedTpye = 0;
    double alf = 0.0, RG = 0.0, EL = 0.0;
    CArray<M_sg1> sg1;
    CArray<M_sg2> sg2;
    CArray<M_sg3> sg3;

    // The fields in the order above; the lists through the common library's archive operators,
    // each record list as a 4-byte count and its records. Loading checks every count before
    // allocating and replaces the set only when all of it was read.
    void Serialize(CArchive& ar);
};

} // namespace CapBeamRecords
