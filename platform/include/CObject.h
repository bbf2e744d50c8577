#pragma once

// CObject and run-time class information: DECLARE_DYNAMIC / DECLARE_DYNCREATE in the class,
// IMPLEMENT_DYNAMIC / IMPLEMENT_DYNCREATE in its source, RUNTIME_CLASS, IsKindOf and DYNAMIC_DOWNCAST.

#include "WinDef.h"

class CObject;

struct CRuntimeClass {
    const char* m_lpszClassName;
    int m_nObjectSize;
    CObject* (*m_pfnCreateObject)();  // null for classes that cannot be created dynamically
    const CRuntimeClass* m_pBaseClass;

    CObject* CreateObject() const { return m_pfnCreateObject ? m_pfnCreateObject() : nullptr; }
    BOOL IsDerivedFrom(const CRuntimeClass* base) const {
        for (const CRuntimeClass* type = this; type; type = type->m_pBaseClass)
            if (type == base) return TRUE;
        return FALSE;
    }
};

#define RUNTIME_CLASS(class_name) (const_cast<CRuntimeClass*>(&class_name::class##class_name))

#define DECLARE_DYNAMIC(class_name)               \
public:                                           \
    static const CRuntimeClass class##class_name; \
    virtual CRuntimeClass* GetRuntimeClass() const;

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name)       \
    static CObject* CreateObject();

#define TAMO_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, create)                                            \
    const CRuntimeClass class_name::class##class_name = {#class_name, static_cast<int>(sizeof(class_name)), create, \
                                                         RUNTIME_CLASS(base_class_name)};                           \
    CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) TAMO_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)           \
    CObject* class_name::CreateObject() { return new class_name; } \
    TAMO_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, &class_name::CreateObject)

// A checked downcast: null when the object is not of that class.
#define DYNAMIC_DOWNCAST(class_name, object) (dynamic_cast<class_name*>(object))
#define STATIC_DOWNCAST(class_name, object) (static_cast<class_name*>(object))

class CObject {
public:
    static const CRuntimeClass classCObject;
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = default;

    BOOL IsKindOf(const CRuntimeClass* type) const { return GetRuntimeClass()->IsDerivedFrom(type); }

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};
