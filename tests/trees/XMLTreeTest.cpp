// Loading and saving tag files through the tree view, with the sample
// host's node class.
#include "TreesFixture.h"

#include "Checks.h"
#include "SampleNode.h"
#include "TempFolder.h"

#include <cstdlib>
#include <random>
#include <stdexcept>

namespace {

const char kHeader[] = "<?xml version=\"1.0\"?>\r\n";

// A sample node that counts the living ones: the tree must destroy none.
class CountedNode : public SampleNode {
public:
    CountedNode() { ++nAlive; }
    ~CountedNode() override { --nAlive; }
    static int nAlive;
};
int CountedNode::nAlive = 0;

// Refuses the nodes named "skip" and keeps them, as a host would.
class TestFile : public SampleFile {
public:
    XMLNode* CreateNode() override { return new CountedNode; }
    bool OnAddNode(XMLNode* pNode) override {
        if (pNode->GetName() != "skip")
            return true;
        refused.push_back(pNode);
        return false;
    }
    bool IsOpen() const { return m_hFile != CFile::hFileNull; }
    std::vector<XMLNode*> refused;
};

class XMLTreeTest : public TreesTest {
protected:
    void SetUp() override {
        TreesTest::SetUp();
        name = tmp / "t.xml";
        file.SetFileName(name.c_str());
        tree().AttachFile(&file);
        tree().SetImgId(false, 1, 2);
        tree().SetImgId(true, 3, 4);
    }
    void TearDown() override {
        EXPECT_FALSE(file.IsOpen());
        DeleteNodes();
        for (XMLNode* pNode : file.refused)
            delete pNode;
        EXPECT_EQ(CountedNode::nAlive, 0);
        TreesTest::TearDown();
    }
    XMLTree& tree() { return dlg->xmlTree; }

    // Header plus body, line ends as CR LF.
    void Store(const std::string& body) {
        std::string bytes = kHeader;
        for (char ch : body)
            bytes += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
        tmp.Write("t.xml", bytes);
    }
    HTREEITEM AddFolder(HTREEITEM hParent, const char* text) {
        return tree().InsertItem(CString(text), hParent);
    }
    HTREEITEM AddNode(HTREEITEM hParent, const CString& text, int nSize = 0,
                      const CString& note = "") {
        CountedNode* pNode = new CountedNode;
        pNode->m_strName = text;
        pNode->m_nSize = nSize;
        pNode->m_strNote = note;
        HTREEITEM h = tree().InsertItem(text, hParent);
        tree().SetItemData(h, reinterpret_cast<DWORD_PTR>(pNode));
        return h;
    }
    // The host's duty before the items go: collect their nodes.
    std::vector<XMLNode*> TakeNodes(HTREEITEM hItem = NULL) {
        std::vector<XMLNode*> nodes;
        for (HTREEITEM h = tree().GetChildItem(hItem); h; h = tree().GetNextSiblingItem(h)) {
            if (XMLNode* pNode = tree().GetNode(h))
                nodes.push_back(pNode);
            tree().SetItemData(h, 0);
            for (XMLNode* pChild : TakeNodes(h))
                nodes.push_back(pChild);
        }
        return nodes;
    }
    void DeleteNodes() {
        for (XMLNode* pNode : TakeNodes())
            delete pNode;
    }
    // Folders as Name{...}, nodes as [name/size/note]; with bImages each
    // followed by #image selected-image.
    std::string Describe(bool bImages = false, HTREEITEM hItem = NULL) {
        std::string result;
        for (HTREEITEM h = tree().GetChildItem(hItem); h; h = tree().GetNextSiblingItem(h)) {
            int nImage = -1, nSel = -1;
            tree().GetItemImage(h, nImage, nSel);
            if (SampleNode* p = static_cast<SampleNode*>(tree().GetNode(h))) {
                EXPECT_EQ(p->m_strName, tree().GetItemText(h));
                result += "[" + Str(p->m_strName) + "/" + std::to_string(p->m_nSize) + "/" +
                          Str(p->m_strNote) + "]";
            } else {
                result += Str(tree().GetItemText(h));
            }
            if (bImages)
                result += "#" + std::to_string(nImage) + std::to_string(nSel);
            if (tree().IsFolder(h))
                result += "{" + Describe(bImages, h) + "}";
        }
        return result;
    }

