// The project's setting records kept by the project manager: paper, environment, project record, unions.
#pragma once

#include "mfc/cstring.h"

// Paper setting of the project (report paper and page layout); handed on to the calculation engine.
struct CBridgePaperSetting {
};

// Design environment of the project (codes and service conditions); handed on to the calculation engine.
struct CBridgeEnvironment {
};

// The project's general record, handed to the foundation load preparation.
struct CProjectGeneral {
};

// The project record: its general record and the five texts that head the calculation loads.
struct CBridgeProject {
    CProjectGeneral m_General;
    CString m_strProjectName;     // name of the project
    CString m_strSectionName;     // contract section
    CString m_strDesigner;
    CString m_strChecker;
    CString m_strReviewer;
};

// The project's design union (components designed together); no component field is read yet.
struct CDesignUnion {
};

// The project's graph union (drawings made together); no component field is read yet.
struct CGraphUnion {
};
