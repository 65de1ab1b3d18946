// CPM001Atom: the pier's design record — origin values copied for the design plus the geometry derived from them.
#pragma once

#include "common/dbl_array.h"
#include "host/live_count.h"
#include "host/output_data.h"
#include "mfc/cobject.h"
#include "mfc/cstring.h"
#include "mfc/cstring_array.h"

class CArchive;
class CPM001org;

// Lengths in millimetres, elevations (zGl, zZct, zGai, zHzt) in metres, slopes as fractions, the skew
// angle a in radians. Filled once by SetData on a fresh record, or read back from the design archive;
// afterwards it is only read. It owns no pointers.
class CPM001Atom : public CObject {
    DECLARE_SERIAL(CPM001Atom)
public:
    CPM001Atom();
    ~CPM001Atom() override;

    // The design archive goes through SerializeDesignData; the object archive writes nothing.
    void Serialize(CArchive& ar) override;
    void AssertValid() const override {}
    void Dump() const override {}
    virtual int RetrieveData();
    virtual int Design();
    virtual int Initialize();

    // Fills the record from the pier's origin data; returns 1. Expects a freshly constructed record
    // (the column lists are appended to). A missing origin object fills nothing and returns 0.
    int SetData(const CPM001org* org);

    // 1 when all column spacings are equal (an empty or one-value list counts as equal), else 0.
    int GetZZDC() const;
    // 1 when the pier is symmetric about the middle of the cap beam, else 0.
    int GetfHGDC() const;

    // Writes the record into the design archive, or reads it back, field by field in a fixed order.
    // A short or damaged archive throws the archive exception with the record partly read.
    void SerializeDesignData(CArchive& ar);

    // Enters the record's values into the output map under "PM001_T0101_…" and "PM001_lb_…".
    void OutPM001AtomData(OutputDataMap& outputs) const;

    // Drawing data
    // Fills the pier's own part of the alignment record: cap and foundation dimensions, the
    // foundation kind and the stopper and pedestal view flags. around supplies the foundation's
    // origin and design objects; varJichu is the drawing settings' foundation-plan option, keyA and
    // keyB the two keys of the stopper-and-pedestal design (0 and 0 without one). Returns 1; 0 only
    // for a missing alignment record.
    int SetDrawData_PT(class CAlignDataPM001* align, const struct PierSurroundings* around, int varJichu,
                       int keyA, int keyB) const;

    // General pier data.
    int JGType = 0;                  // 1 = prestressed cap beam
    int PierLayMode = 0;
    int fSeparationSymmetry = 0;
    double bAg = 0.0;
    double a = 0.0;                  // pier skew angle, radians
    double vP = 0.0;                 // the origin value with the opposite sign
    int BaseType = 0;                // 0 spread footing, 1 pile foundation, 2 pile cap
    int BaseLayMode = 0;
    double DX = 0.0;
    double DY = 0.0;

    // Cap beam.
    double bAc = 0.0;
    double zGl = 0.0;
    double hXbl = 0.0;
    double bBpl = 0.0;
    double hXbr = 0.0;
    double bBpr = 0.0;
    double bTtl = 0.0;
    double bXbl = 0.0;
    double hml = 0.0;
    double htl = 0.0;
    double bTtr = 0.0;
    double bXbr = 0.0;
    double hmr = 0.0;
    double htr = 0.0;
    double iLb = 0.0;
    double iRb = 0.0;
    double iLbL = 0.0;
    double iLbR = 0.0;
    double iRbL = 0.0;
    double iRbR = 0.0;

    // Cap section, columns and tie beams.
    int SectionType = 0;
    double B = 0.0;
    double B1 = 0.0;
    double B2 = 0.0;
    double hHgf = 0.0;
    double hHgb = 0.0;
    double hHgl = 0.0;
    double V = 0.0;
    double U = 0.0;
    double bBzl = 0.0;
    double bBzr = 0.0;
    DblArray bBz;                    // column spacings; one column more than spacings
    double zZct = 0.0;
    double lCzf = 0.0;
    int ColumnSectionType = 0;       // non-zero circular, 0 rectangular
    double D = 0.0;                  // diameter, or the across width of rectangular columns
    double bRec = 0.0;
    double lRec = 0.0;
    int FilletMode = 0;
    double X = 0.0;
    double Y = 0.0;
    double R = 0.0;
    int fXL = 0;
    double bXl = 0.0;
    double hXl = 0.0;
    DblArray zXl;