    TempFolder tmp;
    std::basic_string<TCHAR> name;
    TestFile file;
};

TEST_F(XMLTreeTest, WritesTheWorkedExampleAndReadsItBack) {
    HTREEITEM hTools = AddFolder(TVI_ROOT, "Tools");
    AddNode(hTools, "Saw", 12);
    AddNode(AddFolder(hTools, "Old"), "File");
    tmp.Write("t.xml", "anything\r\n");
    ASSERT_TRUE(tree().Save());
    EXPECT_EQ(tmp.Read("t.xml"), std::string(kHeader) +
                                     "\t<Tools>\r\n\t\t<item>\r\n\t\t\t<name>Saw</name>\r\n"
                                     "\t\t\t<size>12</size>\r\n\t\t</item>\r\n\t\t<Old>\r\n"
                                     "\t\t\t<item>\r\n\t\t\t\t<name>File</name>\r\n"
                                     "\t\t\t</item>\r\n\t\t</Old>\r\n\t</Tools>\r\n");

    // Loading deletes the items but not the nodes they held.
    const std::vector<XMLNode*> before = TakeNodes();
    ASSERT_TRUE(tree().Load());
    EXPECT_EQ(CountedNode::nAlive, 4);
    for (XMLNode* pNode : before)
        delete pNode;
    EXPECT_EQ(Describe(true), "Tools#12{[Saw/12/]#34Old#12{[File/0/]#34}}");
}

// Random trees of folders and nodes, with one chain of folders deeper than
// the 20 levels Load started out with, and siblings on the way back up.
TEST_F(XMLTreeTest, RandomTreesSurviveSaveAndLoad) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
        std::mt19937 rng(seed);
        DeleteNodes();
        tree().DeleteAllItems();
        HTREEITEM hLast = TVI_ROOT;
        const int nChain = 21 + static_cast<int>(rng() % 15);
        for (int nLevel = 0; nLevel < nChain; ++nLevel) {
            HTREEITEM hParent = hLast;
            hLast = AddFolder(hParent, nLevel % 3 ? "Deep Folder" : "deeper");
            for (unsigned n = rng() % 3; n > 0; --n)
                AddNode(hParent, "Node " + CString(std::to_string(rng() % 100).c_str()),
                        static_cast<int>(rng() % 4), n == 2 ? "a Note" : "");
            if (rng() % 4 == 0)
                AddFolder(hParent, rng() % 2 ? "EMPTY one" : "Mixed Case");
        }
        AddNode(hLast, "bottom");
        const std::string shape = Describe();

        tmp.Write("t.xml", "x\r\n");
        ASSERT_TRUE(tree().Save()) << seed;
        const std::string saved = tmp.Read("t.xml");
        std::vector<XMLNode*> before = TakeNodes();
        ASSERT_TRUE(tree().Load()) << seed;
        for (XMLNode* pNode : before)
            delete pNode;
        EXPECT_EQ(Describe(), shape) << seed;
        ASSERT_TRUE(tree().Save()) << seed;
        EXPECT_TRUE(tmp.Read("t.xml") == saved) << seed; // the shape above tells more
    }
}

