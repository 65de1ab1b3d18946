// CObject and CRuntimeClass: class chains, dynamic creation and lookup by name.
#include "cobject.h"

#include "class_registry.h"

#include <cstring>

CRuntimeClass CObject::classCObject = {"CObject", static_cast<int>(sizeof(CObject)), 0xFFFF, nullptr, nullptr};

CRuntimeClass* CObject::GetRuntimeClass() const { return &classCObject; }

void CObject::Serialize(CArchive&) {}

bool CObject::IsKindOf(const CRuntimeClass* cls) const { return GetRuntimeClass()->IsDerivedFrom(cls); }

CObject* CRuntimeClass::CreateObject() const { return m_pfnCreateObject ? m_pfnCreateObject() : nullptr; }

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const
{
    if (!base) return false;
    for (const CRuntimeClass* c = this; c; c = c->m_pBaseClass)
        if (c == base) return true;
    return false;
}

namespace {

CRuntimeClass* findIn(const std::vector<CRuntimeClass*>& classes, const char* name)
{
    for (CRuntimeClass* c : classes)
        if (std::strcmp(c->m_lpszClassName, name) == 0) return c;
    return nullptr;
}

} // namespace

CRuntimeClass* CRuntimeClass::FromName(const char* className)
{
    if (!className) return nullptr;
    ClassRegistry& registry = ClassRegistry::Instance();
    std::lock_guard lock(registry.mutex);
    if (CRuntimeClass* c = findIn(registry.application, className)) return c;
    if (CRuntimeClass* c = findIn(registry.pending, className)) return c;
    for (const CDynLinkLibrary* library : registry.libraries)
        if (CRuntimeClass* c = findIn(library->m_state.classes, className)) return c;
    return nullptr;
}

CObject* CRuntimeClass::CreateObject(const char* className)
{
    const CRuntimeClass* cls = FromName(className);
    return cls ? cls->CreateObject() : nullptr;
}

AFX_CLASSINIT::AFX_CLASSINIT(CRuntimeClass* cls)
{
    if (!cls) return;
    ClassRegistry& registry = ClassRegistry::Instance();
    std::lock_guard lock(registry.mutex);
    registry.pending.push_back(cls);
}
