// CPM001org: the pier's origin data, taken from the host's input object.
#pragma once

#include "common/dbl_array.h"
#include "geometry/dbl_point_array.h"
#include "host/live_count.h"
#include "mfc/carray.h"
#include "mfc/cobject.h"
#include "mfc/cstring.h"
#include "mfc/cstring_array.h"

#include <memory>
#include <vector>

class CArchive;
class CPM001;
class CPM001Calc_Org;
class CPM001Load;
struct PierSurroundings;

// Outline polygons that a list owns.
using OwnedOutlines = std::vector<std::unique_ptr<CDblPointArray>>;

// Every value of the pier as the user entered it, in the component's units and conventions:
// lengths in mm, elevations (zGl, zZct, ColumnTopLevels) in m, slopes as fractions, the skew
// angle a in radians; lengths across the bridge on a skewed pier (bearing spacings, stopper
// blocks) are measured along the skewed cap. Flags are 0/1; material names are catalogue labels.
// The members are read by name by the diagnosis, the design record and the calculation input.
class CPM001org : public CObject {
    DECLARE_SERIAL(CPM001org)
public:
    CPM001org();
    ~CPM001org() override;
    CPM001org(const CPM001org&) = delete;
    CPM001org& operator=(const CPM001org&) = delete;

    // Fills every input field from the input object once, on a fresh object (the lists are
    // appended to). The component gives the road (skew angle, tendon material), the project
    // (text style), its label and the foundation's origin object of the chosen kind, which must
    // already hold its data. An item of the list texts bBz and zXl that is not a number is left
    // out; the diagnosis reports it. Reports nothing. Returns 1; 0 only when input or component
    // is null, and then nothing is filled. ID is not used.
    int SetData(unsigned ID, CPM001* input, const PierSurroundings* around);

    // Writes or reads the origin data block (flat field sequence, no header). Loading replaces
    // the fields in place and derives the end heights again; a short or damaged block throws
    // the archive exception.
    void SerializeOriginData(CArchive& ar);

    // Runs every check group and the material-name checks, reporting each violation under its
    // input keys with the component ID as label. The list texts of the component's input object
    // (around's; none without it) are read again and their bad items reported first. 1 when
    // nothing was reported as an error.
    int DoDiagnose(const PierSurroundings* around, unsigned label);

    // Fills the calculation engine's origin record from the origin data; 0 when it cannot.
    int Get_Cal_OrgData(CPM001Calc_Org* record, const PierSurroundings* around);
    // Fills the calculation engine's load record from the input object's loads; 0 when a text
    // cannot be read as a number (reported under its key) or the input is missing.
    int Get_Cal_Load(CPM001Load* record, CPM001* input);

    // Column outlines in plan (used by the checks of the columns and of the foundation).
    void Get_DZ_Coordinate(CDblPointArray& outline) const;
    void Get_DZ_Coordinate_Array(OwnedOutlines& outlines) const;

