// CPM001org: construction, release and run-time class.
#include "input/pier_origin_data.h"

IMPLEMENT_SERIAL(CPM001org, CObject, 1)

CPM001org::CPM001org() = default;
CPM001org::~CPM001org() = default;
