// CPM001Norm: the pier-with-cap-beam component — the object the host drives, owner of every sub-object.
#pragma once

#include "host/component_norm.h"
#include "input/pier_surroundings.h"

#include <memory>
#include <string>
#include <vector>

class CPM001Atom;
class CPG008Atom;
class CPC001T01ZD01Atom;
class CPC001T01ZD02Atom;
class CPM001T0101Atom;
class CPM001DS01Atom;
class CPG001Atom;
class CPG001T01Atom;
class CPG002Atom;
class CPG005Atom;
class CPG003Atom;
class CPG003CT01Atom;
class CPG003CT02Atom;
class CPG003CT03Atom;
class CPG003T0103Atom;
class CPM001DrawSetting;
class CDrawSetPM001;
class CAlignDataPM001;
class CPM001org;
class CPG001org;
class CPG002org;
class CPG003org;
class CPM001Calc;
class CPM001;
class CPM001KeyParam;

class CPM001Norm : public CComponentNorm {
    DECLARE_DYNCREATE(CPM001Norm)
public:
    CPM001Norm();
    ~CPM001Norm() override;
    CPM001Norm(const CPM001Norm&) = delete;
    CPM001Norm& operator=(const CPM001Norm&) = delete;

    // Registers the component with the host: type 0x4035, code 0x100015, this runtime class.
    static void Regist();

    // 1 when a + b + c > d + e, the two sums taken as 32-bit signed sums that wrap around.
    int FuncNothing(int a, int b, int c, int d, int e);

    void InitialUpdate() override;
    void DignoseRelation() override;
    void SetAdjustDataUsable(int usable) override;
    void SerializeCalculData(CArchive& ar) override;
    using CComponentNorm::GetAdjustDataUsable;
    int GetAdjustDataUsable() override;

    // Receiving input and diagnosis: the origin objects are made anew from the input object;
    // the diagnosis runs every check and only a clean pier prepares the calculation object.
    int ReceiveData() override;
    int DoDiagnose() override;

    // Design and output.
    int DoDesign() override;
    int Redesign() override;
    int DoMasterDesign() override;
    void OutputData(OutputDataMap& outputs) override;
    int IsCalculated() override;
    FOUNDATIONTYPE GetFoundationType() override;
    CalcGeneral* GetCalcData() override;
    int SetDataForGW001(CDataForGW001* data) override;

    // The three data sets of the project archive.
    void SerializeOriginData(CArchive& ar) override;
    void SerializeDesignData(CArchive& ar) override;
    void SerializeAdjustData(CArchive& ar) override;

    // Design objects; which exist follows from the flags and selectors below.
    std::unique_ptr<CPM001Atom> m_pAtom;                           // the pier's design record
    int m_bPierTieBeams = 0;                                       // 1: tie beams between the columns
    std::unique_ptr<CPG008Atom> m_pPierTieBeamAtom;
    int m_nColumnShape = 0;                                        // 0 rectangular, otherwise circular columns
    std::unique_ptr<CPC001T01ZD01Atom> m_pRectColumnAtom;
    std::unique_ptr<CPC001T01ZD02Atom> m_pCircleColumnAtom;
    std::unique_ptr<CPM001T0101Atom> m_pCapBeamAtom;               // the cap beam's reinforcement
    int m_bStopperPedestal = 0;                                    // 1: stopper blocks and pedestals
    std::unique_ptr<CPM001DS01Atom> m_pStopperPedestalAtom;
    int m_nFoundationKind = 0;                                     // 0 spread footing, 1 piles, 2 pile cap
    std::unique_ptr<CPG001Atom> m_pFootingAtom;
    int m_bFootingT01 = 0;                                         // 1: the footing's second design object
    std::unique_ptr<CPG001T01Atom> m_pFootingT01Atom;
    std::unique_ptr<CPG002Atom> m_pPileAtom;
    std::unique_ptr<CPG005Atom> m_pPileTransitionAtom;
    int m_bPileTieBeams = 0;                                       // 1: the pile foundation has tie beams
    std::unique_ptr<CPG008Atom> m_pPileTieBeamAtom;
    std::unique_ptr<CPG003Atom> m_pPileCapAtom;
    int m_nPileCapVariant = 1;                                     // pile-cap body: 0, 1 or 2
    std::unique_ptr<CPG003CT01Atom> m_pPileCapCT01Atom;
    std::unique_ptr<CPG003CT02Atom> m_pPileCapCT02Atom;
    std::unique_ptr<CPG003CT03Atom> m_pPileCapCT03Atom;
    int m_nPileCapJoint = 1;                                       // 0 transition object, 1 own joint object
    std::unique_ptr<CPG005Atom> m_pPileCapTransitionAtom;
    std::unique_ptr<CPG003T0103Atom> m_pPileCapT0103Atom;

