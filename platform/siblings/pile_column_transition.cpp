// Pile-to-column transition module: construction and release.
#include "siblings/pile_column_transition.h"

CPG005Atom::CPG005Atom() = default;
CPG005Atom::~CPG005Atom() = default;
