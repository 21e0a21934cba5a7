// The framework's root header: basic types, run-time class information,
// CObject, CString, exceptions and files.
#pragma once

#include <limits.h>
#include <stdarg.h>
#include <stddef.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

#include "afxver_.h"

// Declared before CString, whose inline argument checks throw it.
[[noreturn]] AFX_FW_API void AFXAPI AfxThrowInvalidArgException();

#include "afxstr.h"

// An opaque iterator into a list or map; NULL marks the end.
struct __POSITION {};
typedef __POSITION* POSITION;

class CObject;

// The run-time description of a class. Records are constant data; a class
// reaches its base through a function so that records may link across
// modules.
struct AFX_FW_API CRuntimeClass {
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;
    CObject*(PASCAL* m_pfnCreateObject)();
    CRuntimeClass*(PASCAL* m_pfnGetBaseClass)();

    // A new object of the class, or NULL when the class cannot be created
    // dynamically or its construction throws a framework exception.
    CObject* CreateObject();
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
};

#define RUNTIME_CLASS(class_name) (class_name::GetThisClass())
#define _RUNTIME_CLASS(class_name) (const_cast<CRuntimeClass*>(&class_name::class##class_name))

#define DECLARE_DYNAMIC(class_name)                                                                \
protected:                                                                                         \
    static CRuntimeClass* PASCAL _GetBaseClass();                                                  \
                                                                                                   \
public:                                                                                            \
    static const CRuntimeClass class##class_name;                                                  \
    static CRuntimeClass* PASCAL GetThisClass();                                                   \
    AFX_IMPLICIT_OVERRIDE_BEGIN                                                                    \
    virtual CRuntimeClass* GetRuntimeClass() const;                                                \
    AFX_IMPLICIT_OVERRIDE_END

#define DECLARE_DYNCREATE(class_name)                                                              \
    DECLARE_DYNAMIC(class_name)                                                                    \
    static CObject* PASCAL CreateObject();

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)                       \
    CRuntimeClass* PASCAL class_name::_GetBaseClass() {                                            \
        return RUNTIME_CLASS(base_class_name);                                                     \
    }                                                                                              \
    const CRuntimeClass class_name::class##class_name = {                                          \
        #class_name, sizeof(class class_name), wSchema, pfnNew, &class_name::_GetBaseClass};       \
    CRuntimeClass* PASCAL class_name::GetThisClass() {                                             \
        return _RUNTIME_CLASS(class_name);                                                         \
    }                                                                                              \
    CRuntimeClass* class_name::GetRuntimeClass() const {                                           \
        return _RUNTIME_CLASS(class_name);                                                         \
    }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                             \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, NULL)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                           \
    CObject* PASCAL class_name::CreateObject() {                                                   \
        return new class_name;                                                                     \
    }                                                                                              \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

// The root of the framework's class hierarchy: run-time class information
// and a virtual destructor. Objects are not copyable.
class AFX_FW_API CObject {
public:
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = 0;

    BOOL IsKindOf(const CRuntimeClass* pClass) const;

    static const CRuntimeClass classCObject;
    static CRuntimeClass* PASCAL GetThisClass();

protected:
    CObject() {}

public:
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;
};

// Exceptions are thrown as pointers to heap objects ("throw new
// CInvalidArgException") and released by the catcher with Delete().
class AFX_FW_API CException : public CObject {
    DECLARE_DYNAMIC(CException)
public:
    CException();
    explicit CException(BOOL bAutoDelete);
    virtual ~CException() = 0;

    // Deletes the object if it was created on the heap (auto-delete).
    void Delete();

    // Copies a description into lpszError (at most nMaxError characters with
    // the terminator); FALSE when there is none to give.
    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError,
                                 PUINT pnHelpContext = NULL) const;

    BOOL m_bAutoDelete;
};

// An exception with a fixed description.
class AFX_FW_API CSimpleException : public CException {
    DECLARE_DYNAMIC(CSimpleException)
public:
    virtual ~CSimpleException();
    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError,
                                 PUINT pnHelpContext = NULL) const;

protected:
    CSimpleException(LPCTSTR lpszMessage, BOOL bAutoDelete);

private:
    LPCTSTR m_lpszMessage;
};

class AFX_FW_API CInvalidArgException : public CSimpleException {
    DECLARE_DYNAMIC(CInvalidArgException)
public:
    CInvalidArgException();
    explicit CInvalidArgException(BOOL bAutoDelete);
    virtual ~CInvalidArgException();
};

class AFX_FW_API CMemoryException : public CSimpleException {
    DECLARE_DYNAMIC(CMemoryException)
public:
    CMemoryException();
    explicit CMemoryException(BOOL bAutoDelete);
    virtual ~CMemoryException();
};

class AFX_FW_API CNotSupportedException : public CSimpleException {
    DECLARE_DYNAMIC(CNotSupportedException)
public:
    CNotSupportedException();
    explicit CNotSupportedException(BOOL bAutoDelete);
    virtual ~CNotSupportedException();
};

// Thrown to end an operation the user has cancelled or that has already been
// reported; catchers do not report it again.
class AFX_FW_API CUserException : public CSimpleException {
    DECLARE_DYNAMIC(CUserException)
public:
    CUserException();
    explicit CUserException(BOOL bAutoDelete);
    virtual ~CUserException();
};

// Throws one preallocated object that Delete() leaves alone: memory may be
// exhausted.
[[noreturn]] AFX_FW_API void AFXAPI AfxThrowMemoryException();
[[noreturn]] AFX_FW_API void AFXAPI AfxThrowNotSupportedException();
[[noreturn]] AFX_FW_API void AFXAPI AfxThrowUserException();

#include "afxfile_.h"
