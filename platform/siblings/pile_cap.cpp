// Pile-cap module: construction and release.
#include "siblings/pile_cap.h"

CPG003Atom::CPG003Atom() = default;
CPG003Atom::~CPG003Atom() = default;

CPG003CT01Atom::CPG003CT01Atom() = default;
CPG003CT01Atom::~CPG003CT01Atom() = default;

CPG003CT02Atom::CPG003CT02Atom() = default;
CPG003CT02Atom::~CPG003CT02Atom() = default;

CPG003CT03Atom::CPG003CT03Atom() = default;
CPG003CT03Atom::~CPG003CT03Atom() = default;

CPG003T0103Atom::CPG003T0103Atom() = default;
CPG003T0103Atom::~CPG003T0103Atom() = default;
