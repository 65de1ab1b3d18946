// Spread-footing module: construction and release.
#include "siblings/spread_footing.h"

CPG001Atom::CPG001Atom() = default;
CPG001Atom::~CPG001Atom() = default;

CPG001T01Atom::CPG001T01Atom() = default;
CPG001T01Atom::~CPG001T01Atom() = default;
