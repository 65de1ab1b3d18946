// CPM001org::SerializeOriginData: the pier's origin data block of the origin archive.
#include "input/pier_origin_data.h"

#include "mfc/carchive.h"

#include <type_traits>

namespace {

// One field sequence for both directions: storing writes each field, loading reads it back.
class FieldVisitor {
public:
    explicit FieldVisitor(CArchive& ar) : m_ar(ar) {}

    template <class... T>
    void Numbers(T&... fields)
    {
        (Number(fields), ...);
    }
    template <class... T>
    void Texts(T&... fields)
    {
        (Text(fields), ...);
    }
    template <class... T>
    void Lists(T&... lists)
    {
        (lists.Serialize(m_ar), ...);
    }

private:
    template <class T>
    void Number(T& field)
    {
        static_assert(std::is_same_v<T, int> || std::is_same_v<T, double>);
        if (m_ar.IsStoring()) m_ar << field;
        else m_ar >> field;
    }
    void Text(CString& field)
    {
        if (m_ar.IsStoring()) m_ar << field;
        else m_ar >> field;
    }

    CArchive& m_ar;
};

} // namespace

void CPM001org::SerializeOriginData(CArchive& ar)
{
    FieldVisitor f(ar);
    f.Numbers(JGType, PierLayMode, fSeparationSymmetry);
    f.Numbers(bAg, a, vP);
    f.Numbers(BaseType, BaseLayMode);
    f.Numbers(DX, DY, bAc, zGl, hXbl, bBpl, hXbr, bBpr, bTtl, bXbl, hml, htl, bTtr, bXbr, hmr, htr);
    f.Numbers(fSingleSlope);
    f.Numbers(iLb, iRb, iLbL, iLbR, iRbL, iRbR);
    f.Numbers(SectionType);
    f.Numbers(B, B1, B2, hHgf, hHgb, hHgl, V, U, bBzl, bBzr);
    f.Lists(bBz);
    f.Numbers(zZct, lCzf);
    f.Numbers(ColumnSectionType);
    f.Numbers(D, bRec, lRec);
    f.Numbers(FilletMode);
    f.Numbers(X, Y, R);
    f.Numbers(fXL);
    f.Numbers(bXl, hXl);
    f.Lists(zXl);
    f.Numbers(CushionNumber, fVaiKongZhi);
    f.Numbers(zQf, zQb);
    f.Lists(bQf, bQb);
    f.Lists(TypeZhif, TypeZhib);
    f.Numbers(BedStoneTypef);
    f.Numbers(lZzf, lZzb);
    f.Lists(hZzf, hZzb);
    f.Numbers(bZzf, bZzb);
    f.Numbers(BedStoneTypeb, fHaveStopper, fVaiDang);
    f.Numbers(hFz, bL1, bL2, bFzjl, bR1, bR2, bFzjr, hFzf, bLf1, bLf2, bFzfl, bRf1, bRf2, bFzfr);
    f.Texts(PierCapConGra, PierColumnConGra, BedStoneConGra, StopperConGra, TieBeamConGra);
    f.Numbers(fDisribute, fVarjichupmt, fZT, DesignOpt7, DesignOpt8, DesignOpt9, DesignOpt10);
    f.Numbers(DesignValue2);
    f.Numbers(DesignOpt1, DesignOpt2, DesignOpt3, DesignOpt4);
    f.Numbers(DesignValue1);
    f.Texts(DesignText1);
    f.Numbers(DesignOpt5);
    f.Texts(DesignText2);
    f.Numbers(DesignOpt6);
    f.Texts(TendonMaterial);
    f.Numbers(ComponentLabel);
    f.Numbers(gzPMScale, gzLMScale, stPMScale, PrePMScale);
    f.Numbers(CalcOpt1, CalcOpt2, CalcOpt3, CalcOpt4, CalcOpt5);
    f.Texts(DuctSeries, AnchorSeries);
    f.Numbers(CalcOpt6, CalcOpt7, CalcOpt8, CalcOpt9, CalcOpt10, CalcOpt12, TextStyleMode);
    f.Lists(ColumnTopLevels, ColumnHeights);
    f.Numbers(CalcOpt11, CalcOpt13);

    // The end heights are not in the block; a later check compares the entered end heights
    // with them, so they must hold what the slopes give, not 0.
    if (ar.IsLoading()) DeriveEndHeights();
}
