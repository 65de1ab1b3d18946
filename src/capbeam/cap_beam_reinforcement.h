// CPM001T0101Atom: the design object of the cap beam's reinforcement, its geometry queries and its archive.
#pragma once

#include "calc/pm001_cap_key_param.h"
#include "capbeam/records/reinforcement_records.h"
#include "common/dbl_array.h"
#include "common/int_array.h"
#include "geometry/dbl_point_array.h"
#include "host/live_count.h"
#include "mfc/carray.h"
#include "mfc/cstring.h"
#include "mfc/cstring_array.h"

#include <memory>

#include "host/output_data.h"

class CArchive;
class CPM001T010401Atom;
class GZ_PM001Atom;

// The whole result of one cap-beam reinforcement design: the geometry and materials it was set up
// from, the welded skeleton frames with every bar family, the stirrups, the side-face bars "sh",
// the end-face bars "sd" and, for a prestressed cap beam (JGType non-zero), the tendon object.
// Lengths in the input's length unit (mm), angles in radians, flags 0 = no.
//
// Ownership. A design-built object keeps its frames by value in FrameStore and its frame-table
// rows in FrameTable; st's frame lists and every frame's pointer lists only refer to them and to
// the records the bar families enter in the pools (the *Pool members, which own what they hold).
// An object loaded from the design archive owns its frames and rows through st's lists. Either way
// every record is released exactly once, when the object goes. The tendon object is owned here,
// st.pTendonAtom only points to it; just before it is released it is given this object's
// from-file flag.
class CPM001T0101Atom {
public:
    using M_XZR = CapBeamRecords::M_XZR;
    using singAr = CapBeamRecords::singAr;
    using FrameAr = CapBeamRecords::FrameAr;
    using tFrameAr = CapBeamRecords::tFrameAr;
    using tRn = CapBeamRecords::tRn;
    using M_DCZDJBH = CapBeamRecords::M_DCZDJBH;
    using M_DXZDJBH = CapBeamRecords::M_DXZDJBH;
    using M_WQJ = CapBeamRecords::M_WQJ;
    using M_ArcWQJ = CapBeamRecords::M_ArcWQJ;
    using M_WQJ_R = CapBeamRecords::M_WQJ_R;
    using M_ArcWQJ_R = CapBeamRecords::M_ArcWQJ_R;
    using M_BZXJ = CapBeamRecords::M_BZXJ;
    using M_BJXZ = CapBeamRecords::M_BJXZ;
    using M_BZXJR = CapBeamRecords::M_BZXJR;
    using M_XH = CapBeamRecords::M_XH;
    using StDataSet = CapBeamRecords::StDataSet;
    using M_sg1 = CapBeamRecords::M_sg1;
    using M_sg2 = CapBeamRecords::M_sg2;
    using M_sg3 = CapBeamRecords::M_sg3;
    using SgDataSet = CapBeamRecords::SgDataSet;
    using ShDataSet = CapBeamRecords::ShDataSet;
    using SdDataSet = CapBeamRecords::SdDataSet;
    template <class T>
    using RecordPtrArray = CapBeamRecords::RecordPtrArray<T>;

    // A top cut-off bar of one frame over one support line before it gets its mark and centre line.
    struct M_DCZDJ {
        double L1 = 0.0;     // length to the left of the support line
        double L2 = 0.0;     // length to the right of the support line
        int nSupport = 0;    // support line index
        int nFrameRec = 0;   // index of the key frame record the piece comes from
        double dRef1 = 0.0;  // left length taken from the reference list
        double dRef2 = 0.0;  // right length taken from the reference list
    };

    // A bottom cut-off piece of one frame in one span, before it becomes a bar.
    struct M_DXZDJ {
        double dA = 0.0;     // length to the left of the span's middle
        double dB = 0.0;     // length to the right of the span's middle
        int nA = 0;          // left support line of the span
        int nB = 0;          // right support line of the span
        int nFrame = 0;      // frame index
    };

