// CObject and CRuntimeClass: run-time class information, dynamic creation by name, IsKindOf.
#pragma once

#include "types.h"

class CArchive;
class CObject;

struct CRuntimeClass {
    const char* m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;                       // 0xFFFF for classes that are not serialisable
    CObject* (*m_pfnCreateObject)();      // null when the class is not dynamically creatable
    CRuntimeClass* m_pBaseClass;

    // A new object of this class, or null when the class cannot be created dynamically.
    CObject* CreateObject() const;
    bool IsDerivedFrom(const CRuntimeClass* base) const;

    // The registered class of that name, or null: searched are the application's classes, those
    // registered for a module still loading, and those of every chained extension library.
    static CRuntimeClass* FromName(const char* className);
    static CObject* CreateObject(const char* className);
};

class CObject {
public:
    virtual ~CObject() = default;
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual void Serialize(CArchive& ar);
    virtual void AssertValid() const {}
    virtual void Dump() const {}

    bool IsKindOf(const CRuntimeClass* cls) const;

    static CRuntimeClass classCObject;

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

// Records a runtime class when its translation unit is initialised: it is pending until a module
// takes it over (AfxInitExtensionModule) or a module load begins (then it is the application's).
struct AFX_CLASSINIT {
    explicit AFX_CLASSINIT(CRuntimeClass* cls);
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)                    \
public:                                                \
    static CRuntimeClass class##class_name;            \
    CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name)       \
    static CObject* CreateObject();

#define DECLARE_SERIAL(class_name) DECLARE_DYNCREATE(class_name)

#define PM001_IMPLEMENT_RUNTIMECLASS(class_name, base_name, schema, pfn)                               \
    CRuntimeClass class_name::class##class_name = {#class_name, static_cast<int>(sizeof(class_name)), \
                                                   schema, pfn, RUNTIME_CLASS(base_name)};            \
    static AFX_CLASSINIT pm001_classinit_##class_name(&class_name::class##class_name);                \
    CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_name) \
    PM001_IMPLEMENT_RUNTIMECLASS(class_name, base_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_name)                   \
    CObject* class_name::CreateObject() { return new class_name; }  \
    PM001_IMPLEMENT_RUNTIMECLASS(class_name, base_name, 0xFFFF, class_name::CreateObject)

#define IMPLEMENT_SERIAL(class_name, base_name, schema)              \
    CObject* class_name::CreateObject() { return new class_name; }  \
    PM001_IMPLEMENT_RUNTIMECLASS(class_name, base_name, schema, class_name::CreateObject)
