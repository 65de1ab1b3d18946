// CPM001T0101Atom::SetsgData: the closed stirrups of the cap beam, laid out once the skeleton frames stand.
#include "capbeam/stirrups/layout.h"

#include "common/bar_sizes.h"

int CPM001T0101Atom::SetsgData()
{
    using namespace CapBeamStirrups;
    Plan plan;
    plan.layout = ChooseLayout(sg);
    if (!CheckInput(*this, plan.layout)) return 0;
    if (!PlanEnds(*this, plan)) return 0;
    if (!LayOutZones(*this, plan)) return 0;
    SetHooks(*this);
    return FillGroupRecords(*this, plan);
}

namespace CapBeamStirrups {

void SetHooks(Atom& atom)
{
    auto& sg = atom.sg;
    if (sg.HookedTpye == 0) {
        // Right-angle hooks are bent like the end-face bars: their steel type decides the bend.
        sg.alf = 1.57079635;
        sg.EL = KVDataCommon::WG3(sg.d, atom.sd.type, KVDataCommon::DEGRE_90);
    } else {
        sg.alf = 2.356194525;
        sg.RG = 4.0 * sg.d / 2.0;
        sg.EL = KVDataCommon::WG3(sg.d, sg.type, KVDataCommon::DEGRE_135);
    }
}

} // namespace CapBeamStirrups
