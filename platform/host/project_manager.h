// CProjectManager: the host's project — paths, test flag, key-parameter files and setting records.
#pragma once

#include "host/drawing_setting.h"
#include "host/project_records.h"
#include "mfc/cstring.h"

#include <map>

class CProjectManager {
public:
    const CString& GetProjectPath() const { return m_strProjectPath; }
    const CString& GetProjectName() const { return m_strProjectName; }
    const CString& GetSystemPath() const { return m_strSystemPath; }
    // Non-zero: the project runs as a test, designs take the key parameters of the key-parameter files.
    int GetTestFlag() const { return m_nTestFlag; }
    // The key-parameter file given for the component with this ID; empty when none is given.
    CString GetKeyParamFullPath(unsigned componentID) const;

    CBridgePaperSetting* GetPaperSetting() { return &m_PaperSetting; }
    CBridgeEnvironment* GetEnvironment() { return &m_Environment; }
    CBridgeDrawingSetting* GetDrawingSetting() { return &m_DrawingSetting; }
    CBridgeProject* GetProject() { return &m_Project; }
    CDesignUnion* GetDesignUnion() { return &m_DesignUnion; }
    CGraphUnion* GetGraphUnion() { return &m_GraphUnion; }

    void SetProjectPath(const CString& path) { m_strProjectPath = path; }
    void SetProjectName(const CString& name) { m_strProjectName = name; }
    void SetSystemPath(const CString& path) { m_strSystemPath = path; }
    void SetTestFlag(int flag) { m_nTestFlag = flag; }
    // Gives the component with this ID its key-parameter file (replacing an earlier one).
    void SetKeyParamFullPath(unsigned componentID, const CString& path) { m_KeyParamPaths[componentID] = path; }

private:
    CString m_strProjectPath;
    CString m_strProjectName;
    CString m_strSystemPath;
    int m_nTestFlag = 0;
    std::map<unsigned, CString> m_KeyParamPaths;
    CBridgePaperSetting m_PaperSetting;
    CBridgeEnvironment m_Environment;
    CBridgeDrawingSetting m_DrawingSetting;
    CBridgeProject m_Project;
    CDesignUnion m_DesignUnion;
    CGraphUnion m_GraphUnion;
};
