// Run-time classes across the DLL boundary, and the exception protocol.
#include <afx.h>

#include <gtest/gtest.h>

#include <string>

namespace {

class CShape : public CObject {
    DECLARE_DYNAMIC(CShape)
};
IMPLEMENT_DYNAMIC(CShape, CObject)

class CCircle : public CShape {
    DECLARE_DYNCREATE(CCircle)
public:
    int m_nRadius = 3;
};
IMPLEMENT_DYNCREATE(CCircle, CShape)

// Creation fails the way framework code fails: with a thrown exception.
class CFragile : public CObject {
    DECLARE_DYNCREATE(CFragile)
public:
    CFragile() { AfxThrowUserException(); }
};
IMPLEMENT_DYNCREATE(CFragile, CObject)

int g_nDestroyed = 0;

class CCountedException : public CException {
public:
    explicit CCountedException(BOOL bAutoDelete) : CException(bAutoDelete) {}
    ~CCountedException() { ++g_nDestroyed; }
};

// The names along a class's base chain.
std::string Lineage(const CRuntimeClass* pClass) {
    std::string names;
    for (; pClass != NULL; pClass = pClass->m_pfnGetBaseClass ? pClass->m_pfnGetBaseClass() : NULL)
        names += std::string(names.empty() ? "" : "<") + pClass->m_lpszClassName;
    return names;
}

} // namespace

TEST(CoreObject, RuntimeClassesDescribeAndCreate) {
    CCircle circle;
    EXPECT_EQ(RUNTIME_CLASS(CCircle), circle.GetRuntimeClass());
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(circle.IsKindOf(RUNTIME_CLASS(CException)));
    EXPECT_FALSE(RUNTIME_CLASS(CShape)->IsDerivedFrom(RUNTIME_CLASS(CCircle)));
    EXPECT_EQ("CCircle<CShape<CObject", Lineage(RUNTIME_CLASS(CCircle)));

    CObject* pObject = RUNTIME_CLASS(CCircle)->CreateObject();
    ASSERT_NE(nullptr, pObject);
    EXPECT_EQ(3, static_cast<CCircle*>(pObject)->m_nRadius);
    delete pObject;
    // Only DYNCREATE classes are creatable; a constructor that throws gives NULL.
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CShape)->CreateObject());
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CObject)->CreateObject());
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CFragile)->CreateObject());
}

// The records of framework classes live in the framework's module: the host
// reaches the same record through the exported data, RUNTIME_CLASS and an
// object the framework created.
TEST(CoreObject, ClassRecordsCrossTheModuleBoundary) {
    EXPECT_EQ(&CObject::classCObject, RUNTIME_CLASS(CObject));
    try {
        CString().GetAt(0);
        FAIL() << "no exception";
    } catch (CObject* pObject) {
        EXPECT_EQ(&CInvalidArgException::classCInvalidArgException, pObject->GetRuntimeClass());
        EXPECT_EQ("CInvalidArgException<CSimpleException<CException<CObject",
                  Lineage(pObject->GetRuntimeClass()));
        static_cast<CException*>(pObject)->Delete();
    }
}

TEST(CoreObject, DeleteFreesOnlyAutoDeleteExceptions) {
    g_nDestroyed = 0;
    try {
        throw new CCountedException(TRUE);
    } catch (CException* e) {
        e->Delete();
    }
    CCountedException onStack(FALSE);
    onStack.Delete();
    EXPECT_EQ(1, g_nDestroyed);

    // The memory exception is preallocated: the same object every time, and
    // Delete leaves it alone.
    CException* pCaught[2] = {};
    for (CException*& p : pCaught) {
        try {
            AfxThrowMemoryException();
        } catch (CMemoryException* e) {
            p = e;
            e->Delete();
        }
    }
    ASSERT_NE(nullptr, pCaught[0]);
    EXPECT_EQ(pCaught[0], pCaught[1]);
    EXPECT_FALSE(pCaught[0]->m_bAutoDelete);
}

TEST(CoreObject, ErrorMessagesFitTheCallersBuffer) {
    CInvalidArgException e(FALSE);
    TCHAR sz[64], szShort[6] = _T("xxxxx");
    ASSERT_TRUE(e.GetErrorMessage(sz, 64));
    EXPECT_TRUE(e.GetErrorMessage(szShort, 4));
    EXPECT_EQ(CString(sz, 3), szShort);
    EXPECT_FALSE(e.GetErrorMessage(szShort, 0)); // and leaves the buffer alone
    EXPECT_EQ(CString(sz, 3), szShort);

    // An exception without a description of its own says so.
    EXPECT_FALSE(CCountedException(FALSE).GetErrorMessage(sz, 64));
    EXPECT_STREQ(_T(""), sz);
}
