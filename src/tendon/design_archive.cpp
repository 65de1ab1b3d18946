// CPM001T010401Atom::SerializeDesignData: the tendon block of the design archive, item by item.
#include "tendon/design_object.h"

#include "tendon/archive_items.h"

using tendon_archive::Items;

void CPM001T010401Atom::SerializeDesignData(CArchive& ar)
{
    Items(ar, ib, enSection, FVHP, fm, fmr, fJGDC);
    Items(ar, a, bBg, bAc, iLb, iRb, bBpl, bBpr, hXbl, hXbr, bBzl, bBzr, bBz, hHpl, hHpr);
    Items(ar, lCzf, lCzb, B, hHgl, V, ColumnSectionType, FilletMode, X, Y, R, D, bRec, lRec);
    Items(ar, dAc, FVLH, nLH, FVPM, FVcurve, FVCkplace, FVys, FVszb, js, PSF, FVleader, cU, AnchorsFlag, fSymLayout);

    tendon_archive::OwnedRecords(ar, "Steel", Steel, M_Steel::kMinStoredBytes);
    tendon_archive::ValueRecords(ar, "ZLNameAr", ZLNameAr, M_ZLName::kMinStoredBytes);
    Items(ar, fmxl, fmxr);

    // Section views: stored from wherever HD points; loaded into records of the object's own,
    // which HD then points to (the working sections are left as they are).
    {
        const CArchive::Record named(ar, "HD");
        if (ar.IsStoring()) {
            ar << static_cast<int>(HD.size());
            std::size_t i = 0;
            for (M_HD* view : HD) {
                const CArchive::Record entry(ar, i++);
                if (view) {
                    view->Serialize(ar);
                } else {
                    M_HD empty;
                    empty.Serialize(ar);
                }
            }
        } else {
            const int count = ar.ReadRecordCount(M_HD::kMinStoredBytes);
            HD.clear();
            m_loadedHD.clear();
            m_loadedHD.resize(static_cast<std::size_t>(count));
            HD.assign(static_cast<std::size_t>(count), nullptr);
            for (std::size_t i = 0; i < m_loadedHD.size(); ++i) {
                const CArchive::Record entry(ar, i);
                m_loadedHD[i] = std::make_unique<M_HD>();
                HD[i] = m_loadedHD[i].get();
                HD[i]->Serialize(ar);
            }
        }
    }

    Items(ar, Ps, Pgdsl, Pgdsr);
    tendon_archive::OwnedRecords(ar, "QH", QH, M_QH::kMinStoredBytes);
    Items(ar, ZVer_plotR, szMEM, mul, SMM, mul_SMM, szpar, szint, B_Bnd, B_Bnh_Bnw, M_Alias);
    Items(ar, SBtype, SBd, Ldis, Cdis, SBL, SBgame, SBgama, SBmass, PY, er);
    Items(ar, strTendonIndex);
}
