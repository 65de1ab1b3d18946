// CBridgePierAssign: skew angles by pier label.
#include "host/pier_assign.h"

int CBridgePierAssign::GetPierSkewAngle(int label, double& angle) const
{
    const auto found = m_SkewAngles.find(label);
    if (found == m_SkewAngles.end()) {
        angle = 0.0;
        return 0;
    }
    angle = found->second;
    return 1;
}
