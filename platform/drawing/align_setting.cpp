// KVAlign: the alignment library keeps what it is handed.
#include "drawing/align_setting.h"

namespace {
thread_local std::optional<AlignHandOff> t_lastAlign;
thread_local std::optional<CDrawingSetting> t_lastSetting;
}

void SetKVAlignData(CAlignDataPM001* align, const CComponentNorm* component, const CPG008Atom* tieBeam)
{
    if (!align || !component) return;
    t_lastAlign = AlignHandOff{align, component, tieBeam};
}

void SetDrawSet(CDrawingSetting* setting)
{
    if (setting) t_lastSetting = *setting;
}

const std::optional<AlignHandOff>& LastAlignHandOff() { return t_lastAlign; }
const std::optional<CDrawingSetting>& LastDrawingSetting() { return t_lastSetting; }
void ClearAlignHandOffs()
{
    t_lastAlign.reset();
    t_lastSetting.reset();
}