    CPM001T0101Atom();
    ~CPM001T0101Atom();
    CPM001T0101Atom(const CPM001T0101Atom&) = delete;
    CPM001T0101Atom& operator=(const CPM001T0101Atom&) = delete;

    // 1 when the design was read from the design archive, 0 when it was built here.
    int IsFromFile() const { return fFromFile; }

    // Stores the design, or loads one. Loading reads into a fresh object and takes its content only
    // when the whole section was read; a short or damaged archive throws the archive exception and
    // leaves this object as it was. A loaded object is a finished design, marked as from file.
    void SerializeDesignData(CArchive& ar);

    // Designs the cap beam's reinforcement from the pier's parameters and the key parameters:
    // parameter intake, key-parameter intake, skeletons, stirrups, side-face bars, end-face bars,
    // stopping at the first step that fails. 1 done, 0 failed (the failing step has reported).
    int SetData(GZ_PM001Atom* gz, CPM001_CapKeyParam* kp);

    // Enters the cap beam's named output values (and the tendons', when prestressed) in the map.
    void OutPM001AtomData(OutputDataMap& outputs);

    // For the outside callers of a frame group's differing dimensions: the cantilever, arc, gap
    // and cut-off lists of group i where its frames differ; 0 when a frame has no bend point.
    int GetTLXGJCC_Arc(int i, DblArray& cantList, DblArray& arcList, DblArray& gapList, DblArray& cutList);

    // Drawing data
    // Adjusts the cap-beam drawing settings to the design: half drawing only for a symmetric
    // layout, section notes only when the sections are not noted in a form. Returns 1; 0 for a
    // missing record.
    int SetDrawSetData(struct CDrawSetCap* set) const;
    // Fills a freshly constructed cap-beam alignment record from the design (and its tendons when
    // the cap beam is prestressed); fSymDraw and fCapDrawOpt are the adjusted drawing settings.
    // Returns 1; 0 for a missing record.
    int SetDrawData_PT(struct CAlignDataCap* cap, int fSymDraw, int fCapDrawOpt) const;

    // How the skeleton frames are laid out, chosen by the skeleton's lay mode (st.fLayMode).
    enum class SkeletonLayout {
        AlongSkew,  // lay mode 0: every frame follows the skew, its support lines and ends moved by
                    // tan(a) x its offset, and the key frame records are spread one to a frame
        Across,     // any other lay mode: the frames stand across the beam and ignore the skew
    };
    static SkeletonLayout ChooseSkeletonLayout(int layMode);
    // The layout of this object's skeleton.
    SkeletonLayout GetSkeletonLayout() const { return ChooseSkeletonLayout(st.fLayMode); }

    // Cantilever length of the left (side non-zero) or right (side 0) end at transverse offset y.
    // With mode 0 the cantilever is taken at the bearing line: shifted back by the skew over vP
    // (PMorPT non-zero) or over the column-based offset (PMorPT 0). A skeleton laid out across
    // the beam ignores the skew.
    double GetXBCD(int side, double y, int mode) const;
    // Cantilever length at transverse offset x by the stirrup lay mode.
    double GetXBCD1(int side, double x) const;
    // Transverse position of skeleton frame i; 0.0 for an index that names no frame.
    double GetFame_Y(int i) const;
    // Station of column line i at the offset of frame j.
    double GetFame_ZDX(int i, int j) const;
    // Station of column line i at transverse offset y.
    double GetFame_ZDX1(int i, double y) const;
    // Level of the top bars' axis at station x: the top of the beam less the skeleton's top cover.
    double GetFame_XZ(double x) const;

