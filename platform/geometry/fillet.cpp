// The circular fillet of a given radius in the corner between two lines.
#include "geometry/fillet.h"

#include <cmath>

namespace QM_MathTool {

namespace {

// Corners whose legs make an angle whose sine is at most this are taken as straight (or folded
// back): no fillet fits.
constexpr double kStraightSine = 1e-12;

bool Finite(const CDblPoint& p)
{
    return std::isfinite(p.x) && std::isfinite(p.y);
}

} // namespace

int CalFillet(const CDblPoint& A, const CDblPoint& B, const CDblPoint& E, double r, CDblPoint& T1,
              CDblPoint& T2, CDblPoint& M)
{
    T1 = T2 = M = B;
    if (!std::isfinite(r) || r <= 0.0 || !Finite(A) || !Finite(B) || !Finite(E)) return 0;

    const double la = std::hypot(A.x - B.x, A.y - B.y);
    const double le = std::hypot(E.x - B.x, E.y - B.y);
    if (la == 0.0 || le == 0.0) return 0;
    // Unit directions from the corner along the two legs.
    const double ux = (A.x - B.x) / la, uy = (A.y - B.y) / la;
    const double vx = (E.x - B.x) / le, vy = (E.y - B.y) / le;
    const double sine = ux * vy - uy * vx;
    if (std::fabs(sine) <= kStraightSine) return 0;

    // The corner angle phi between the legs; tan(phi / 2) and sin(phi / 2) from its cosine.
    const double phi = std::atan2(std::fabs(sine), ux * vx + uy * vy);
    const double tangent = r / std::tan(phi / 2.0);
    const double centre = r / std::sin(phi / 2.0);
    const double bx = ux + vx, by = uy + vy; // along the bisector
    const double lb = std::hypot(bx, by);

    const CDblPoint t1(B.x + ux * tangent, B.y + uy * tangent);
    const CDblPoint t2(B.x + vx * tangent, B.y + vy * tangent);
    const CDblPoint m(B.x + bx / lb * centre, B.y + by / lb * centre);
    if (!Finite(t1) || !Finite(t2) || !Finite(m)) return 0;
    T1 = t1;
    T2 = t2;
    M = m;
    return 1;
}

} // namespace QM_MathTool
