// CP2Calc: base of the pier-family calculation engines; adds the test switch and the key-parameter source.
#pragma once

#include "calc/calc_general.h"

// The key parameters come from a key-parameter file or, when no file is named, from the key-parameter
// text the project itself holds (docs/key-parameters.md gives the form of both).
class CP2Calc : public CalcGeneral {
public:
    // testFlag: the project's test switch; keyParamPath: the key-parameter file named for this
    // component, empty when the project names none.
    void SetTestData(int testFlag, const CString& keyParamPath)
    {
        m_testFlag = testFlag;
        m_keyParamPath = keyParamPath;
    }

    // The key parameters written into the project: the JSON text of a key-parameter object, empty
    // when the project holds none. A key-parameter file named by SetTestData comes first.
    void SetKeyParamText(const CString& text) { m_keyParamText = text; }

    int GetTestFlag() const { return m_testFlag; }
    const CString& GetKeyParamPath() const { return m_keyParamPath; }
    const CString& GetKeyParamText() const { return m_keyParamText; }

protected:
    CP2Calc() = default;

private:
    int m_testFlag = 0;
    CString m_keyParamPath;
    CString m_keyParamText;
};
