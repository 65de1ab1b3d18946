// CDrawSetPM001: the pier's drawing-setting record that the drawing module reads while it draws.
#pragma once

#include "mfc/cstring.h"

#include <memory>

// Drawing settings of the spread footing; the rest is the footing module's business.
struct CDrawSetPG001 {
    CString szText1;
    CString szText2;
};

struct CDrawSetPG002Sub {};

// Drawing settings of the pile foundation; the sub-records are made by the pile module.
struct CDrawSetPG002 {
    CString szText1;
    CString szText2;
    std::unique_ptr<CDrawSetPG002Sub> pSub1;
    std::unique_ptr<CDrawSetPG002Sub> pSub2;
};

struct CDrawSetPG003Sub {};

// Drawing settings of the pile cap; the sub-record is made by the pile-cap module.
struct CDrawSetPG003 {
    std::unique_ptr<CDrawSetPG003Sub> pSub;
    CString szText1;
    CString szText2;
};

// Drawing settings of the stopper blocks and bearing pedestals.
struct CDrawSetPG006 {
    CString szText1;
    CString szText2;
    double dScaleNote = 0.0;        // notes
    double dScaleTable = 0.0;       // tables
    double dValue1 = 0.0;
    double dValue2 = 0.0;
    double dValue3 = 0.0;
    double dScaleStopper = 0.0;     // stopper block reinforcement
    double dScalePedestal = 0.0;    // pedestal reinforcement
};

// Drawing settings of the tie beams between the columns.
struct CDrawSetPG008 {
    int bDraw = 0;
    CString szText1;
    CString szText2;
    double dScaleNote = 0.0;
    double dScaleTable = 0.0;
    double dScaleTieBeam = 0.0;     // tie-beam reinforcement (elevation / sections)
};

// Drawing settings of the columns.
struct CDrawSetColumn {
    CString szText1;
    CString szText2;
    double dScaleNote = 0.0;
    double dScaleTable = 0.0;
    int nDrawMode = 2;              // 0 first view, 1 second view, 2 both
    int bDrawA = 0;
    int bDrawB = 0;
    int nOptA = 0;
    double dValue1 = 0.0;
    double dValue2 = 0.0;
    double dScaleElevation = 0.0;   // column reinforcement elevation
    double dScaleSection = 0.0;     // column reinforcement sections
};

// Drawing settings of the cap beam; the cap-beam object adjusts fSymDraw and fNoteDM.
struct CDrawSetCap {
    int nOptC = 0;
    CString szText1;
    CString szText2;
    int nOptD = 0;
    double dScaleNote = 0.0;
    double dScaleTable = 0.0;
    double dScaleElevation = 0.0;   // cap-beam reinforcement (elevation / plan / skeleton detail)
    double dScaleSection = 0.0;     // cap-beam reinforcement sections
    int fSymDraw = 0;               // draw half of a symmetric cap beam
    int nOpt7 = 0;
    int bOpt10 = 0;
    double dValue2 = 0.0;
    int fCapDrawOpt = 0;
    int fNoteDM = 0;
    int bSwitchC = 0;
};

// The pier's drawing-setting record; it owns its children.
class CDrawSetPM001 {
public:
    std::unique_ptr<CDrawSetPG001> pFooting;            // foundation kind 0 only
    std::unique_ptr<CDrawSetPG002> pPile;               // foundation kind 1 only
    std::unique_ptr<CDrawSetPG003> pPileCap;            // foundation kind 2 only
    std::unique_ptr<CDrawSetPG006> pStopperPedestal;    // only with stopper blocks and pedestals
    std::unique_ptr<CDrawSetPG008> pPierTieBeam;        // only with tie beams between the columns
    std::unique_ptr<CDrawSetColumn> pColumn;
    std::unique_ptr<CDrawSetCap> pCap;
    int bLayerByType = 0;
    CString szText1;
    CString szText2;
    int nOptD = 0;
    int nOptE = 0;
    double dScaleNote = 0.0;            // notes
    double dScaleTable = 0.0;           // tables
    double dScaleGeneral = 0.0;         // general layout
    double dScaleFoundationPlan = 0.0;  // general layout, pile-cap foundation plan
    double dScaleTendon = 0.0;          // cap-beam tendons (elevation / plan / detail)
    double dScaleTendonSection = 0.0;   // cap-beam tendon sections
    double dScaleTendonDetail = 0.0;    // cap-beam tendon geometry detail
    double dScalePedestal = 0.0;        // pedestal reinforcement
    double dScaleStopper = 0.0;         // stopper block reinforcement
    double dScaleStopperLayout = 0.0;   // stopper blocks and pedestals, general layout
    int nOpt9 = 0;
    int nVarjichupmt = 0;
    int nTendonOpt = 0;
    int bDrawOpt8 = 0;
    int bSwitch1 = 0;
    int bSwitch2 = 0;
    int bSwitch3 = 0;
    int nOpt4 = 0;
    double dValue1 = 0.0;
    int bSwitch5 = 0;
};