TEST_F(XMLTreeTest, FormatErrorKeepsTheItemsBeforeItsLine) {
    const std::string head = "\t<Tools>\n\t\t<item>\n\t\t\t<name>Saw</name>\n\t\t</item>\n"
                             "\t\t<Old>\n";
    const std::string tail = "\t\t\t<item>\n\t\t\t\t<name>File</name>\n\t\t\t</item>\n"
                             "\t\t</Old>\n\t</Tools>\n";
    const std::pair<std::string, const char*> faults[] = {{"\t\t\t<\n", "Invalid format"},
                                                          {"\t\t\t<Lost\n", "Missing closing tag"}};
    for (const auto& fault : faults) {
        SCOPED_TRACE(fault.second);
        Store(head + fault.first + tail);
        EXPECT_FALSE(tree().Load());
        EXPECT_FALSE(file.IsOpen());
        EXPECT_EQ(Describe(), "Tools{[Saw/0/]Old{}}");
        CString message;
        int nLine = 0;
        ASSERT_TRUE(tree().GetLoadError(message, nLine));
        EXPECT_EQ(message, fault.second);
        EXPECT_EQ(nLine, 6);

        DeleteNodes();
        Store(head + tail);
        EXPECT_TRUE(tree().Load());
        EXPECT_FALSE(tree().GetLoadError(message, nLine));
        EXPECT_EQ(Describe(), "Tools{[Saw/0/]Old{[File/0/]}}");
        DeleteNodes();
    }
}

TEST_F(XMLTreeTest, LevelsBelowOneGoToTheTopAndDoNotCarryOver) {
    Store("</Lost>\n</Found>\n<A>\n<item>\n<name>n</name>\n</item>\n</A>\n<B>\n</B>\n");
    ASSERT_TRUE(tree().Load());
    EXPECT_EQ(Describe(), "A{[n/0/]}B{}");
    DeleteNodes();
    Store("<X>\n<Y>\n<item>\n<name>m</name>\n</item>\n</Y>\n<Z>\n</Z>\n</X>\n");
    ASSERT_TRUE(tree().Load());
    EXPECT_EQ(Describe(), "X{Y{[m/0/]}Z{}}");
}

TEST_F(XMLTreeTest, RefusedNodesAndEarlyStopsKeepTheRest) {
    Store("<Tools>\n<item>\n<name>skip</name>\n</item>\n<Sub>\n<item>\n<name>keep</name>\n"
          "</item>\n</Sub>\n<item>\n<name>skip</name>\n</item>\n</Tools>\n<After>\n<item>\n"
          "<name>bad</name>\n<size>abc</size>\n</item>\n</After>\n<Never>\n</Never>\n");
    EXPECT_TRUE(tree().Load());
    EXPECT_EQ(Describe(), "Tools{Sub{[keep/0/]}}After{}");
    EXPECT_EQ(file.refused.size(), 2u);
    CString message;
    int nLine = 0;
    ASSERT_TRUE(tree().GetLoadError(message, nLine)); // the bad node ended it early
    EXPECT_EQ(message, "Ended inside a folder or a node");
    EXPECT_EQ(nLine, 18); // the last line read: the bad node's closing tag

    // After a stray closing tag the bad node stops the reader at level 0:
    // still an early end, the rest of the file was never read.
    DeleteNodes();
    Store("</Stray>\n<item>\n<size>abc</size>\n</item>\n<F>\n<item>\n<name>lost</name>\n"
          "</item>\n</F>\n");
    EXPECT_TRUE(tree().Load());
    EXPECT_EQ(Describe(), "");
    ASSERT_TRUE(tree().GetLoadError(message, nLine));
    EXPECT_EQ(nLine, 4); // again the bad node's closing tag
}

TEST_F(XMLTreeTest, MissingOrEmptyFilesChangeNothing) {
    HTREEITEM hKeep = AddFolder(TVI_ROOT, "Keep");
    EXPECT_FALSE(tree().Load());
    EXPECT_FALSE(tree().Save());
    EXPECT_FALSE(std::filesystem::exists(name));

    tmp.Write("t.xml", "");
    EXPECT_FALSE(tree().Load());
    EXPECT_FALSE(file.IsOpen());
    EXPECT_FALSE(tree().Save());
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(tmp.Read("t.xml"), "");
    EXPECT_EQ(tree().GetChildItem(NULL), hKeep);

    // A tree without a window has nothing to write over the file.
    tmp.Write("t.xml", "keep\r\n");
    XMLTree loose;
    loose.AttachFile(&file);
    EXPECT_FALSE(loose.Save());
    EXPECT_FALSE(loose.Load());
    EXPECT_EQ(tmp.Read("t.xml"), "keep\r\n");

    tree().AttachFile(NULL);
    EXPECT_FALSE(tree().Load());
    EXPECT_FALSE(tree().Save());
    EXPECT_EQ(tree().WriteSubTree(NULL, 0), eIterStop);
    tree().AttachFile(&file);
}

