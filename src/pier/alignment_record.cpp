// CAlignDataPM001: construction and release.
#include "pier/alignment_record.h"

CAlignDataPM001::CAlignDataPM001() = default;
CAlignDataPM001::~CAlignDataPM001() = default;
