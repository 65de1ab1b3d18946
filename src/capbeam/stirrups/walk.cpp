// Stirrups: bounded walks along stirrup positions.
#include "capbeam/stirrups/layout.h"

#include "capbeam/stirrups/bar_counts.h"
#include "host/report.h"

namespace CapBeamStirrups {

namespace {

thread_local int quietWalks = 0;

} // namespace

void ReportTooManySteps()
{
    if (quietWalks == 0) QMReportError("计算错误：箍筋个数超出范围，请检查箍筋间距和加密间距数", 0);
}

QuietWalks::QuietWalks() { ++quietWalks; }
QuietWalks::~QuietWalks() { --quietWalks; }

bool StoreCount(long long count, int& field)
{
    const auto limit = static_cast<long long>(CapBeamBarCounts::kCountLimit);
    if (count > limit || count < -limit) {
        ReportTooManySteps();
        return false;
    }
    field = static_cast<int>(count);
    return true;
}

bool MoveBeyond(double& p, double step, int count, double limit)
{
    for (int k = 0; k < count && !(p > limit); ++k) {
        if (k >= kMaxSteps) {
            ReportTooManySteps();
            return false;
        }
        p += step;
    }
    return true;
}

CrownWalk::CrownWalk(double start, double crown, bool rightward)
    : m_x(start), m_before(start), m_crown(crown), m_rightward(rightward)
{
}

bool CrownWalk::Steps(int count, double step)
{
    for (int k = 0; k < count && !m_reached; ++k) {
        if (++m_taken > kMaxSteps) {
            ReportTooManySteps();
            return false;
        }
        m_before = m_x;
        m_x += m_rightward ? step : -step;
        m_reached = m_rightward ? m_x >= m_crown : m_x <= m_crown;
    }
    return true;
}

} // namespace CapBeamStirrups
