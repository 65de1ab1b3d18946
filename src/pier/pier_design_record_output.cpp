// CPM001Atom::OutPM001AtomData: the design record's named output values for the calculation report.
#include "pier/pier_design_record.h"

#include "host/prefixed_output.h"

namespace {

// Reals go out with one decimal unless said otherwise; every value carries an empty note.
constexpr int kDecimals = 1;

class Outputs {
public:
    Outputs(OutputDataMap& map, const char* prefix) : m_out(map, prefix) {}

    void Put(const char* name, const OutputKind& kind, int v) { m_out.Int(name, kind, v); }
    void Put(const char* name, const OutputKind& kind, double v, int decimals = kDecimals)
    {
        m_out.Real(name, kind, v, decimals);
    }
    void Put(const char* name, const OutputKind& kind, const DblArray& v, int decimals = kDecimals)
    {
        m_out.Reals(name, kind, v, decimals);
    }
    void Put(const char* name, const CString& v) { m_out.Text(name, v); }
    void Put(const char* name, const CStringArray& v) { m_out.Texts(name, v); }

private:
    PrefixedOutput m_out;
};

} // namespace

// The value of each field goes out under the field's own name; a number with its kind.
#define PM001_OUT(field, kind) out.Put(#field, OutputKinds::kind, field)
#define PM001_TEXT(field) out.Put(#field, field)

