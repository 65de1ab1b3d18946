// CPM001DrawSetting: intake from the input object, check and origin archive of the drawing options.
#include "pier/drawing_options.h"

#include "host/cpm001_input.h"
#include "input/text_to_real.h"
#include "mfc/carchive.h"

IMPLEMENT_SERIAL(CPM001DrawSetting, CObject, 1)

CPM001DrawSetting::CPM001DrawSetting() = default;
CPM001DrawSetting::~CPM001DrawSetting() = default;

void CPM001DrawSetting::Serialize(CArchive&) {}

void CPM001DrawSetting::SetData(const CPM001* input)
{
    if (!input) return;
    fVarjichupmt = input->fVarjichupmt;
    fZT = input->fZT;
    DesignOpt6 = input->DesignOpt6;
    DesignOpt1 = input->DesignSwitch1 == 0 ? 1 : 0;
    DesignOpt2 = input->DesignSwitch2 != 0 ? 1 : 0;
    DesignOpt3 = input->DesignSwitch3 == 0 ? 1 : 0;
    if (DesignOpt1 == 0) DesignOpt3 = 0;
    DesignOpt4 = input->DesignOpt4;
    DesignValue1 = input->DesignValue1;
    DesignOpt5 = input->DesignSwitch5 == 0 ? 1 : 0;
    gzPMScale = TextToReal(input->gzPMScale);
    stPMScale = TextToReal(input->stPMScale);
    PrePMScale = TextToReal(input->PrePMScale);
    gzLMScale = TextToReal(input->gzLMScale);
}

int CPM001DrawSetting::DoDiagnose() { return 1; }

void CPM001DrawSetting::SerializeOriginData(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << fVarjichupmt << fZT << nReserved1 << nReserved2 << DesignOpt1 << DesignOpt2 << DesignOpt3
           << DesignOpt4 << DesignValue1 << DesignOpt5 << DesignOpt6 << gzPMScale << gzLMScale << stPMScale
           << PrePMScale;
        return;
    }
    // Read whole before anything is taken over, so a short archive changes nothing.
    int i[10] = {};
    double d[5] = {};
    ar >> i[0] >> i[1] >> i[2] >> i[3] >> i[4] >> i[5] >> i[6] >> i[7] >> d[0] >> i[8] >> i[9] >> d[1] >> d[2] >> d[3]
        >> d[4];
    fVarjichupmt = i[0];
    fZT = i[1];
    nReserved1 = i[2];
    nReserved2 = i[3];
    DesignOpt1 = i[4];
    DesignOpt2 = i[5];
    DesignOpt3 = i[6];
    DesignOpt4 = i[7];
    DesignValue1 = d[0];
    DesignOpt5 = i[8];
    DesignOpt6 = i[9];
    gzPMScale = d[1];
    gzLMScale = d[2];
    stPMScale = d[3];
    PrePMScale = d[4];
}
