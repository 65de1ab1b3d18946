// CPM001T0101Atom::SetsdData: the end-face bars "sd", laid across the beam width on the two cantilever end faces.
#include "capbeam/cap_beam_reinforcement.h"

#include "common/bar_sizes.h"
#include "common/bar_spacing.h"
#include "common/cut_length.h"
#include "common/is_equal.h"

#include <cmath>

int CPM001T0101Atom::SetsdData()
{
    if (fDistribute == 0) return 1;

    ++nMark;
    sd.R.Format("%d", nMark);

    const double wSt = KVDataCommon::wd(st.d, st.type);
    const double wSd = KVDataCommon::wd(sd.d, sd.type);
    // Just inside or just outside the skeleton's end bars, touching them.
    const double h = wSt / 2.0 + wSd / 2.0;
    sd.a = fPosSdAndSt == 0 ? st.sa - h : st.sa + h;

    // Edge distance at the top and bottom of an end face, rounded up to a whole 10.
    sd.a2 = st.ua + wSt / 2.0 + wSd / 2.0;
    if (!KVDataCommon::IsEqual(sd.a2 / 10.0 - std::trunc(sd.a2 / 10.0), 0.0))
        sd.a2 = std::trunc(sd.a2 / 10.0 + 1.0) * 10.0;

    const double target = (sd.Min + sd.Max) / 2.0;
    KVDataCommon::BJ1(hXbl - 2.0 * sd.a2, target, sd.Min, sd.Max, sd.nsl, sd.sl);
    KVDataCommon::BJ1(hXbr - 2.0 * sd.a2, target, sd.Min, sd.Max, sd.nsr, sd.sr);
    sd.nl = sd.nsl + 1;
    sd.nr = sd.nsr + 1;
    sd.n = sd.nl + sd.nr;

    // Across the width between the skeleton's side bars, outside the stirrups, along the skew;
    // rounded down to a whole 10.
    const double wSg = KVDataCommon::wd(sg.d, sg.type);
    sd.L = (lWg - 2.0 * st.a + wSt + 2.0 * wSg + wSd) / std::cos(a);
    sd.L = std::trunc(sd.L / 10.0) * 10.0;

    sd.alf = 1.57079635 - std::fabs(a);
    sd.EL = KVDataCommon::WG1(sd.d, sd.type, KVDataCommon::DEGRE_90);
    sd.TL = KVCTL(2.0 * sd.EL + sd.L);
    return 1;
}
