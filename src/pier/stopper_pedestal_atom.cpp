// CPM001DS01Atom: construction and release.
#include "pier/stopper_pedestal_atom.h"

CPM001DS01Atom::CPM001DS01Atom() = default;
CPM001DS01Atom::~CPM001DS01Atom() = default;
