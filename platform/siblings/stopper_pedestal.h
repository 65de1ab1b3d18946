// Stopper-block and bearing-pedestal module: its hand-over record and its design object.
#pragma once

#include "calc/sibling_key_params.h"
#include "common/dbl_array.h"
#include "host/live_count.h"
#include "host/output_data.h"
#include "mfc/cobject.h"
#include "mfc/cstring.h"

class CArchive;

// What the pier hands over for its seismic stopper blocks and bearing pedestals. Lengths in mm,
// angles in radians; rows are the front (or only) and the back bearing row. Fields the pier does
// not fill keep the values set here.
struct GZ_GENERAL_PG006 {
    int nNoStopperGap = 0;          // 1: a stopper block stands flush with the cap's edge
    CString szPier;                 // what carries the blocks ("一个桥墩")
    int nFlag = 0;
    int nFront = 0;                 // 1: the front row has pedestals
    double aFront = 0.0;            // skew of the front pedestals
    double bFront = 0.0;            // front pedestal width across the bridge
    double lFront = 0.0;            // front pedestal width along the bridge
    double hFront = 0.0;            // tallest front pedestal
    int nFrontCount = 0;            // number of front pedestals
    int nBack = 0;                  // 1: the back row has pedestals
    double aBack = 0.0;
    double bBack = 0.0;
    double lBack = 0.0;
    double hBack = 0.0;
    int nBackCount = 0;
    int fHaveStopper = 0;           // 1: stopper blocks present
    double aStopper = 0.0;          // skew of the stopper blocks
    DblArray widths1;               // first widths of the left and right blocks
    DblArray widths2;               // second widths of the left and right blocks
    double hStopper = 0.0;          // stopper block height
    double bTop = 0.0;              // width of the cap top that carries the blocks
    int nFlag2 = 0;
    double aPier = 0.0;             // skew of the pier
    DblArray list1;                 // further lists of the module, not used by the pier
    DblArray list2;
    double value1 = 0.0;            // further values of the module, not used by the pier
    double value2 = 0.0;
    CString szPedestalConcrete;     // concrete grade of the pedestals
    CString szStopperConcrete;      // concrete grade of the stopper blocks
    int nSameRows = 0;              // 1: both pedestal rows are alike
    int nFlag3 = 0;
    int nSameStoppers = 0;          // 1: left and right blocks are alike
    int nFlag4 = 0;
    CString szCapConcrete;          // concrete grade of the cap beam
};

// Design object of the stopper blocks and bearing pedestals. It keeps the hand-over record and the
// key parameters it was given, names them in the output map under "PG006_" and archives them.
class CPG006Atom : public CObject {
public:
    CPG006Atom();
    ~CPG006Atom() override;

    // Takes over the record and the key parameters and returns 1 when they are sound: both given,
    // every real finite, no int (counts, flags, key values) negative. Otherwise reports an error, keeps
    // what it held and returns 0.
    int SetData(const GZ_GENERAL_PG006* general, const CPG006KeyParam* keyParam);

    // Enters every value held under "PG006_" plus the field's name. A never-filled object enters
    // its default values.
    void shuchu_Data(OutputDataMap& outputs) const;

    // Archive form: int form number 1, the record's fields in declaration order (texts as CString,
    // lists as DblArray), then the two key values (int). A load that fails throws the archive
    // exception and leaves the object as it was.
    void SerializeDesignData(CArchive& ar);

    const GZ_GENERAL_PG006& GetGeneral() const { return m_general; }
    const CPG006KeyParam& GetKeyParam() const { return m_keyParam; }

private:
    GZ_GENERAL_PG006 m_general;
    CPG006KeyParam m_keyParam;
    LiveCount<CPG006Atom> m_live;
};
