// CPM001Atom: construction, release and run-time class.
#include "pier/pier_design_record.h"

IMPLEMENT_SERIAL(CPM001Atom, CObject, 1)

CPM001Atom::CPM001Atom() = default;
CPM001Atom::~CPM001Atom() = default;
