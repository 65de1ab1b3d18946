// Pile-foundation module: construction and release.
#include "siblings/pile_foundation.h"

CPG002Atom::CPG002Atom() = default;
CPG002Atom::~CPG002Atom() = default;
