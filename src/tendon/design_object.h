// CPM001T010401Atom: the design object of a prestressed cap beam's tendons, and its records.
#pragma once

#include "host/output_data.h"

#include "calc/pm001_cap_key_param.h"
#include "common/dbl_array.h"
#include "common/int_array.h"
#include "host/live_count.h"
#include "mfc/carchive.h"
#include "mfc/carray.h"
#include "mfc/cstring.h"
#include "mfc/cstring_array.h"
#include "tendon/name_count.h"
#include "tendon/plan_group.h"
#include "tendon/profile_segments.h"
#include "tendon/section_view.h"
#include "tendon/steel.h"
#include "tendon/unused_records.h"

#include <memory>
#include <string>
#include <vector>

class GZ_PM001Atom;

// Owned and driven by the cap beam's reinforcement object: set up from the cap-beam parameters,
// designed from the key parameters' tendon definitions, stored in and loaded from the design
// archive. Stations x run along the beam from its left end; heights z up from its bottom face.
//
// Ownership: the object owns every record its lists hold and releases each exactly once, however
// it came to be. The section list HD is a list of views: after a design it points to the
// object's own working sections SectionHD, after a load to the records the load created, which
// the object keeps and releases itself. fFromFile is set by the owner just before it deletes the
// object and is only answered by IsFromFile; no release depends on it.
class CPM001T010401Atom {
public:
    using M_SteelMat = pm001_tendon::M_SteelMat;
    using M_LNode = pm001_tendon::M_LNode;
    using M_Steel = pm001_tendon::M_Steel;
    using M_ZLName = pm001_tendon::M_ZLName;
    using M_HD = pm001_tendon::M_HD;
    using M_Roverlap = pm001_tendon::M_Roverlap;
    using M_QH = pm001_tendon::M_QH;
    using M_SteelFD = pm001_tendon::M_SteelFD;
    using M_ST = pm001_tendon::M_ST;
    using M_MZ = pm001_tendon::M_MZ;
    using M_MZRs = pm001_tendon::M_MZRs;
    using M_MJ = pm001_tendon::M_MJ;
    using M_LHC = pm001_tendon::M_LHC;

    CPM001T010401Atom();
    ~CPM001T010401Atom();
    // HD may point into the object itself, so it is neither copied nor moved.
    CPM001T010401Atom(const CPM001T010401Atom&) = delete;
    CPM001T010401Atom& operator=(const CPM001T010401Atom&) = delete;

    // 1 once the owner has marked the object as loaded from the archive, else 0.
    int IsFromFile() const { return fFromFile; }

    // Takes the tendon-relevant values of the cap-beam parameter record; always 1.
    int SetData(GZ_PM001Atom* gz);
    // Runs the five design steps in order and stops at the first that fails: 1 done, 0 failed.
    int DoDesign(CPM001_CapKeyParam* kp);
    // Stores the tendon block, or loads it into this object (what the lists held is released
    // first). A short or damaged archive throws the archive exception; the records loaded up to
    // then stay owned by the object.
    void SerializeDesignData(CArchive& ar);

    // Reports each control point of the tendon definitions that does not fit this object's beam,
    // with the least bend radius of its strand material, named from root (tendon/node_fit.h);
    // returns the number of lines reported. The design judges the set it lays; a load judges the
    // sets a stored design was made with against the stored beam.
    int ReportNodesNotFitting(const CArray<struct CPM001_CapKeyParam::SteelAr>& definitions,
                              const std::string& root = {}) const;

    // Enters the tendons' named output values ("PM001_T0104_…") in the map.
    void OutPM00104AtomData(OutputDataMap& outputs);