    // 1. Cap-beam geometry and materials.
    int PMorPT = 0;              // which skew correction of the cantilevers applies
    double hXbl = 0.0;           // height of the left cantilever end face
    double hXbr = 0.0;           // height of the right cantilever end face
    double a = 0.0;              // skew angle
    double lWg = 0.0;            // cap-beam width
    double bBg = 0.0;            // cap-beam length
    double vP = 0.0;             // width over which the skew shifts the cantilever ends
    double iLb = 0.0;            // top cross slope left of the crown
    double iRb = 0.0;            // top cross slope right of the crown
    double hHpl = 0.0;           // rise of the underside at the left end
    double hHpr = 0.0;           // rise of the underside at the right end
    double bBpr = 0.0;           // horizontal length of the right variable-height part
    double bBpl = 0.0;           // horizontal length of the left variable-height part
    DblArray bBz;                // spacings between adjacent columns, left to right
    double bBzl = 0.0;           // left cantilever: beam end to the first column line
    double bBzr = 0.0;           // right cantilever: last column line to the beam end
    double bAc = 0.0;            // station of the crown
    double hHgl = 0.0;           // cap-beam height at the crown
    double lCzf = 0.0;
    double lCzb = 0.0;
    double B = 0.0;              // length term of the column-based skew correction
    double V = 0.0;
    int SectionType = 0;         // cap-beam section kind
    int ColumnSectionType = 0;   // non-zero: circular columns (D); 0: rectangular (bRec x lRec)
    double bRec = 0.0;
    double lRec = 0.0;
    double D = 0.0;
    double R = 0.0;              // column chamfer values R, X, Y
    double X = 0.0;
    double Y = 0.0;
    int JGType = 0;              // non-zero: prestressed cap beam with a tendon object
    int ConLabel = 0;            // concrete grade number (40 for C40)
    CString PierCapConGra;       // concrete grade text
    int fZT = 0;
    int TextStyleMode = 0;       // numbering style of generated frame names
    int fSkewFrames = 1;         // 1: the frames' end stations follow the skew
    int fEndSupportsApart = 0;   // 1: the end support lines stay apart when secondary cut-off bars are grouped
    double dGZ1 = 0.0;
    double dGZ2 = 0.0;
    double dGZ3 = 0.0;           // offset term of the column-based skew correction
    double dGZ4 = 0.0;
    int nGZ1 = 0;
    int fHaveBedStonef = 0;
    int nPier = 0;               // number of column lines

    // 2. Design summary values.
    DblArray HDM;                // beam heights at the stations (support, mid-span, support, ...)
    IntArray enSection;          // section kind at each station
    int fBearAndMidSpan = 0;
    IntArray fDM;                // 1 at the first station of each section kind
    double Vcon = 0.0;           // concrete volume, m3
    int fCrossContour = 0;       // 1 when the two top slopes make one straight slope
    int fSymmetry = 0;           // the layout is mirror-symmetric about the beam's middle
    int enPSection = 0;          // column section class: 1 circular, 2 or 3 rectangular kinds
    int fDistribute = 0;         // the "sd" bars are laid
    int fPosSdAndSt = 0;
    int fPosShAndSg = 0;
    int fVartc = 0;
    double aPl = 0.0;            // underside slope angle of the left variable-height part
    double aPr = 0.0;            // of the right one
    int fTuncateRibLM = 0;
    int fNoteFormDM = 0;
    int fNoteFormSK = 0;
    double FramePaneWidth = 0.0;

    // 3. Bar lists of the skeleton.
    RecordPtrArray<CArray<singAr*>> BarListPool;   // owns every bar list made for ordering and sections
    CArray<CArray<singAr*>> StationBars;           // bars cut at each station (refer to BarPool)

    // 4. The skeleton data set; its tendon pointer refers to the tendon object owned here.
    StDataSet st;

    // 5. Stirrup groups, sorted by their first frame.
    CArray<M_XH> XH;

    // 6. Stirrups and the two further bar sets.
    SgDataSet sg;
    ShDataSet sh;
    SdDataSet sd;

