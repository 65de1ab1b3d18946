// CBridgePierAssign: the road's assignment of piers, with each pier's skew angle by its label.
#pragma once

#include <map>

class CBridgePierAssign {
public:
    // Writes the skew angle (radians) of the pier with this label into angle and returns 1;
    // a label that is not assigned gives 0.0 (no skew) and returns 0.
    int GetPierSkewAngle(int label, double& angle) const;
    // Assigns a pier: its skew angle in radians (replacing an earlier assignment of the label).
    void SetPierSkewAngle(int label, double angle) { m_SkewAngles[label] = angle; }

private:
    std::map<int, double> m_SkewAngles;
};
