// Tie-beam module: construction and release.
#include "siblings/tie_beams.h"

CPG008Atom::CPG008Atom() = default;
CPG008Atom::~CPG008Atom() = default;