    int JGType = 0;                 // 1 prestressed cap beam, 0 ordinarily reinforced
    int PierLayMode = 0;            // 1 when the road design line crosses the cap beam
    int fSeparationSymmetry = 0;
    double bAg = 0.0;               // distance of the cap's right end from the road design line, negated
    double a = 0.0;                 // skew angle, radians
    double vP = 0.0;                // offset of the cap's width centre from the pier centre line
    int BaseType = 0;               // 0 spread footing, 1 pile foundation, 2 pile cap
    int BaseLayMode = 0;            // 1 one foundation under the whole column group, 0 one per column
    double DX = 0.0, DY = 0.0;      // foundation offset
    double bAc = 0.0;               // distance of the double-slope control section from the left end
    double zGl = 0.0;               // cap-top elevation at the control section, m
    double hXbl = 0.0, bBpl = 0.0;  // left end height, left variable-height length
    double hXbr = 0.0, bBpr = 0.0;  // right end height, right variable-height length
    double bTtl = 0.0, bXbl = 0.0, hml = 0.0, htl = 0.0;
    double bTtr = 0.0, bXbr = 0.0, hmr = 0.0, htr = 0.0;
    int fSingleSlope = 0;           // 1 one cross slope over the whole cap top
    double iLb = 0.0, iRb = 0.0;    // cap-top cross slopes, left and right part
    double iLbL = 0.0, iLbR = 0.0;
    double iRbL = 0.0, iRbR = 0.0;
    int SectionType = 0;
    double B = 0.0;                 // cap section width
    double B1 = 0.0, B2 = 0.0;
    double hHgf = 0.0, hHgb = 0.0;
    double hHgl = 0.0;              // cap section height at the cantilever roots
    double V = 0.0, U = 0.0;
    double bBzl = 0.0;              // left column centre from the cap's left end
    double bBzr = 0.0;              // right column centre from the cap's right end
    DblArray bBz;                   // spacings between neighbouring columns, left to right
    double zZct = 0.0;              // elevation of the column bottoms, m
    double lCzf = 0.0;              // clear distance from the column face to the cap's side face
    int ColumnSectionType = 0;      // 1 circular, 0 rectangular columns
    double D = 0.0;                 // column diameter
    double bRec = 0.0, lRec = 0.0;  // rectangular column widths across and along the bridge
    int FilletMode = 0;             // rectangular column corners: 0 none, 1 straight, 2 arc chamfer
    double X = 0.0, Y = 0.0;        // straight chamfer across and along
    double R = 0.0;                 // arc chamfer radius
    int fXL = 0;                    // tie beams between the columns
    double bXl = 0.0, hXl = 0.0;
    DblArray zXl;                   // tie-beam positions
    int CushionNumber = 0;          // bearing rows, 1 or 2
    int fVaiKongZhi = 0;
    double zQf = 0.0, zQb = 0.0;    // bearing rows' positions along the bridge
    // Bearing spacings along the skewed cap, front and back row, one per bearing; a spacing whose
    // text is not wholly a number is NaN (the diagnosis reports it; see KnownBearingPlaces).
    DblArray bQf, bQb;
    CStringArray TypeZhif, TypeZhib;
    int BedStoneTypef = 0;          // pedestal mode of the front row: 0 none, 1, 2
    double lZzf = 0.0, lZzb = 0.0;  // pedestal widths along the bridge
    DblArray hZzf, hZzb;            // pedestal heights, one per pedestal
    double bZzf = 0.0, bZzb = 0.0;  // pedestal widths across the bridge
    int BedStoneTypeb = 0;          // pedestal mode of the back row
    int fHaveStopper = 0;
    int fVaiDang = 0;               // the right stopper blocks repeat the left ones
    double hFz = 0.0, bL1 = 0.0, bL2 = 0.0, bFzjl = 0.0, bR1 = 0.0, bR2 = 0.0, bFzjr = 0.0;
    double hFzf = 0.0, bLf1 = 0.0, bLf2 = 0.0, bFzfl = 0.0, bRf1 = 0.0, bRf2 = 0.0, bFzfr = 0.0;
    CString PierCapConGra, PierColumnConGra, BedStoneConGra, StopperConGra, TieBeamConGra;
    int fDisribute = 0, fVarjichupmt = 0, fZT = 0;
    int DesignOpt1 = 0, DesignOpt2 = 0, DesignOpt3 = 0, DesignOpt4 = 0;
    double DesignValue1 = 0.0;
    CString DesignText1;
    int DesignOpt5 = 0;
    CString DesignText2;
    int DesignOpt6 = 0;
    CString TendonMaterial;         // the road's design tendon material
    int ComponentLabel = 0;
    double gzPMScale = 0.0, stPMScale = 0.0, PrePMScale = 0.0, gzLMScale = 0.0;   // drawing scales
    int CalcOpt1 = 0, CalcOpt2 = 0, CalcOpt3 = 0, CalcOpt4 = 0, CalcOpt5 = 0;
    CString DuctSeries, AnchorSeries;
    int CalcOpt6 = 0, CalcOpt7 = 0, CalcOpt8 = 0, CalcOpt9 = 0, CalcOpt10 = 0;
    int DesignOpt7 = 0, DesignOpt8 = 0, DesignOpt9 = 0, DesignOpt10 = 0;
    double DesignValue2 = 0.0;
    int CalcOpt11 = 0, CalcOpt12 = 0;
    int TextStyleMode = 0;
    int CalcOpt13 = 0;
    DblArray ColumnTopLevels;       // each column's top elevation, m, left to right
    DblArray ColumnHeights;         // each column's height, mm

    // Outlines that the diagnosis derives from the input. The row lists and DZOutlines own their
    // polygons; DSOutlines and ZZOutlines point to the row lists' polygons (front row, then back).
    CDblPointArray GLBottomOutline;
    CArray<CDblPointArray*> DSOutlines;
    OwnedOutlines DSOutlinesF;
    OwnedOutlines DSOutlinesB;
    OwnedOutlines DZOutlines;
    CArray<CDblPointArray*> ZZOutlines;
    OwnedOutlines ZZOutlinesF;
    OwnedOutlines ZZOutlinesB;

