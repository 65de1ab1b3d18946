// CPM001Atom::OutPM001AtomData: the design record's named output values for the calculation report.
#include "pier/pier_design_record.h"

#include "host/prefixed_output.h"

namespace {

// Reals go out with one decimal unless said otherwise; every value carries an empty note.
constexpr int kDecimals = 1;

class Outputs {
public:
    Outputs(OutputDataMap& map, const char* prefix) : m_out(map, prefix) {}

    void Put(const char* name, int v) { m_out.Int(name, v); }
    void Put(const char* name, double v, int decimals = kDecimals) { m_out.Real(name, v, decimals); }
    void Put(const char* name, const CString& v) { m_out.Text(name, v); }
    void Put(const char* name, const DblArray& v, int decimals = kDecimals) { m_out.Reals(name, v, decimals); }
    void Put(const char* name, const CStringArray& v) { m_out.Texts(name, v); }

private:
    PrefixedOutput m_out;
};

} // namespace

// The value of each field goes out under the field's own name.
#define PM001_OUT(field) out.Put(#field, field)

void CPM001Atom::OutPM001AtomData(OutputDataMap& outputs) const
{
    Outputs out(outputs, "PM001_T0101_");

    PM001_OUT(JGType);
    PM001_OUT(PierLayMode);
    PM001_OUT(fSeparationSymmetry);
    PM001_OUT(bAg);
    PM001_OUT(a);
    PM001_OUT(vP);
    PM001_OUT(BaseType);
    PM001_OUT(BaseLayMode);
    PM001_OUT(DX);
    PM001_OUT(DY);

    PM001_OUT(bAc);
    PM001_OUT(zGl);
    PM001_OUT(hXbl);
    PM001_OUT(bBpl);
    PM001_OUT(hXbr);
    PM001_OUT(bBpr);
    PM001_OUT(bTtl);
    PM001_OUT(bXbl);
    PM001_OUT(hml);
    PM001_OUT(htl);
    PM001_OUT(bTtr);
    PM001_OUT(bXbr);
    PM001_OUT(hmr);
    PM001_OUT(htr);
    PM001_OUT(iLb);
    PM001_OUT(iRb);
    PM001_OUT(iLbL);
    PM001_OUT(iLbR);
    PM001_OUT(iRbL);
    PM001_OUT(iRbR);

    PM001_OUT(SectionType);
    PM001_OUT(B);
    PM001_OUT(B1);
    PM001_OUT(B2);
    PM001_OUT(hHgf);
    PM001_OUT(hHgb);
    PM001_OUT(hHgl);
    PM001_OUT(V);
    PM001_OUT(U);
    PM001_OUT(bBzl);
    PM001_OUT(bBzr);
    PM001_OUT(bBz);
    PM001_OUT(zZct);
    PM001_OUT(lCzf);
    PM001_OUT(ColumnSectionType);
    PM001_OUT(D);
    PM001_OUT(bRec);
    PM001_OUT(lRec);
    PM001_OUT(FilletMode);
    PM001_OUT(X);
    PM001_OUT(Y);
    PM001_OUT(R);
    PM001_OUT(fXL);
    PM001_OUT(bXl);
    PM001_OUT(hXl);
    PM001_OUT(zXl);

    PM001_OUT(CushionNumber);
    PM001_OUT(fVaiKongZhi);
    PM001_OUT(zQf);
    PM001_OUT(zQb);
    PM001_OUT(bQf);
    PM001_OUT(bQb);
    PM001_OUT(TypeZhif);
    PM001_OUT(TypeZhib);
    PM001_OUT(BedStoneTypef);
    PM001_OUT(lZzf);
    PM001_OUT(lZzb);
    PM001_OUT(hZzf);
    PM001_OUT(BedStoneTypeb);
    PM001_OUT(bZzf);
    PM001_OUT(bZzb);
    PM001_OUT(hZzb);

    PM001_OUT(fHaveStopper);
    PM001_OUT(fVaiDang);
    PM001_OUT(hFz);
    PM001_OUT(bL1);
    PM001_OUT(bL2);
    PM001_OUT(bFzjl);
    PM001_OUT(bR1);
    PM001_OUT(bR2);
    PM001_OUT(bFzjr);
    PM001_OUT(hFzf);
    PM001_OUT(bLf1);
    PM001_OUT(bLf2);
    PM001_OUT(bFzfl);
    PM001_OUT(bRf1);
    PM001_OUT(bRf2);
    PM001_OUT(bFzfr);

    PM001_OUT(PierCapConGra);
    PM001_OUT(PierColumnConGra);
    PM001_OUT(BedStoneConGra);
    PM001_OUT(StopperConGra);
    PM001_OUT(fDisribute);
    PM001_OUT(fVarjichupmt);
    PM001_OUT(fZT);

    PM001_OUT(gzPMScale);
    PM001_OUT(gzLMScale);
    PM001_OUT(stPMScale);
    PM001_OUT(PrePMScale);

    out.Put("zGai", zGai, 3);   // elevations in metres, to the millimetre
    PM001_OUT(zHzt);
    PM001_OUT(hHd);
    PM001_OUT(bBg);
    PM001_OUT(hHpl);
    PM001_OUT(hHpr);
    PM001_OUT(hHglc);
    PM001_OUT(hHgt);
    PM001_OUT(bAd);
    PM001_OUT(hXblf);
    PM001_OUT(gz_hXblb);
    PM001_OUT(hXbrf);
    PM001_OUT(hXbrb);
    PM001_OUT(lWg);
    PM001_OUT(szHD);
    PM001_OUT(lCzb);
    out.Put("iDb", iDb * 100);  // the cross slope in percent
    PM001_OUT(DL);
    PM001_OUT(bLx);
    PM001_OUT(lFzdk);

    Outputs flags(outputs, "PM001_lb_");
    flags.Put("fLianhe", fLianhe);
    flags.Put("fVarGai", fVarGai);
    flags.Put("fVarbAg", fVarbAg);
    flags.Put("fVarGaip", fVarGaip);
    flags.Put("fVarZhut", fVarZhut);
    flags.Put("fZhugao", fZhugao);
    flags.Put("fVarZhud", fVarZhud);
    flags.Put("fVarJichut", fVarJichut);
    flags.Put("fVarJichud", fVarJichud);
    flags.Put("fVarZhuangd", fVarZhuangd);
    flags.Put("fVarZhuangl", fVarZhuangl);
    flags.Put("fVarHpt", fVarHpt);
    flags.Put("fVarHft", fVarHft);
    flags.Put("fVarHct", fVarHct);
    flags.Put("fVarHzt", fVarHzt);
}

#undef PM001_OUT
