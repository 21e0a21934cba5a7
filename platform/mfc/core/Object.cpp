// CObject and CRuntimeClass: run-time class information.
#include <afx.h>

// CObject is the root: no base, not creatable.
const CRuntimeClass CObject::classCObject = {"CObject", sizeof(CObject), 0xFFFF, NULL, NULL};

CRuntimeClass* PASCAL CObject::GetThisClass() {
    return _RUNTIME_CLASS(CObject);
}

CRuntimeClass* CObject::GetRuntimeClass() const {
    return _RUNTIME_CLASS(CObject);
}

CObject::~CObject() {}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const {
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const {
    for (const CRuntimeClass* pClass = this; pClass != NULL;) {
        if (pClass == pBaseClass)
            return TRUE;
        pClass = pClass->m_pfnGetBaseClass != NULL ? pClass->m_pfnGetBaseClass() : NULL;
    }
    return FALSE;
}

CObject* CRuntimeClass::CreateObject() {
    if (m_pfnCreateObject == NULL)
        return NULL;
    try {
        return m_pfnCreateObject();
    } catch (CException* e) {
        e->Delete();
        return NULL;
    }
}