    // Drawing.
    std::unique_ptr<CPM001DrawSetting> m_pDrawSetting;             // drawing options (origin data)
    CDrawSetPM001* m_pDrawSet = nullptr;                           // not owned; set only while drawing
    std::unique_ptr<CAlignDataPM001> m_pAlignData;                 // alignment record of the last drawing

    // Origin objects.
    std::unique_ptr<CPM001org> m_pOrg;
    std::unique_ptr<CPG001org> m_pFootingOrg;
    std::unique_ptr<CPG002org> m_pPileOrg;
    std::unique_ptr<CPG003org> m_pPileCapOrg;
    std::unique_ptr<CPM001Calc> m_pCalc;                           // the pier calculation object

    // What the pier's origin data and design record read of this component: the foundation's
    // objects and settings, the road, the label and the project, as they stand now.
    PierSurroundings Surroundings() const;

private:
    friend class CPM001NormTestAccess;

    void ClearOrg();
    void PrepareOrg();
    void ClearDesign();
    void PrepareDesign();

    // Hand-over record fillers: each fills the record for one member's design from the pier's
    // design record (and, where named, the foundation objects); 1 done, 0 when the record or the
    // design record is missing.
    friend class CPM001NormHandOverTestAccess;
    int SetGZ_PM001_Data(class GZ_PM001Atom* gz);
    int SetGZ_GENERAL_PG008_Data(struct GZ_GENERAL_PG008* g, int which);
    int SetPC001T01ZD01_General_Data(struct PC001T01ZD01_General* g);
    int SetPC001T01ZD02_General_Data(struct PC001T01ZD02_General* g);
    int SetGZ_GENERAL_PG001_Data(struct GZ_GENERAL_PG001* g);
    int SetGZ_GENERAL_PG003_Data(struct GZ_GENERAL_PG003* g);
    int Set_gz_General_PG005(struct GZ_GENERAL_PG005* g);
    int Set_gz_General_PG0051(struct GZ_GENERAL_PG005* g);
    int Set_gz_General_PG006(struct GZ_GENERAL_PG006* g);

    // Receiving and calculation set-up.
    int Set_Goujian();
    void SetCalCulation_General();
    int Set_Calculation();
    int Set_General();
    int Set_Tongyi();
    // Fills every design object from the key parameters, in the fixed order (FillDesignObjects),
    // then judges the results when every step went through.
    int DesignItemArray(CPM001KeyParam& kp);
    int FillDesignObjects(CPM001KeyParam& kp);
    // Judges the pier record's and the cap beam's results as designed or loaded: the numbers
    // they publish (capbeam/design_result_check.h) and the skeleton's bars
    // (capbeam/bars_within_beam_check.h); each fault is reported as an error, and the design or
    // load itself stands.
    void CheckDesignResults() const;
    // Judges a key set against the stored cap beam's design by every limit its design judges:
    // the keys that do not fit the cap or cannot be built (capbeam/cap_beam_key_fit.h) and, on a
    // prestressed cap, the tendons' control points (tendon/node_fit.h). Each fault is reported as
    // an error by its path in the set, from its name ("designed key parameters.cap.st_LstWeld:
    // …"); the load itself stands.
    void CheckKeyParamsFitCap(const CPM001KeyParam& kp, const std::string& set) const;
    // A loaded component's two sets, so that a design refused when made is refused when loaded,
    // whatever has changed around it since: the key values its stored design was made with, as
    // its records and the engine's key record carry them (capbeam/design_key_values.h), named
    // under the set the design took; and the user-adjusted set of its adjustment data when it
    // holds one within its bounds, unless it is the set a stored redesign took, as it took it.
    // The stored design is also judged by the densified stirrup counts at its outer support lines,
    // which its design reports as possibly too many and goes on without: each is named as a key
    // of the set the design took (capbeam/stirrup_counts_check.h). Each fault is named once: the
    // user-adjusted set names none its design has named.
    void CheckDesignedKeyParamsFitCap();
    void CheckUserKeyParamsFitCap();
    // A design stored without its key record names no set and keeps no frame records, frame names
    // or arcs' lengths: they are taken into kp from the set of the component the stored design
    // carries (the user-adjusted set of a redesign, or the key parameters the design part holds
    // as text), and that set's name is returned. Where no set it holds is carried, one warning
    // names the keys not judged, and the design's values are judged as the designed set's.
    std::string TakeKeysOfUnrecordedSet(CPM001KeyParam& kp);
    // The stored design carries the set given: its cap's key values, with the keys of record
    // taken from the set, are the set's as a design of it stores them.
    bool DesignCarries(const CPM001KeyParam& given, const struct CPM001DesignKeyRecord& record) const;
    // The loaded design's key values wait for the adjustment data, whose set may be the one it
    // took (a design part stored without its key record); the faults named under the set the
    // design took; the user-adjusted set was judged whole with the design.
    bool m_designKeysAwaitAdjustment = false;
    std::vector<CString> m_designKeyFaults;
    bool m_designTookHeldSet = false;
    // The engine's record of the set the design took; null when it keeps none.
    const struct CPM001DesignKeyRecord* DesignKeyRecord() const;
    // The cap beam is prestressed and holds its tendons' design.
    bool CapTendonsLaid() const;

