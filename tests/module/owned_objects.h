// Test helpers: which of a component's owned members are held, and the release journal as names.
#pragma once

#include "module/pier_component.h"

#include <set>
#include <string>
#include <vector>

// Names of the non-null owning members of the component (design, drawing and origin objects).
std::set<std::string> HeldMembers(const CPM001Norm& c);

// The journal of this thread's releases since ReleaseJournal::Start, as class names.
std::vector<std::string> ReleasedClasses();

// Puts a fresh object into every owning member, whatever the flags say.
void FillEveryMember(CPM001Norm& c);
