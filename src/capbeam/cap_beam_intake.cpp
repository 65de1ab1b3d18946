// CPM001T0101Atom::SetGZData: the cap beam's geometry and materials taken from the cap-beam parameter record.
#include "capbeam/cap_beam_reinforcement.h"

#include "common/is_equal.h"
#include "geometry/dbl_point_array.h"
#include "geometry/polygon_relations.h"
#include "pier/gz_pm001_atom.h"
#include "tendon/design_object.h"

#include <climits>
#include <cmath>
#include <cstdlib>
#include <memory>

using KVDataCommon::IsEqual;

namespace {

// The leading whole number of a text as the runtime's atoi reads it (blanks, a sign, digits), 0
// when there is none; a number beyond the int range is held at the range's end.
int LeadingInt(const CString& text)
{
    const long value = std::strtol(text.GetString(), nullptr, 10);
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

// Concrete grade number of a grade text: "C40", "c30" and "40" give 40, 30 and 40.
int GradeNumber(CString grade)
{
    if (grade.Find('C') >= 0) grade.Replace("C", "");
    else if (grade.Find('c') >= 0) grade.Replace("c", "");
    return LeadingInt(grade);
}

// A length rounded to a whole number (value + 0.5, truncated), kept as a real so that any value
// can be compared.
double Whole(double value)
{
    return std::trunc(value + 0.5);
}

bool SameWhole(double left, double right)
{
    return IsEqual(Whole(left), Whole(right)) != 0;
}

} // namespace

int CPM001T0101Atom::SetGZData(GZ_PM001Atom* gz)
{
    if (!gz) return 0;

    JGType = gz->JGType;
    bBz = gz->bBz;
    nPier = bBz.GetSize() + 1;
    PMorPT = gz->PMorPT;
    hXbl = gz->hXbl;
    hXbr = gz->hXbr;
    a = gz->a;
    lWg = gz->lWg;
    bBg = gz->bBg;
    iLb = gz->iLb;
    iRb = gz->iRb;
    hHpl = gz->hHpl;
    hHpr = gz->hHpr;

    // Either both ends vary in height or neither: a missing one becomes a tiny step.
    bBpr = gz->bBpr;
    if (IsEqual(bBpr, 0.0)) hHpr = 0.0;
    bBpl = gz->bBpl;
    if (IsEqual(bBpl, 0.0)) hHpl = 0.0;
    if (IsEqual(bBpl, 0.0) && !IsEqual(bBpr, 0.0)) {
        bBpl = 1e-5;
        hHpl = 1e-5;
    }
    if (!IsEqual(bBpl, 0.0) && IsEqual(bBpr, 0.0)) {
        bBpr = 1e-5;
        hHpr = 1e-5;
    }

    vP = gz->vP;
    bBzl = gz->bBzl;
    bBzr = gz->bBzr;
    bAc = gz->bAc;
    hHgl = gz->hHgl;
    SectionType = gz->SectionType;
    lCzf = gz->lCzf;
    lCzb = gz->lCzb;
    B = gz->B;
    V = gz->V;
    ColumnSectionType = gz->ColumnSectionType;
    bRec = gz->bRec;
    lRec = gz->lRec;
    D = gz->D;
    R = gz->R;
    X = gz->X;
    Y = gz->Y;
    fZT = gz->fZT;

    ConLabel = GradeNumber(gz->PierCapConGra);
    PierCapConGra = gz->PierCapConGra;

    if (ColumnSectionType != 0) {
        enPSection = 1;
    } else if (gz->FilletMode == 1) {
        enPSection = 2;
    } else if (gz->FilletMode == 2) {
        enPSection = 3;
    } else {
        enPSection = 2;
        X = 0.0;
        Y = 0.0;
    }

    // Left-right symmetry of the shape: mirrored spans, ends and, for a crowned top, the crown in
    // the middle, all in whole millimetres.
    int spansSymmetric = 1;
    const int n = bBz.GetSize();
    for (int i = 0; i < n / 2; ++i) {
        if (!SameWhole(bBz[n - 1 - i], bBz[i])) spansSymmetric = 0;
    }
    const bool endsAgree = SameWhole(hXbr, hXbl) && SameWhole(bBpr, bBpl) && SameWhole(bBzr, bBzl);
    if (IsEqual(iLb, -iRb)) {
        fSymmetric = (endsAgree && spansSymmetric == 1) ? 1 : 0;
    } else if (IsEqual(iLb, std::fabs(iRb))) {
        fSymmetric = (SameWhole(bBg / 2.0, bAc) && endsAgree && spansSymmetric == 1) ? 1 : 0;
    } else {
        fSymmetric = 0;
    }

    // Concrete volume of a plain section: the elevation's area times the width, in cubic metres.
    if (SectionType == 0) {
        CDblPointArray elevation;
        elevation.Add(CDblPoint(0.0, hHpl));
        elevation.Add(CDblPoint(0.0, hHpl + hXbl));
        elevation.Add(CDblPoint(bAc, hHgl));
        elevation.Add(CDblPoint(bBg, hHpr + hXbr));
        elevation.Add(CDblPoint(bBg, hHpr));
        elevation.Add(CDblPoint(bBg - bBpr, 0.0));
        elevation.Add(CDblPoint(bBpl, 0.0));
        Vcon = PolygonArea(elevation) / 1e6 * (lWg / 1000.0);
    }

    fCrossContour = IsEqual(iLb, -iRb) ? 1 : 0;

    aPl = bBpl > 1e-5 ? std::atan(hHpl / bBpl) : 0.0;
    aPr = bBpr > 1e-5 ? std::atan(hHpr / bBpr) : 0.0;

    fTuncateRibLM = gz->fTuncateRibLM;
    fNoteFormDM = gz->fNoteFormDM;
    fNoteFormSK = gz->fNoteFormSK;
    FramePaneWidth = gz->FramePaneWidth;

    if (JGType != 0) {
        if (!m_pTendonAtom) AdoptTendonAtom(std::make_unique<CPM001T010401Atom>());
        m_pTendonAtom->SetData(gz);
    }

    dGZ1 = gz->dGZ1;
    dGZ2 = gz->dGZ2;
    dGZ3 = gz->dGZ3;
    dGZ4 = gz->dGZ4;
    nGZ1 = gz->nGZ1;
    fHaveBedStonef = gz->fHaveBedStonef;
    TextStyleMode = gz->TextStyleMode;
    return 1;
}