void CPM001Atom::OutPM001AtomData(OutputDataMap& outputs) const
{
    Outputs out(outputs, "PM001_T0101_");

    PM001_OUT(JGType, Code);
    PM001_OUT(PierLayMode, Code);
    PM001_OUT(fSeparationSymmetry, Code);
    PM001_OUT(bAg, Offset);
    PM001_OUT(a, Angle);
    PM001_OUT(vP, Offset);
    PM001_OUT(BaseType, Code);
    PM001_OUT(BaseLayMode, Code);
    PM001_OUT(DX, Offset);
    PM001_OUT(DY, Offset);

    PM001_OUT(bAc, Station);
    PM001_OUT(zGl, Elevation);
    PM001_OUT(hXbl, Length);
    PM001_OUT(bBpl, Length);
    PM001_OUT(hXbr, Length);
    PM001_OUT(bBpr, Length);
    PM001_OUT(bTtl, Length);
    PM001_OUT(bXbl, Length);
    PM001_OUT(hml, Length);
    PM001_OUT(htl, Length);
    PM001_OUT(bTtr, Length);
    PM001_OUT(bXbr, Length);
    PM001_OUT(hmr, Length);
    PM001_OUT(htr, Length);
    PM001_OUT(iLb, CrossSlope);
    PM001_OUT(iRb, CrossSlope);
    PM001_OUT(iLbL, CrossSlope);
    PM001_OUT(iLbR, CrossSlope);
    PM001_OUT(iRbL, CrossSlope);
    PM001_OUT(iRbR, CrossSlope);

    PM001_OUT(SectionType, Code);
    PM001_OUT(B, Length);
    PM001_OUT(B1, Length);
    PM001_OUT(B2, Length);
    PM001_OUT(hHgf, Length);
    PM001_OUT(hHgb, Length);
    PM001_OUT(hHgl, Length);
    PM001_OUT(V, Length);
    PM001_OUT(U, Length);
    PM001_OUT(bBzl, Length);
    PM001_OUT(bBzr, Length);
    PM001_OUT(bBz, Length);
    PM001_OUT(zZct, Elevation);
    PM001_OUT(lCzf, Length);
    PM001_OUT(ColumnSectionType, Code);
    PM001_OUT(D, Length);
    PM001_OUT(bRec, Length);
    PM001_OUT(lRec, Length);
    PM001_OUT(FilletMode, Code);
    PM001_OUT(X, Length);
    PM001_OUT(Y, Length);
    PM001_OUT(R, Length);
    PM001_OUT(fXL, Code);
    PM001_OUT(bXl, Length);
    PM001_OUT(hXl, Length);
    PM001_OUT(zXl, Elevation);

    PM001_OUT(CushionNumber, Count);
    PM001_OUT(fVaiKongZhi, Code);
    PM001_OUT(zQf, Offset);
    PM001_OUT(zQb, Offset);
    PM001_OUT(bQf, Length);
    PM001_OUT(bQb, Length);
    PM001_TEXT(TypeZhif);
    PM001_TEXT(TypeZhib);
    PM001_OUT(BedStoneTypef, Code);
    PM001_OUT(lZzf, Length);
    PM001_OUT(lZzb, Length);
    PM001_OUT(hZzf, Length);
    PM001_OUT(BedStoneTypeb, Code);
    PM001_OUT(bZzf, Length);
    PM001_OUT(bZzb, Length);
    PM001_OUT(hZzb, Length);

    PM001_OUT(fHaveStopper, Code);
    PM001_OUT(fVaiDang, Code);
    PM001_OUT(hFz, Length);
    PM001_OUT(bL1, Length);
    PM001_OUT(bL2, Length);
    PM001_OUT(bFzjl, Length);
    PM001_OUT(bR1, Length);
    PM001_OUT(bR2, Length);
    PM001_OUT(bFzjr, Length);
    PM001_OUT(hFzf, Length);
    PM001_OUT(bLf1, Length);
    PM001_OUT(bLf2, Length);
    PM001_OUT(bFzfl, Length);
    PM001_OUT(bRf1, Length);
    PM001_OUT(bRf2, Length);
    PM001_OUT(bFzfr, Length);

    PM001_TEXT(PierCapConGra);
    PM001_TEXT(PierColumnConGra);
    PM001_TEXT(BedStoneConGra);
    PM001_TEXT(StopperConGra);
    PM001_OUT(fDisribute, Code);
    PM001_OUT(fVarjichupmt, Code);
    PM001_OUT(fZT, Code);

    PM001_OUT(gzPMScale, Amount);
    PM001_OUT(gzLMScale, Amount);
    PM001_OUT(stPMScale, Amount);
    PM001_OUT(PrePMScale, Amount);

    out.Put("zGai", OutputKinds::Elevation, zGai, 3);   // elevations in metres, to the millimetre
    PM001_OUT(zHzt, Elevation);
    PM001_OUT(hHd, Length);
    PM001_OUT(bBg, Length);
    PM001_OUT(hHpl, Length);
    PM001_OUT(hHpr, Length);
    PM001_OUT(hHglc, Length);
    PM001_OUT(hHgt, Length);
    PM001_OUT(bAd, Offset);
    PM001_OUT(hXblf, Length);
    PM001_OUT(gz_hXblb, Length);
    PM001_OUT(hXbrf, Length);
    PM001_OUT(hXbrb, Length);
    PM001_OUT(lWg, Length);
    PM001_TEXT(szHD);
    PM001_OUT(lCzb, Length);
    out.Put("iDb", OutputKinds::CrossSlope, iDb * 100);  // the cross slope in percent
    PM001_OUT(DL, Length);
    PM001_OUT(bLx, Length);
    PM001_OUT(lFzdk, Length);

    Outputs flags(outputs, "PM001_lb_");
    flags.Put("fLianhe", OutputKinds::Code, fLianhe);
    flags.Put("fVarGai", OutputKinds::Code, fVarGai);
    flags.Put("fVarbAg", OutputKinds::Code, fVarbAg);
    flags.Put("fVarGaip", OutputKinds::Code, fVarGaip);
    flags.Put("fVarZhut", OutputKinds::Code, fVarZhut);
    flags.Put("fZhugao", OutputKinds::Code, fZhugao);
    flags.Put("fVarZhud", OutputKinds::Code, fVarZhud);
    flags.Put("fVarJichut", OutputKinds::Code, fVarJichut);
    flags.Put("fVarJichud", OutputKinds::Code, fVarJichud);
    flags.Put("fVarZhuangd", OutputKinds::Code, fVarZhuangd);
    flags.Put("fVarZhuangl", OutputKinds::Code, fVarZhuangl);
    flags.Put("fVarHpt", OutputKinds::Code, fVarHpt);
    flags.Put("fVarHft", OutputKinds::Code, fVarHft);
    flags.Put("fVarHct", OutputKinds::Code, fVarHct);
    flags.Put("fVarHzt", OutputKinds::Code, fVarHzt);
}

#undef PM001_OUT
#undef PM001_TEXT