    // Cap heights at the two ends as the slopes give them (not archived; derived again on loading).
    double HeightLeftEnd = 0.0;
    double HeightRightEnd = 0.0;

    // Cap length: bBzl + bBzr + the column spacings.
    double CapLength() const;

    // The bearings of a row whose places are known: the entries before the row's first spacing
    // that is not a number (all of them when every spacing is one). A spacing that is not a number
    // leaves its own bearing's place and every later one's unknown; the checks that use the places
    // (cap edges, stopper blocks, pedestal overlaps, outlines) leave those bearings out.
    static int KnownBearingPlaces(const DblArray& spacings);


private:
    friend class CPM001orgTestAccess;

    // Check groups, in the driver's order.
    void DoDiagnose_GLCC(int& ok, unsigned label);
    void DoDiagnose_GLDZ(int& ok, unsigned label);
    void DoDiagnose_DZCC(int& ok, unsigned label);
    void DoDiagnose_DZXLCC(const PierSurroundings* around, int& ok, unsigned label);
    void DoDiagnose_DZJC(const PierSurroundings* around, int& ok, unsigned label);
    // The bearing checks; input gives the spacing texts (see DoDiagnose_ListTexts), none without it.
    void DoDiagnose_ZZ(const CPM001* input, int& ok, unsigned label);
    void DoDiagnose_DS(const PierSurroundings* around, int& ok, unsigned label);
    void DoDiagnose_FZDK(int& ok, unsigned label);
    void Get_polygon_Coordinate_GL();

    // Report helpers of the checks (kPartPier unless a check gives another part).
    void MyReportErrorOutOfRange(unsigned label, CString below, CString above, double value, double min,
                                 double max, CString keys, int& ok, unsigned part, unsigned item);
    void MyReportErrorOutOfRange(unsigned label, CString below, CString above, int value, int min, int max,
                                 CString keys, int& ok, unsigned part, unsigned item);
    void MyQMReportError_compare_A_B(unsigned label, CString message, double a, CString relation, double b,
                                     CString keys, int& ok, unsigned part, unsigned item);
    void MyReportDiagnose(unsigned label, const CString& key, const CString& kind, const CString& message,
                          unsigned long item, int flag, unsigned part);

    // Replaces values with the numbers of a list text of the input, leaving out what is not a
    // number (SetData).
    static void ReadListText(const CString& text, CArray<double>& values);

    // The steps of SetData, in its order (each described where it is defined); later steps read
    // what earlier ones filled.
    double SetStructureAndSkew(const CPM001& in, const PierSurroundings& around);
    void SetCapPosition(const CPM001& in);
    void SetColumnSpacings(const CPM001& in);
    double SetCapLengthAndLayMode();
    void SetFoundationKind(const CPM001& in);
    double ColumnGroupWidth(const CPM001& in) const;
    void SetFoundationLayout(const CPM001& in, const PierSurroundings& around, double columnGroupWidth);
    void SetCapSection(const CPM001& in);
    void SetCrossSlopes(const CPM001& in, double L);
    void SetSectionSizesAndColumns(const CPM001& in);
    void SetTieBeams(const CPM001& in);
    // The bearing and pedestal steps drop the input's empty rows.
    void SetBearings(CPM001& in, double cosA);
    void SetPedestals(CPM001& in);
    void SetStoppers(const CPM001& in, double cosA);
    void SetMaterials(const CPM001& in);
    void SetDesignOptions(const CPM001& in, const PierSurroundings& around);
    void SetEndHeights();
    void SetCalcOptions(const CPM001& in);
    void SetTextStyle(const PierSurroundings& around);
    void SetColumnTopsAndHeights();
    void SetLastOptions(const CPM001& in);

    // The input's list texts read again: every item of bBz and (with tie beams) zXl that is not a
    // number, and a text past the expression cap, is reported under its key. Without an input
    // object nothing is checked.
    void DoDiagnose_ListTexts(const CPM001* input, int& ok, unsigned label);

    // HeightLeftEnd and HeightRightEnd from hHgl, bAc, the cap length and the first slope pair.
    void DeriveEndHeights();

    LiveCount<CPM001org> m_live;
};
