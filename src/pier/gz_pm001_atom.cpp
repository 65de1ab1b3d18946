// GZ_PM001Atom: construction of an empty cap-beam parameter record.
#include "pier/gz_pm001_atom.h"

GZ_PM001Atom::GZ_PM001Atom() = default;