TEST_F(XMLTreeTest, NodeItemsTalkToTheirNodes) {
    HTREEITEM hFolder = AddFolder(TVI_ROOT, "Box");
    HTREEITEM hNode = AddNode(hFolder, "Saw", 3);
    AddFolder(hNode, "Hidden"); // below a node: not written
    SampleNode* pSaw = static_cast<SampleNode*>(tree().GetNode(hNode));
    EXPECT_TRUE(tree().IsFolder(NULL) && tree().IsFolder(TVI_ROOT));

    EXPECT_TRUE(tree().SetItemText(hNode, _T("Plane")));
    EXPECT_EQ(pSaw->m_strName, "Plane");
    EXPECT_TRUE(tree().SetItemText(hFolder, _T("Crate")));
    EXPECT_FALSE(tree().SetItemText(NULL, _T("x")));

    SampleNode other;
    other.m_nSize = 9;
    EXPECT_FALSE(tree().TransferSelectedNode(false, &other)); // nothing selected
    ASSERT_TRUE(tree().SelectItem(hFolder));
    EXPECT_FALSE(tree().TransferSelectedNode(false, &other));
    ASSERT_TRUE(tree().SelectItem(hNode));
    EXPECT_FALSE(tree().TransferSelectedNode(false, NULL));
    EXPECT_TRUE(tree().TransferSelectedNode(false, &other)); // to other: the flag is negated
    EXPECT_EQ(other.m_strName, "Plane");

    // Written as renamed, and nothing below the node.
    tmp.Write("t.xml", "x\n");
    ASSERT_TRUE(tree().Save());
    const std::string saved = tmp.Read("t.xml");
    EXPECT_NE(saved.find("\t<Crate>\r\n\t\t<item>\r\n\t\t\t<name>Plane</name>"), std::string::npos);
    EXPECT_EQ(saved.find("Hidden"), std::string::npos);
    DeleteNodes();
    tree().DeleteAllItems();
    ASSERT_TRUE(tree().Save());
    EXPECT_EQ(tmp.Read("t.xml"), kHeader);
}

// A name beyond ASCII within the code page is stored as its bytes there,
// the same in both builds, and reads back as the same name.
TEST_F(XMLTreeTest, RenamedItemBeyondAsciiIsStoredAsCodePageBytes) {
    if (!CodePageIs1252OrLatin1())
        GTEST_SKIP() << "the bytes below are those of code page 1252";
    HTREEITEM hNode = AddNode(AddFolder(TVI_ROOT, "Box"), "Saw", 3);
    ASSERT_TRUE(tree().SetItemText(hNode, _T("S\xE4ge f\xFCr \xC9mile")));
    tmp.Write("t.xml", "x\n");
    ASSERT_TRUE(tree().Save());
    const std::string stored = std::string(kHeader) +
                               "\t<Box>\r\n\t\t<item>\r\n"
                               "\t\t\t<name>S\xE4ge f\xFCr \xC9mile</name>\r\n"
                               "\t\t\t<size>3</size>\r\n\t\t</item>\r\n\t</Box>\r\n";
    EXPECT_EQ(tmp.Read("t.xml"), stored);
    DeleteNodes();
    ASSERT_TRUE(tree().Load());
    EXPECT_EQ(tree().GetItemText(tree().GetChildItem(tree().GetRootItem())),
              CString(_T("S\xE4ge f\xFCr \xC9mile")));
    ASSERT_TRUE(tree().Save());
    EXPECT_EQ(tmp.Read("t.xml"), stored);
}

