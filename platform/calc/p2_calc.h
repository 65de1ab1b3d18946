// CP2Calc: base of the pier-family calculation engines; adds the test switch and the key-parameter file.
#pragma once

#include "calc/calc_general.h"

class CP2Calc : public CalcGeneral {
public:
    // testFlag: the project's test switch; keyParamPath: the key-parameter file named for this component.
    void SetTestData(int testFlag, const CString& keyParamPath)
    {
        m_testFlag = testFlag;
        m_keyParamPath = keyParamPath;
    }

    int GetTestFlag() const { return m_testFlag; }
    const CString& GetKeyParamPath() const { return m_keyParamPath; }

protected:
    CP2Calc() = default;

private:
    int m_testFlag = 0;
    CString m_keyParamPath;
};
