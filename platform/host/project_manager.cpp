// CProjectManager: the per-component key-parameter files.
#include "host/project_manager.h"

CString CProjectManager::GetKeyParamFullPath(unsigned componentID) const
{
    const auto found = m_KeyParamPaths.find(componentID);
    return found == m_KeyParamPaths.end() ? CString() : found->second;
}