// A node whose record cannot be written: a framework file exception, as a
// full disk raises it, or a host's own exception.
class FailingNode : public CountedNode {
public:
    explicit FailingNode(bool bFileError) : m_bFileError(bFileError) {}
    CString GetStoreString(int) override {
        if (m_bFileError)
            AfxThrowFileException(CFileException::diskFull);
        throw std::runtime_error("host");
    }

private:
    bool m_bFileError;
};

class XMLTreeSaveTest : public XMLTreeTest {
protected:
    void SetUp() override {
        XMLTreeTest::SetUp();
        tmp.Write("t.xml", original);
    }
    // Enough nodes that the buffered writer has stored part of the tree
    // when the last one fails.
    void AddTree(XMLNode* pLast) {
        HTREEITEM hFolder = AddFolder(TVI_ROOT, "Tools");
        for (int i = 0; i < 2000; ++i)
            AddNode(hFolder, "Node " + CString(std::to_string(i).c_str()), i, "a longer note");
        if (pLast != NULL)
            tree().SetItemData(tree().InsertItem(_T("last"), hFolder),
                               reinterpret_cast<DWORD_PTR>(pLast));
    }
    long Entries() const {
        return std::distance(std::filesystem::directory_iterator(tmp.Path()), {});
    }
    // The file holds what it held, and nothing was left beside it.
    void ExpectUntouched() {
        EXPECT_FALSE(file.IsOpen());
        EXPECT_TRUE(tmp.Read("t.xml") == original) << "the file changed";
        EXPECT_EQ(Entries(), 1);
    }
    const std::string original = std::string(kHeader) + "\t<Old>\r\n\t</Old>\r\n";
    // What a folder "Tools" holding the node "Saw" is saved as.
    const std::string kSawInTools = std::string(kHeader) +
                                    "\t<Tools>\r\n\t\t<item>\r\n\t\t\t<name>Saw</name>\r\n"
                                    "\t\t</item>\r\n\t</Tools>\r\n";
};

TEST_F(XMLTreeSaveTest, AFailedWriteLeavesTheFileAsItWas) {
    AddTree(new FailingNode(true));
    EXPECT_FALSE(tree().Save());
    ExpectUntouched();

    DeleteNodes();
    tree().DeleteAllItems();
    AddTree(new FailingNode(false));
    EXPECT_THROW(tree().Save(), std::runtime_error);
    ExpectUntouched();

    // A read-only file is not replaced, and a file whose folder is gone not
    // created.
    DeleteNodes();
    tree().DeleteAllItems();
    AddNode(TVI_ROOT, "Saw");
    ::SetFileAttributes(name.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(tree().Save());
    ::SetFileAttributes(name.c_str(), FILE_ATTRIBUTE_NORMAL);
    ExpectUntouched();
    file.SetFileName((tmp / "gone\\t.xml").c_str());
    EXPECT_FALSE(tree().Save());
    ExpectUntouched();

    // A save that succeeds leaves nothing beside the file either.
    file.SetFileName(name.c_str());
    ASSERT_TRUE(tree().Save());
    EXPECT_NE(tmp.Read("t.xml"), original);
    EXPECT_EQ(Entries(), 1);
}

// Finds a module's import of a kernel32 function and, given a replacement,
// points it there while the object lives, so that a test can make a system
// call fail as it fails on other systems or file systems.
class ImportPatch {
public:
    ImportPatch(LPCTSTR lpszModule, const char* lpszName, const void* pReplacement) {
        BYTE* pBase = reinterpret_cast<BYTE*>(::GetModuleHandle(lpszModule));
        if (pBase == NULL)
            return;
        const auto* pNt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
            pBase + reinterpret_cast<const IMAGE_DOS_HEADER*>(pBase)->e_lfanew);
        const DWORD dwImports =
            pNt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
        for (auto* pImport = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(pBase + dwImports);
             pImport->Name != 0 && m_pSlot == NULL; ++pImport) {
            if (lstrcmpiA(reinterpret_cast<const char*>(pBase + pImport->Name), "kernel32.dll"))
                continue;
            auto* pName = reinterpret_cast<IMAGE_THUNK_DATA*>(pBase + pImport->OriginalFirstThunk);
            auto* pSlot = reinterpret_cast<IMAGE_THUNK_DATA*>(pBase + pImport->FirstThunk);
            for (; pName->u1.AddressOfData != 0 && m_pSlot == NULL; ++pName, ++pSlot) {
                const auto* pByName =
                    reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(pBase + pName->u1.AddressOfData);
                if (!IMAGE_SNAP_BY_ORDINAL(pName->u1.Ordinal) &&
                    lstrcmpA(reinterpret_cast<const char*>(pByName->Name), lpszName) == 0)
                    m_pSlot = reinterpret_cast<const void**>(&pSlot->u1.Function);
            }
        }
        if (m_pSlot != NULL && pReplacement != NULL)
            Swap(pReplacement);
    }
    ~ImportPatch() {
        if (m_pOriginal != NULL)
            Swap(m_pOriginal);
    }
    bool Found() const { return m_pSlot != NULL; }

private:
    void Swap(const void* pTo) {
        DWORD dwOld = 0;
        ::VirtualProtect(m_pSlot, sizeof *m_pSlot, PAGE_READWRITE, &dwOld);
        if (m_pOriginal == NULL)
            m_pOriginal = *m_pSlot;
        *m_pSlot = pTo;
        ::VirtualProtect(m_pSlot, sizeof *m_pSlot, dwOld, &dwOld);
    }
    const void** m_pSlot = NULL;
    const void* m_pOriginal = NULL;
};

