// CPM001: run-time class information, so that a component can tell its input object apart.
#include "host/cpm001_input.h"

IMPLEMENT_DYNAMIC(CPM001, CObject)
