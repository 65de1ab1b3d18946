// Column module: construction and release.
#include "siblings/columns.h"

CPC001T01ZD01Atom::CPC001T01ZD01Atom() = default;
CPC001T01ZD01Atom::~CPC001T01ZD01Atom() = default;

CPC001T01ZD02Atom::CPC001T01ZD02Atom() = default;
CPC001T01ZD02Atom::~CPC001T01ZD02Atom() = default;
