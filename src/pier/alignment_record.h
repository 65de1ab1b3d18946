// CAlignDataPM001: the pier's drawing alignment record, kept by the component between drawings.
#pragma once

#include "host/live_count.h"

#include <memory>
#include <vector>

// Alignment data of the members; each designed member fills its own record.
struct CAlignDataPG001 {            // spread footing
    int nMode = 0;
    int nOpt = 0;
    double dValue1 = 0.0;
    double dValue2 = 0.0;
    int nFlag = 0;
};

struct CAlignDataPG003T01CT01 {     // pile cap, first body
    int nValue1 = 0, nValue2 = 0, nValue3 = 0;
    double dValue1 = 0.0, dValue2 = 0.0, dValue3 = 0.0;
};

struct CAlignDataPG003T01CT01XL {   // pile cap, first body's tie beams
    int nValue1 = 0, nValue2 = 0;
    double dValue1 = 0.0, dValue2 = 0.0, dValue3 = 0.0;
};

struct CAlignDataPG003T01CT02 {     // pile cap, second body
    int nValue1 = 0, nValue2 = 0, nValue3 = 0, nValue4 = 0, nValue5 = 0;
    double dValue1 = 0.0, dValue2 = 0.0, dValue3 = 0.0, dValue4 = 0.0;
};

struct CAlignDataPG003T0103 {       // pile cap's joint object
    int nValue1 = 0;
    double dValue1 = 0.0, dValue2 = 0.0, dValue3 = 0.0, dValue4 = 0.0;
    int nValue2 = 0;
};

struct CAlignDataPG005 {            // pile-to-column transition
    int nValue1 = 0, nValue2 = 0, nValue3 = 0, nValue4 = 0, nValue5 = 0, nValue6 = 0;
    int bDraw1 = 1, bDraw2 = 1, bDraw3 = 0, bDraw4 = 0, bDraw5 = 1;
    double dValue1 = 0.0;
};

struct CAlignDataPG008 {            // tie beams
    double dValue = 0.0;
    int nValue = 0;
};

struct CAlignDataColumnZD01 {       // rectangular columns
    int nHead[10] = {};
    double dValue = 0.0;
    int nTail[26] = {};
};

struct CAlignDataColumnZD02 {       // circular columns
    int nValue1 = 0, nValue2 = 0, nValue3 = 0, nValue4 = 0;
    double dValue = 0.0;
};

// The cap beam's alignment data; the lists are appended to, so every drawing uses a fresh record.
struct CAlignDataCap {
    double bBg = 0.0;
    int fSk = 0;
    int nSk = 0;
    std::vector<int> SkFrame;
    std::vector<int> tFrameRow;
    int nDM = 0;
    std::vector<int> DMIndex;
    int nSteel = 0;
    std::vector<int> SteelIndex;
    int nSteelSection = 0;
    std::vector<int> SteelSection;
    int fX = 0;
    int fL = 0;
    int fSymDraw = 0;
    int fSymSteel = 0;
    int FVszb = 0;
    int fSteel = 0;
    int FVcurve = 0;
    int fCurveYs = 0;
    int fCurveNoYs = 0;
    double hHgl = 0.0;
    double lGL = 0.0;
    int fCapDrawOpt = 0;
    int nInclMarks = 0;
    int nSg = 0;
    int nLText = 0;
    int nSteelXRow = 0;
    std::vector<int> SteelXCount;
};

// The pier's alignment record: one owned child per drawable member, then the pier's own part.
class CAlignDataPM001 {
public:
    CAlignDataPM001();
    ~CAlignDataPM001();
    CAlignDataPM001(const CAlignDataPM001&) = delete;
    CAlignDataPM001& operator=(const CAlignDataPM001&) = delete;

    std::unique_ptr<CAlignDataPG001> pPG001;
    std::unique_ptr<CAlignDataPG003T01CT01> pCT01;
    std::unique_ptr<CAlignDataPG003T01CT01XL> pCT01XL;
    std::unique_ptr<CAlignDataPG003T01CT02> pCT02;
    std::unique_ptr<CAlignDataPG003T0103> pT0103;
    std::unique_ptr<CAlignDataPG005> pPG005;
    std::unique_ptr<CAlignDataPG008> pPileTieBeam;
    std::unique_ptr<CAlignDataPG008> pPierTieBeam;
    std::unique_ptr<CAlignDataColumnZD01> pColumnZD01;
    std::unique_ptr<CAlignDataColumnZD02> pColumnZD02;
    std::unique_ptr<CAlignDataCap> pCap;

    // The pier's own part.
    double dCapHeight = 0.0;
    double dCapWidth = 0.0;
    double dCapLength = 0.0;
    double dStopperHeight = 0.0;
    int nBaseType = 0;
    double dPileCapLength = 0.0;
    double dPileCapValue1 = 0.0;
    double dPileCapValue2 = 0.0;
    double dPileValue = 0.0;
    double dFootingValue1 = 0.0;
    double dFootingValue2 = 0.0;
    double dTotalHeight = 0.0;
    double dPileCapOffset = 0.0;
    double dTotalLength = 0.0;
    double dEndExtension = 0.0;
    int bFooting = 0;
    int bPile = 0;
    int bPileCap = 0;
    int bPileCapT0103 = 0;
    int bPileCapPG005 = 0;
    int nVarjichupmt = 0;
    int nBaseLayMode = 0;
    int nPileCapMode = 0;
    int nHaveStopper = 0;
    int bStopperSymmetric = 0;
    int bHaveBedStone = 0;
    int bFrontBedStoneOnly = 0;
    int bSameBedStoneDraw = 0;
    double dSkewAngle = 0.0;
    int bSameBedStoneRows = 0;

private:
    LiveCount<CAlignDataPM001> m_live;
};
