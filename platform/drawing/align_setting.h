// KVAlign: the component's alignment record and drawing setting as the alignment library takes them.
#pragma once

#include <optional>

class CAlignDataPM001;
class CComponentNorm;
class CDrawSetPM001;
class CPG008Atom;

// The drawing setting handed to the alignment library for one drawing adjustment.
struct CDrawingSetting {
    CDrawSetPM001* m_pDrawSet = nullptr;            // the component's drawing-setting record
    int m_nComponentCode = 0;                       // the component code
    int m_nBaseType = 0;                            // 1 spread footing, 2 pile foundation, 3 pile cap
    const CPG008Atom* m_pPierTieBeamAtom = nullptr; // tie beams between the columns, or null
};

// Completes the alignment record of the component; keeps what it was handed when the record and
// the component are given, otherwise does nothing.
void SetKVAlignData(CAlignDataPM001* align, const CComponentNorm* component, const CPG008Atom* tieBeam);

// Hands the drawing setting to the alignment library, which keeps a copy (nothing for null).
void SetDrawSet(CDrawingSetting* setting);

// What the alignment library was last handed on this thread.
struct AlignHandOff {
    CAlignDataPM001* align = nullptr;
    const CComponentNorm* component = nullptr;
    const CPG008Atom* tieBeam = nullptr;
};
const std::optional<AlignHandOff>& LastAlignHandOff();
const std::optional<CDrawingSetting>& LastDrawingSetting();
void ClearAlignHandOffs();