    // 7. Working values of the skeleton design (not archived unless said).
    int fSymmetric = 0;          // the beam's shape is symmetric about its middle
    int nMark = 0;               // running bar-mark counter shared by the bar families and "sd"
    double dMainBarWd = 0.0;     // outer diameter of the main bar, the inset of an inner layer
    double dWeldLen = 0.0;       // length of the short welded end legs
    CArray<singAr*> BarList;     // refers to bars of BarPool
    M_DCZDJ ScratchCutPiece;
    RecordPtrArray<M_DCZDJBH> TopCutPool;            // every top cut-off bar of either pass
    RecordPtrArray<M_DXZDJ> BottomCutPiecePool;      // every bottom cut-off piece
    RecordPtrArray<M_DXZDJBH> BottomCutPool;         // every bottom cut-off bar
    RecordPtrArray<M_WQJ> BentBarPool;               // every bent-up bar
    CArray<M_WQJ*> BentBarList;                      // the finished bent-up bars (refer to BentBarPool)
    RecordPtrArray<M_WQJ_R> BentResultPool;          // every marked bent-up bar
    RecordPtrArray<M_ArcWQJ> BentArcPool;            // every bent-up arc
    RecordPtrArray<M_ArcWQJ_R> BentArcResultPool;    // every marked arc
    M_BZXJ BentInput;                                // scratch input of the bend geometry
    int BentChainCount = 0;                          // bent-up bar chains collected
    M_BJXZ ScratchInclShape;
    M_BZXJR ScratchInclBar;
    CDblPointArray PYXTCJpa1;    // outer offset outline of the through bars
    CDblPointArray PYXTCJpa2;    // inner offset outline of the through bars
    double KeyLen1 = 0.0;        // support line to each foot of a bent-up bar's arc
    double KeyLen2 = 0.0;        // bend radius at the arc's apex
    double WeldArcR = 0.0;       // bend radius where a bent-up or inclined bar meets the skeleton's side
    int fEndInset = 0;           // the bend geometry moved the frames' end stations inward
    int fFamiliesDone = 0;       // the bar families have run
    CString TopThroughMark;
    CString BottomThroughMark;
    IntArray TopThroughList;     // frames carrying a top through bar
    IntArray BottomThroughList;  // frames carrying a bottom through bar
    CArray<M_DCZDJBH*> TopCutBars;     // top cut-off bars of the main skeletons (refer to TopCutPool)
    CArray<tRn> TopCutRows;
    CArray<M_WQJ_R*> BentBars;         // marked bent-up bars (refer to BentResultPool)
    CArray<M_ArcWQJ_R*> BentArcs;      // marked arcs (refer to BentArcResultPool)
    CArray<tRn> BentRows;
    CArray<tRn> BentArcRows;
    CArray<M_BZXJR> InclBars;          // standard inclined bars
    CArray<tRn> InclRows;
    CArray<M_DCZDJBH*> TopCutBars2;    // top cut-off bars of the secondary skeletons
    CArray<tRn> TopCutRows2;
    CArray<M_DXZDJBH*> BottomCutBars;  // bottom cut-off bars (refer to BottomCutPool)
    CArray<tRn> BottomCutRows;
    // The top (element 0) and bottom (element 1) through bar, and copies without weld data; empty
    // until the through-bar family sizes them to two. Frames refer to their elements.
    CArray<singAr> ThroughBars;
    CArray<singAr> ThroughBarsPlain;
    IntArray FrameGroup;         // 1-based group of every frame; equal groups are drawn as one
    tRn ScratchRow;              // the schedule row the families build rows in
    int fDrawLMByFsk = 0;        // the elevation shows the first main skeleton
    int nInclMarks = 0;          // number of standard inclined bar marks (archived)
    CArray<double> FrameY;       // transverse position of every frame
    RecordPtrArray<CArray<DblArray>> ZtPool;         // station lists of the frames' upper heights
    RecordPtrArray<CArray<DblArray>> ZbPool;         // of their lower heights
    RecordPtrArray<CArray<CStringArray>> ZtLabelPool;
    RecordPtrArray<CArray<CStringArray>> ZbLabelPool;
    CArray<FrameAr> FrameStore;  // the frames of a built design, sized once
    CArray<tFrameAr> FrameTable; // the frame-table rows of a built design, sized once
    RecordPtrArray<CArray<M_BJXZ>> InclShapeListPool;
    RecordPtrArray<CArray<M_BJXZ>> InclShapeListPool2;
    CStringArray TopCutMarks;    // marks of the main-skeleton cut-off bars by support line
    CArray<struct CPM001_CapKeyParam::FrameAr> KeyFrames;   // the key parameters' frame records
    CStringArray KeyFrameNames;                              // and frame names, as handed in
    RecordPtrArray<singAr> BarPool;                          // every bar the families make
    RecordPtrArray<CArray<M_ArcWQJ*>> ArcListPool;           // arc lists by support line

private:
    friend class CPM001T0101AtomTestAccess;