    // Cap-beam geometry and drawing options copied at set-up, and the design results.
    double ib = 0.0;
    IntArray enSection;          // numbers of the section views (1, 2, 3) in listed order
    int FVHP = 0;                // 1 when the two top cross slopes make one straight slope
    double fm = 0.0;             // left beam end to the leftmost tendon start
    double fmr = 0.0;            // rightmost tendon end to the right beam end
    int fJGDC = 0;               // 1 when the cap beam is symmetric about its middle
    double a = 0.0;              // skew angle of the pier
    double bBg = 0.0;            // length of the cap beam
    double bAc = 0.0;            // station of the crown
    double iLb = 0.0;            // cross slope of the top left of the crown
    double iRb = 0.0;            // cross slope of the top right of the crown
    double bBpl = 0.0;           // length of the left cantilever's variable-height part
    double bBpr = 0.0;           // length of the right cantilever's variable-height part
    double hXbl = 0.0;           // height of the left beam end
    double hXbr = 0.0;           // height of the right beam end
    double bBzl = 0.0;           // left beam end to the first column
    double bBzr = 0.0;           // last column to the right beam end
    DblArray bBz;                // distances between neighbouring columns, left to right
    double hHpl = 0.0;           // rise of the bottom face at the left beam end
    double hHpr = 0.0;           // rise of the bottom face at the right beam end
    double lCzf = 0.0;
    double lCzb = 0.0;
    double B = 0.0;              // width of the cap-beam section
    double hHgl = 0.0;           // section height of the cap beam
    double V = 0.0;
    int ColumnSectionType = 0;
    int FilletMode = 0;
    double X = 0.0;
    double Y = 0.0;
    double R = 0.0;
    double D = 0.0;              // diameter of a circular column
    double bRec = 0.0;           // width of a rectangular column
    double lRec = 0.0;           // length of a rectangular column
    double dAc = 0.0;            // station of the middle cut of the section views
    int FVLH = 0;                // when non-zero the quantity table multiplies in nLH cap beams
    int nLH = 0;
    int FVPM = 0;                // 0 for a square pier, else 1
    int FVcurve = 0;
    int FVCkplace = 0;
    int FVys = 0;
    int FVszb = 0;
    double js = 0.0;             // sampling step along the beam
    CString PSF;                 // tendon-name prefix
    int FVleader = 0;
    CString cU;
    IntArray AnchorsFlag;        // kinds of tendon ends and anchorages that occur
    int fSymLayout = 0;          // 1 when the tendon layout is treated as symmetric about the middle
    std::vector<std::unique_ptr<M_Steel>> Steel;   // the tendons, in definition order
    CArray<M_ZLName> ZLNameAr;   // name-and-count pairs for the elevation
    DblArray fmxl;               // gaps of the chain of the left tendon ends
    DblArray fmxr;               // gaps of the chain of the right tendon ends
    std::vector<M_HD*> HD;       // the section views (see Ownership above)
    DblArray Ps;                 // gaps of the transverse chain of the plan
    DblArray Pgdsl;              // gaps of the tendon ends from the left beam end
    DblArray Pgdsr;              // gaps of the tendon ends towards the right beam end
    std::vector<std::unique_ptr<M_QH>> QH;         // the plan groups, in order of station
    CStringArray ZVer_plotR;     // one quantity-table text per group of alike tendons
    CString szMEM;               // quantity-table title
    int mul = 0;                 // number of cap beams multiplied in
    int SMM = 0;                 // 2 for a bridge split into two symmetric halves, else 1
    int mul_SMM = 0;
    CString szpar;
    CString szint;
    DblArray B_Bnd;              // distinct inner diameters of circular ducts
    CStringArray B_Bnh_Bnw;      // distinct sizes of flat ducts
    CStringArray M_Alias;        // distinct anchorage labels
    int SBtype = 0;              // bars counted along the tendons: type code
    double SBd = 0.0;            // their diameter
    double Ldis = 0.0;           // their spacing on the pieces at even positions
    double Cdis = 0.0;           // their spacing on the pieces at odd positions
    int SBL = 0;                 // their total number
    double SBgame = 0.0;         // weight per unit length of one bar
    double SBgama = 0.0;
    double SBmass = 0.0;         // SBL × SBgama
    double PY = 0.0;
    double er = 0.0;
    CArray<M_ST> ST;             // never filled
    CArray<M_MZ> MZ;             // never filled
    CArray<M_MZRs> MZRs;         // never filled
    CArray<M_MJ> MJ;             // never filled
    std::vector<std::unique_ptr<M_LHC>> LHC;       // never filled
    CString strTendonIndex;      // catalogue index name of the tendon material

    // Set-up values the design reads; not archived.
    int PierLayMode = 0;
    int fSeparationSymmetry = 0;
    double bAg = 0.0;            // signed offset of the cap beam
    DblArray SectionAux[3];      // vertical chain of each of the three cuts
    M_HD SectionHD[3];           // working sections of the left, middle and right cut
    int nPierLabel = 0;
    std::vector<std::unique_ptr<M_SteelFD>> SteelFD;   // profile pieces, one per tendon
    int fFromFile = 0;           // set by the owner: 1 when the object was loaded from the archive

    // friend access for the tests of the design steps
    friend class CPM001T010401AtomTestAccess;

private:
    // Set-up from the cap-beam parameters.
    int SetGZData(GZ_PM001Atom* gz);
    int SetDrawData(GZ_PM001Atom* gz);
    // Level of the cap's top face at station x.
    double GetFame_XZ(double x) const;
    // Station cut: the height and label of a tendon at station x (1 when it crosses there), and
    // the section record of the cut at x.
    int GetXPtPr(M_Steel* steel, M_SteelFD* pieces, double x, double& y, CString& label);
    int GetXHD(double x, M_HD& section, DblArray& flags1, DblArray& flags2, DblArray& chain);

    int SetSteelData(CPM001_CapKeyParam* kp);
    int SetLMSteelData(CPM001_CapKeyParam* kp);
    int SetCMSteelData();
    int SetPMSteelData();
    int SetTZSteelData(CPM001_CapKeyParam* kp);

    // The section views a load created; HD points to them.
    std::vector<std::unique_ptr<M_HD>> m_loadedHD;
    LiveCount<CPM001T010401Atom> m_live;
};
