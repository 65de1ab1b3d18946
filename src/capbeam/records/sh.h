// ShDataSet: the side-face bar set "sh" — settings, level spacings and its two sub-kinds sh1 and sh2.
#pragma once

#include "mfc/cstring.h"

class CArchive;

namespace CapBeamRecords {

struct ShDataSet {
    int type = 0;
    double Min = 0.0, Max = 0.0, d = 0.0, ac = 0.0, a = 0.0;
    int fLayMode = 0;
    double s = 0.0, as = 0.0, HL = 0.0, HR = 0.0, HM = 0.0, sl = 0.0, sr = 0.0, sm = 0.0;
    int ns = 0;
    double alf = 0.0, RG = 0.0, EL = 0.0;
    // Full-length bars.
    int sh1_n = 0;
    CString sh1_R;
    double sh1_L = 0.0, sh1_Lp = 0.0, sh1_TL = 0.0;
    // Bars shortened by a sloped underside.
    int sh2_n = 0;
    CString sh2_R;
    double sh2_L = 0.0, sh2_Lp = 0.0, sh2_TL = 0.0;

    // The fields in the order above: 196 bytes of numbers and the two marks. Loading replaces the
    // set only when all of it was read.
    void Serialize(CArchive& ar);
};

} // namespace CapBeamRecords
