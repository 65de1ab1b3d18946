// CPM001DrawSetting: the pier's drawing and design options, part of its origin data.
#pragma once

#include "host/live_count.h"
#include "mfc/cobject.h"

class CArchive;
class CPM001;

// Options the user chose for the pier's drawings and design, taken over from the input object by
// the same rules as the pier's origin data; scales are the denominators of the drawing scales.
// Filled once per input and archived with the origin data; nothing in the component reads it after.
class CPM001DrawSetting : public CObject {
    DECLARE_SERIAL(CPM001DrawSetting)
public:
    CPM001DrawSetting();
    ~CPM001DrawSetting() override;

    // The object archive writes nothing: the origin data go through SerializeOriginData.
    void Serialize(CArchive& ar) override;
    void AssertValid() const override {}
    void Dump() const override {}

    // Fills every option but the two reserved ones from the input object; a missing input object
    // leaves the options as they are.
    void SetData(const CPM001* input);
    // The options need no check of their own: always 1.
    int DoDiagnose();

    // Stores or loads, by the archive's direction, 80 bytes: fVarjichupmt, fZT, nReserved1,
    // nReserved2, DesignOpt1, DesignOpt2, DesignOpt3, DesignOpt4 (int), DesignValue1 (double),
    // DesignOpt5, DesignOpt6 (int), gzPMScale, gzLMScale, stPMScale, PrePMScale (double).
    // A load that fails throws the archive exception and leaves the options as they were.
    void SerializeOriginData(CArchive& ar);

    int fVarjichupmt = 0;        // foundation-plan drawing option
    int fZT = 0;
    int nReserved1 = 0;          // never filled
    int nReserved2 = 0;          // never filled
    int DesignOpt6 = 0;
    int DesignOpt1 = 0;          // 1 when its input switch is 0
    int DesignOpt2 = 0;          // 1 when its input switch is set
    int DesignOpt3 = 0;          // 1 when its input switch is 0 and DesignOpt1 is 1
    int DesignOpt4 = 0;          // non-zero: the tendon coordinate table's interval is checked
    double DesignValue1 = 0.0;   // X interval of the tendon vertical-curve coordinate table, mm
    int DesignOpt5 = 0;          // 1 when its input switch is 0
    double gzPMScale = 0.0;      // drawing scales, 0 when none was given
    double stPMScale = 0.0;
    double PrePMScale = 0.0;
    double gzLMScale = 0.0;

private:
    LiveCount<CPM001DrawSetting> m_live;
};
