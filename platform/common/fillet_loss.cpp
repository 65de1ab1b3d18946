// The length correction of a bar at one bend.
#include "common/fillet_loss.h"

#include <cmath>
#include <numbers>

namespace KVDataCommon {

int GetFilletLoss(double r, double angle, double& loss)
{
    loss = 0.0;
    if (!std::isfinite(r) || r < 0.0) return 0;
    if (!std::isfinite(angle) || angle < 0.0 || angle >= std::numbers::pi) return 0;
    loss = r * angle - 2.0 * r * std::tan(angle / 2.0);
    return 1;
}

} // namespace KVDataCommon
