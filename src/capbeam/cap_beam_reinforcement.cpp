// CPM001T0101Atom: construction and release.
#include "capbeam/cap_beam_reinforcement.h"

CPM001T0101Atom::CPM001T0101Atom() = default;
CPM001T0101Atom::~CPM001T0101Atom() = default;