    // Named queries, report and adjustment.
public:
    // Answers a query of the host about the designed pier as text, from the pier's design record.
    // 1 when the name is a known query (matched case-sensitively) and was answered; 0 for an
    // unknown name, an index that names no element, a malformed number of decimals, or when no
    // design record is held. Only an answering query writes value.
    int GetValueByName(const CString& name, CString& value) override;
    // The pier's adjustment data file: project path, project name, "\dat\", the ID, ".dat";
    // empty without a project manager.
    CString GetAdjustDataPath() const;
    // The calculation report's template below the system path, and the report document in the
    // project's "\计算书\" folder; empty without a project manager.
    CString GetPaperTemplatePath() const;
    CString GetPaperDocumentPath() const;

protected:
    // Prepares the cap beam's calculation report through the calculation object; without a
    // calculation object or a cap-beam design nothing is done.
    void PreparePaper() override;
    // Opens the pier's user-adjustment tool on the adjustment data file; its result, or 0 when
    // no project manager gives the path.
    int Adjust() override;

private:
    friend class CPM001NormReportTestAccess;
    // Copies the cap beam's side-face bar and stirrup values into the report's cap-beam part.
    static void SetCapTendonPaperData(const CPM001T0101Atom& cap, class CPM001_CapTendon& paper);

    // Drawing
public:
    // Prepares the drawing-setting and alignment records and opens the drawing-adjustment tool on
    // the pier. 1 once prepared (a bad scale or missing alignment data does not stop it); 0 when
    // there is no input object or no design to adjust.
    int DoDrawAdjust() override;

protected:
    // Prepares both records and draws the pier. 1 drawn; 0 when a scale is out of range, when a
    // member's alignment data cannot be made, when the drawing library fails, or when there is no
    // input object or no design. The drawing-setting record is hooked into m_pDrawSet only while
    // the operation runs; the alignment record stays in m_pAlignData until the next drawing.
    int DoDraw() override;

private:
    friend class CPM001NormDrawingTestAccess;
    // 1 when there is an input object, a pier design record and a cap-beam design to draw.
    int CanDraw() const;
    // Checks the block scales (and, for a prestressed cap beam, the tendon table's interval),
    // reporting every violation, and fills the record m_pDrawSet points to with its children.
    // 1 when every checked value lies in its range; 0 otherwise (the record is filled all the
    // same), or without the input object, the record or the cap-beam design.
    int SetDrawSetData(CPM001* input);
    // Creates the eleven children of m_pAlignData and lets each designed member fill its own;
    // 0 at the first member that cannot (a member the pier calls for that was not designed, the
    // third pile-cap body), else 1.
    int SetDrawData_PT();
};

// Removes the blank rows of the input object's load tables, group by group.
void ClearEmptyUIStrings(CPM001* input);

// The views of rectangular columns that a column drawing mode asks for, 1 for a view drawn:
// mode 0 the first view, 1 the second, 2 both, any other mode neither.
struct ColumnViews {
    int first = 0;
    int second = 0;
};
ColumnViews RectColumnViews(int mode);