    // Design steps, in the driver's order.
    int SetGZData(GZ_PM001Atom* gz);
    int SetKeyData(CPM001_CapKeyParam* kp);
    int SetstData(CPM001_CapKeyParam* kp);
    int SetsgData();
    int SetshData();
    int SetsdData();

    // Skeleton: the frame driver and the family results over every frame.
    int GetAllFrameRi(CPM001_CapKeyParam& kp);
    // Frame order and bar marks across frames.
    int GetFramesort(CPM001_CapKeyParam& kp, IntArray& order);
    int GetFrameRn(CArray<singAr*>* bars, CStringArray& marks, IntArray& counts);
    int GetfFrameRn(CStringArray& marksA, IntArray& countsA, CStringArray& marksB, IntArray& countsB);
    int GetFramegjdsx(CArray<struct CPM001_CapKeyParam::FrameAr>& records, int a, int b);
    // Frame contents and the frame table. GetFrame fills frame i from the bar families, which
    // GetAllFrameRi has built before.
    void GetFrame(CPM001_CapKeyParam& kp, int i, FrameAr& frame);
    int GetArcWQJdh(singAr* bar, int i);
    // Bars of one frame.
    int GetFrameiy(CPM001_CapKeyParam& kp, int i, CArray<singAr*>& bars, int& fsk);
    int GetFrameiyxz(CPM001_CapKeyParam& kp, int i, CArray<DblArray*>& zt, CArray<DblArray*>& zb,
                     CArray<CStringArray*>& ztLabel, CArray<CStringArray*>& zbLabel);
    // Section kinds along the beam.
    int GetFrameix(CPM001_CapKeyParam& kp, double x, CArray<singAr*>& bars, int& nUp, int& nDown, IntArray& counts);
    int GetenSectionAr(CPM001_CapKeyParam& kp, IntArray& kinds);
    // Through bars.
    int GetPYXTCJpaAr();
    int GetGJFrame_TCJBH(CPM001_CapKeyParam& kp, CString& topMark, IntArray& topList, CString& bottomMark,
                         IntArray& bottomList);
    int GetGJFrame_TCJ(singAr* pair);

    // Replaces the content by that of a freshly loaded object; used only by a load.
    CPM001T0101Atom& operator=(CPM001T0101Atom&& loaded);

    // Holds the tendon object and points st at it; one held before is released first.
    void AdoptTendonAtom(std::unique_ptr<CPM001T010401Atom> tendon);
    // Hands this object's from-file flag to the tendon object and gives it up (null when none).
    std::unique_ptr<CPM001T010401Atom> TakeTendonAtom();

    // The 25 items of the design section in order, in the archive's direction.
    void DesignItems(CArchive& ar);
    // The tendon block between the skeleton set and the stirrup groups. Storing writes the held
    // tendon object (an empty one when none is held, so that the section stays readable); loading
    // creates the tendon object that reads it.
    void TendonBlock(CArchive& ar);

    std::unique_ptr<CPM001T010401Atom> m_pTendonAtom;   // the prestressing tendons, when JGType is non-zero

    // 8. 1 when the design was read from an archive.
    int fFromFile = 0;

    LiveCount<CPM001T0101Atom> m_live;
};

// Sort order of the stirrup groups: by their first frame.
bool LessXHByFirst(const CapBeamRecords::M_XH& left, const CapBeamRecords::M_XH& right);