    // Bearings and pedestals.
    int CushionNumber = 0;
    int fVaiKongZhi = 0;
    double zQf = 0.0;
    double zQb = 0.0;                // the origin value with the opposite sign
    DblArray bQf;
    DblArray bQb;
    CStringArray TypeZhif;
    CStringArray TypeZhib;
    int BedStoneTypef = 0;
    double lZzf = 0.0;
    double lZzb = 0.0;
    DblArray hZzf;
    int BedStoneTypeb = 0;
    double bZzf = 0.0;
    double bZzb = 0.0;
    DblArray hZzb;

    // Stopper blocks.
    int fHaveStopper = 0;
    int fVaiDang = 0;
    double hFz = 0.0;
    double bL1 = 0.0;
    double bL2 = 0.0;
    double bFzjl = 0.0;
    double bR1 = 0.0;
    double bR2 = 0.0;
    double bFzjr = 0.0;
    double hFzf = 0.0;
    double bLf1 = 0.0;
    double bLf2 = 0.0;
    double bFzfl = 0.0;
    double bRf1 = 0.0;
    double bRf2 = 0.0;
    double bFzfr = 0.0;

    // Design options.
    int DesignOpt7 = 0;
    int DesignOpt8 = 0;
    int DesignOpt9 = 0;
    int DesignOpt10 = 0;
    double DesignValue2 = 0.0;

    // Materials, options and drawing scales.
    CString PierCapConGra;
    CString PierColumnConGra;
    CString BedStoneConGra;
    CString StopperConGra;
    CString TieBeamConGra;
    int fDisribute = 0;
    int fVarjichupmt = 0;
    int fZT = 0;
    CString TendonMaterial;
    int ComponentLabel = 0;
    int DesignOpt6 = 0;
    double gzPMScale = 0.0;
    double stPMScale = 0.0;
    double PrePMScale = 0.0;
    double gzLMScale = 0.0;

    // Derived geometry.
    DblArray zGai;                   // cap-top elevations at the characteristic points (3 or 9)
    DblArray zHzt;                   // top elevation of each column
    DblArray hHd;                    // height of each column
    double bBg = 0.0;                // cap-beam length
    double hHpl = 0.0;
    double hHpr = 0.0;
    double hHglc = 0.0;
    double hHgt = 0.0;
    double bAd = 0.0;
    double hXblf = 0.0;
    double gz_hXblb = 0.0;
    double hXbrf = 0.0;
    double hXbrb = 0.0;
    double lWg = 0.0;                // overall cap width across the cap axis
    CString szHD;                    // first column height in centimetres, one decimal
    double lCzb = 0.0;
    double iDb = 0.0;
    double DL = 0.0;                 // column size along the cap's width
    DblArray bLx;                    // clear distance between neighbouring columns
    double lFzdk = 0.0;              // stopper-block length

    // Further design options.
    int DesignOpt1 = 0;
    int DesignOpt2 = 0;
    int DesignOpt3 = 0;
    int DesignOpt4 = 0;
    double DesignValue1 = 0.0;
    CString DesignText1;
    int DesignOpt5 = 0;
    CString DesignText2;

    // Report flags: carried by the archive and the output values; no design step sets them.
    int fLianhe = 0;
    int fVarGai = 0;
    int fVarbAg = 0;
    int fVarGaip = 0;
    int fVarZhut = 0;
    int fZhugao = 0;
    int fVarZhud = 0;
    int fVarJichut = 0;
    int fVarJichud = 0;
    int fVarZhuangd = 0;
    int fVarZhuangl = 0;
    int fVarHpt = 0;
    int fVarHft = 0;
    int fVarHct = 0;
    int fVarHzt = 0;

    int TextStyleMode = 0;
    int fSameBedStoneRows = 0;       // 1 when both pedestal rows are alike

private:
    int RetrieveData_gz();
    int RetrieveData_found();

    int SetZTXXData(const CPM001org* org);
    int SetGLData(const CPM001org* org);
    int SetDZXLData(const CPM001org* org);
    int SetZZDSData(const CPM001org* org);
    int SetFZDKData(const CPM001org* org);
    int SetQTData(const CPM001org* org);
    int SetPM001Data(const CPM001org* org);
    int SetCTLBData(const CPM001org* org);

    // True when the cap top is one plane: the right slope is the left one mirrored.
    bool TopInOnePlane() const;

    LiveCount<CPM001Atom> m_live;
};