// ReplaceFile failing with an error of the test's choice; it removes the file
// first when asked to, as ReplaceFile may do before it fails.
DWORD dwReplaceError = 0;
bool bRemoveReplaced = false;
BOOL WINAPI FailingReplaceFile(LPCTSTR lpszReplaced, LPCTSTR, LPCTSTR, DWORD, LPVOID, LPVOID) {
    if (bRemoveReplaced)
        ::DeleteFile(lpszReplaced);
    ::SetLastError(dwReplaceError);
    return FALSE;
}

// The saved file keeps the attributes the file had, whether ReplaceFile put
// it in place or, where the call is not supported, a rename. A failed
// replacement leaves the file and nothing beside it; when the file is gone
// by then, the new one takes its place.
TEST_F(XMLTreeSaveTest, ReplacingKeepsTheAttributesOrLeavesTheFile) {
    AddNode(AddFolder(TVI_ROOT, "Tools"), "Saw");
    const struct {
        const char* what;
        bool bPatch;
        DWORD dwError;
        bool bRemove;
        bool bSaved;
    } cases[] = {
        {"ReplaceFile", false, 0, false, true},
        {"not supported: rename", true, ERROR_NOT_SUPPORTED, false, true},
        {"replaced file not removed", true, ERROR_UNABLE_TO_REMOVE_REPLACED, false, false},
        {"replaced file removed", true, ERROR_UNABLE_TO_MOVE_REPLACEMENT, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        tmp.Write("t.xml", original);
        ASSERT_TRUE(::SetFileAttributes(name.c_str(), FILE_ATTRIBUTE_HIDDEN));
        dwReplaceError = c.dwError;
        bRemoveReplaced = c.bRemove;
#ifdef _UNICODE
        ImportPatch patch(DOVUV32_DLL, "ReplaceFileW",
#else
        ImportPatch patch(DOVUV32_DLL, "ReplaceFileA",
#endif
                          c.bPatch ? reinterpret_cast<const void*>(&FailingReplaceFile) : NULL);
        ASSERT_TRUE(patch.Found());
        EXPECT_EQ(c.bSaved, tree().Save());
        const DWORD dwAttributes = ::GetFileAttributes(name.c_str());
        EXPECT_NE(0u, dwAttributes & FILE_ATTRIBUTE_HIDDEN);
        EXPECT_TRUE(!c.bSaved || (dwAttributes & FILE_ATTRIBUTE_ARCHIVE) != 0);
        ::SetFileAttributes(name.c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_TRUE(tmp.Read("t.xml") == (c.bSaved ? kSawInTools : original));
        EXPECT_EQ(Entries(), 1);
    }

    // A file held open by a program that does not let others delete it
    // cannot be replaced: refused before anything is written.
    tmp.Write("t.xml", original);
    const HANDLE hHeld =
        ::CreateFile(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                     OPEN_EXISTING, 0, NULL);
    ASSERT_NE(hHeld, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(tree().Save());
    ::CloseHandle(hHeld);
    ExpectUntouched();
}

// Run by the trees_file_size_limit test under a process file-size limit of
// DOVUV32_FILE_SIZE_LIMIT_KB (64): every write past it fails as on a full
// disk, and the tree's 200 KB lie far past it.
TEST_F(XMLTreeSaveTest, SaveBeyondTheFileSizeLimitKeepsTheFile) {
    if (std::getenv("DOVUV32_FILE_SIZE_LIMIT_KB") == NULL)
        GTEST_SKIP() << "runs under a file-size limit only";
    AddTree(NULL);
    EXPECT_FALSE(tree().Save());
    ExpectUntouched();

    // Within the limit the same file is written.
    DeleteNodes();
    tree().DeleteAllItems();
    AddNode(AddFolder(TVI_ROOT, "Tools"), "Saw");
    ASSERT_TRUE(tree().Save());
    EXPECT_EQ(tmp.Read("t.xml"), kSawInTools);
}

// A host's tree overrides both virtual operations of the tree classes as
// documented; Load and the walks reach them. A node named "throw" makes it
// throw one of its own.
class HostTree : public XMLTree {
public:
    EIterResult DoVerb(HTREEITEM hItem, DWORD dwVerb) override {
        visited += Str(GetItemText(hItem)) + std::to_string(dwVerb) + ";";
        return eIterContinue;
    }
    bool OnAddNode(XMLNode* pNode) override {
        const CString name = pNode->GetName();
        if (name != "skip" && name != "throw")
            return true;
        delete pNode;
        if (name == "throw")
            throw std::runtime_error("host");
        return false;
    }
    std::string visited;
};

TEST_F(XMLTreeTest, HostTreeOverridesAreCalled) {
    HostTree host;
    ASSERT_TRUE(host.Create(WS_CHILD, CRect(0, 0, 50, 50), dlg, 1099));
    host.AttachFile(&file);
    Store("<Box>\n<item>\n<name>skip</name>\n</item>\n<item>\n<name>Saw</name>\n</item>\n"
          "</Box>\n");
    ASSERT_TRUE(host.Load());
    host.DoForAll(7);
    EXPECT_EQ(host.visited, "Box7;Saw7;");
    for (HTREEITEM h = host.GetChildItem(host.GetRootItem()); h; h = host.GetNextSiblingItem(h))
        delete host.GetNode(h);
    host.DestroyWindow();
#ifdef DOVUV32_HAS_VIRTUAL_SLOT
    EXPECT_EQ(VirtualSlot(&RVTreeCtrl::DoVerb) + 1, VirtualSlot(&XMLTree::OnAddNode));
#endif
}

// A host's own exception ends the load and passes through; the file is
// closed on the way.
TEST_F(XMLTreeTest, HostExceptionsPassThroughAClosedFile) {
    HostTree host;
    ASSERT_TRUE(host.Create(WS_CHILD, CRect(0, 0, 50, 50), dlg, 1099));
    host.AttachFile(&file);
    Store("<item>\n<name>throw</name>\n</item>\n");
    EXPECT_THROW(host.Load(), std::runtime_error);
    EXPECT_FALSE(file.IsOpen());
    host.DestroyWindow();
}

} // namespace
