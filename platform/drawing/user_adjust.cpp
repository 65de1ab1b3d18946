// AdjustPM001: the user-adjustment tool's hand-off, kept per thread.
#include "drawing/user_adjust.h"

namespace {

// One record per thread: a host may work on several piers at once, one per thread.
std::optional<UserAdjustHandOff>& HandOff()
{
    thread_local std::optional<UserAdjustHandOff> last;
    return last;
}

} // namespace

int AdjustPM001(CString& path, CPM001Calc* calc, CComponentNorm* component)
{
    if (path.IsEmpty() || calc == nullptr || component == nullptr)
        return 0;
    HandOff() = UserAdjustHandOff{path, calc, component};
    return 1;
}

const std::optional<UserAdjustHandOff>& LastUserAdjustHandOff()
{
    return HandOff();
}

void ClearUserAdjustHandOff()
{
    HandOff().reset();
}
