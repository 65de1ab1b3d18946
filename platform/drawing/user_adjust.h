// AdjustPM001: the pier's user-adjustment tool as the component opens it, and what it was handed.
#pragma once

#include "mfc/cstring.h"

#include <optional>

class CComponentNorm;
class CPM001Calc;

// Opens the user-adjustment tool of a pier on its adjustment data file (path), with the pier's
// calculation object and the component. The tool keeps what it was handed (below) and returns 1
// when it has something to work on: a non-empty path, a calculation object and a component;
// otherwise it returns 0 and keeps nothing. It neither opens nor checks the file.
int AdjustPM001(CString& path, CPM001Calc* calc, CComponentNorm* component);

// What the tool was last handed on this thread.
struct UserAdjustHandOff {
    CString path;
    CPM001Calc* calc = nullptr;
    CComponentNorm* component = nullptr;
};

// The last hand-off the tool accepted on the calling thread, if any.
const std::optional<UserAdjustHandOff>& LastUserAdjustHandOff();
// Forgets the calling thread's last hand-off.
void ClearUserAdjustHandOff();
