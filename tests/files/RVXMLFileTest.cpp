#include <afx.h>
#include <gtest/gtest.h>

#include "Checks.h"

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "RVTxtFileExcept.h"
#include "RVXMLFile.h"
#include "SampleNode.h"
#include "TempFolder.h"

namespace {

const char kHeader[] = "<?xml version=\"1.0\"?>";

// A sample node that notes the components it receives and how many nodes
// are alive, so that tests see what the reader handed over and dropped.
class RecordingNode : public SampleNode {
public:
    RecordingNode() { ++nAlive; }
    ~RecordingNode() override { --nAlive; }
    bool ReadComponent(CString& strName, CString& strValue) override {
        strLog += strName + "=" + strValue + ";";
        return SampleNode::ReadComponent(strName, strValue);
    }
    CString strLog;
    static int nAlive;
};
int RecordingNode::nAlive = 0;

class TagFile : public SampleFile {
public:
    XMLNode* CreateNode() override { return new RecordingNode; }
    int Line() const { return m_nLine; }
    int Col() const { return m_nCol; }
    CString CurLine() const { return m_strCurLine; }
    bool IsOpen() const { return m_hFile != CFile::hFileNull; }
    void SetNodeTag(const char* lpszTag) { m_strNodeTag = lpszTag; }
};

class RVXMLFileTest : public ::testing::Test {
protected:
    // Stores the header and the lines after it, and opens the file for a
    // whole read (Open, then Reset).
    void OpenWith(const std::string& body, const char* eol = "\r\n") {
        std::string bytes = kHeader + std::string(eol);
        for (char ch : body)
            bytes += ch == '\n' ? std::string(eol) : std::string(1, ch);
        tmp.Write("t.xml", bytes);
        file.SetFileName((tmp / "t.xml").c_str());
        ASSERT_TRUE(file.Open(true));
        file.Reset();
    }
    // Every item GetNext yields: "Name@level" for a folder, "[components]@level"
    // for a node, then "end@level".
    std::string Walk(bool bNodesOnly = false) {
        std::string trace;
        XMLNode* pNode = NULL;
        while (file.GetNext(pNode, bNodesOnly)) {
            CString strItem;
            EXPECT_EQ(pNode == NULL, file.IsFolder());
            if (pNode) {
                strItem = "[" + static_cast<RecordingNode*>(pNode)->strLog + "]";
                delete pNode;
                pNode = NULL;
            } else {
                file.GetCurNodeName(strItem);
            }
            trace += Str(strItem) + "@" + std::to_string(file.GetLevel()) + " ";
        }
        return trace + "end@" + std::to_string(file.GetLevel());
    }
    void TearDown() override {
        file.Close();
        EXPECT_EQ(0, RecordingNode::nAlive);
    }

    TempFolder tmp;
    TagFile file;
};

TEST_F(RVXMLFileTest, WorkedExampleIsWrittenByteForByteAndReadBack) {
    tmp.Write("t.xml", "old contents\r\nto be replaced\r\n");
    file.SetFileName((tmp / "t.xml").c_str());
    ASSERT_TRUE(file.Open(false));
    SampleNode saw, old;
    saw.SetName(_T("Saw"));
    saw.m_nSize = 12;
    old.SetName(_T("File"));
    ASSERT_TRUE(file.Empty());
    file.WriteString(CString(kHeader) + "\n");
    file.WriteTag("Tools", true, 1);
    file.WriteNode(&saw, 2);
    file.WriteTag("Old", true, 2);
    file.WriteNode(&old, 3);
    file.WriteTag("Old", false, 2);
    file.WriteTag("Tools", false, 1);
    file.Close();
    EXPECT_EQ(kHeader + std::string("\r\n\t<Tools>\r\n\t\t<item>\r\n\t\t\t<name>Saw</name>\r\n"
                                    "\t\t\t<size>12</size>\r\n\t\t</item>\r\n\t\t<Old>\r\n"
                                    "\t\t\t<item>\r\n\t\t\t\t<name>File</name>\r\n"
                                    "\t\t\t</item>\r\n\t\t</Old>\r\n\t</Tools>\r\n"),
              tmp.Read("t.xml"));

    ASSERT_TRUE(file.Open(true));
    file.Reset();
    EXPECT_EQ("Tools@1 [name=Saw;size=12;]@2 Old@2 [name=File;]@3 end@0", Walk());
    file.Close();

    // Without the Reset the header line is still current: it comes back as a
    // folder, and everything after it one level deeper.
    ASSERT_TRUE(file.Open(true));
    EXPECT_EQ("?xml version=\"1.0\"?@1 Tools@2 [name=Saw;size=12;]@3 Old@3 [name=File;]@4 end@1",
              Walk());
}

TEST_F(RVXMLFileTest, ReadsTheFormsTheFormatAllows) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "end@0"},
        {"plain text\n<F>\nmore text\n</F>", "F@1 end@0"},
        {"<ITEM>\n<Name>Saw</Name> passed over\n<Flag></Flag>\n</Item>",
         "[name=Saw;flag=;]@1 end@0"},
        {"<item>\n<dims>\n<w>3</w>\n</dims>\n</item>", "[dims=;w=3;]@1 end@0"},
        {"<item><name>a b</name></item><F>\n</F>", "[name=a b;]@1 F@1 end@0"},
        // A value stops at its line's end; the closing tag below is passed over.
        {"<item>\n<name>Saw\n</name>\n<note>x</note>\n</item>", "[name=Saw;note=x;]@1 end@0"},
        // The node gives up, or the file ends inside it: the node is dropped.
        {"<item>\n<size>twelve</size>\n</item>", "end@1"},
        {"<item>\n<name>Saw</name>\n", "end@1"},
    };
    for (const char* eol : {"\r\n", "\n"}) {
        for (const auto& c : cases) {
            file.Construct();
            OpenWith(c.first, eol);
            EXPECT_EQ(c.second, Walk()) << c.first;
            file.Close();
        }
    }
    // A node tag set in another case still closes its nodes.
    file.SetNodeTag("Item");
    file.Construct();
    OpenWith("<item>\n<name>a</name>\n</ITEM>\n<F>\n</F>");
    EXPECT_EQ("[name=a;]@1 F@1 end@0", Walk());
}

TEST_F(RVXMLFileTest, FormatErrorsNameTheLineAndDropTheNode) {
    struct {
        const char* body;
        const char* message;
        const char* where;
        int line;
    } cases[] = {
        {"<F>\n<\n</F>", "Invalid format", "RVXMLFile::GetNextTag() @0", 2},
        {"<F\n>\n", "Missing closing tag", "RVXMLFile::GetNextTag() @1", 1},
        {"<item>\n<name>x</name\n</item>", "Missing closing tag", "RVXMLFile::GetNextTag() @1", 2},
        {"<item>\n<name>x<\n</item>", "Invalid format", "RVXMLFile::GetNextTag() @0", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.body);
        OpenWith(c.body);
        try {
            Walk();
            ADD_FAILURE() << "no exception";
        } catch (RVTxtFileExcept* e) {
            EXPECT_EQ(CString(c.message), e->m_strMessage);
            EXPECT_EQ(CString(c.where), e->m_strWhere);
            EXPECT_EQ(c.line, e->m_nLine);
            e->Delete();
        }
        EXPECT_EQ(0, RecordingNode::nAlive);
        file.Close();
    }
}

TEST_F(RVXMLFileTest, FindNextTagLeavesTheFoundTagsLineCurrent) {
    for (const char* eol : {"\r\n", "\n"}) {
        OpenWith("<a>\nx <b> <c>\n</B>\n", eol);
        // Without skip the file goes back to the start of the tag's line,
        // also for the first tag read, and also when asked twice.
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(0, file.FindNextTag(_T("A"), true, false));
            EXPECT_EQ(0, file.Col());
        }
        ASSERT_EQ(1, file.ReadString());
        EXPECT_EQ(CString("<a>"), file.CurLine());
        EXPECT_EQ(1, file.Line());

        EXPECT_EQ(6, file.FindNextTag(_T("c"), true, false)); // the second tag of its line
        EXPECT_EQ(6, file.Col());
        ASSERT_EQ(1, file.ReadString());
        EXPECT_EQ(CString("x <b> <c>"), file.CurLine());
        EXPECT_EQ(2, file.Line());

        // With skip the column stands just past the tag, in its own line.
        file.Close();
        OpenWith("<a>\nx <b> <c>\n</B>\n", eol);
        EXPECT_EQ(0, file.FindNextTag(_T("a"), true, true));
        EXPECT_EQ(3, file.Col());
        EXPECT_EQ(CString("<a>"), file.CurLine());
        EXPECT_EQ(0, file.FindNextTag(_T("b"), false, true)); // only the closing one
        EXPECT_EQ(3, file.Line());
        EXPECT_EQ(4, file.Col());
        EXPECT_EQ(-1, file.FindNextTag(_T("b"), true, true));
        file.Close();
    }
}

TEST_F(RVXMLFileTest, NodesOnlyPassesOverFoldersAndKeepsTheLevel) {
    OpenWith("<item>\n<name>a</name>\n</item>\n<F>\n<item>\n<name>in</name>\n</item>\n<F>\n</F>\n"
             "<item>\n<name>in</name>\n</item>\n</F>\n</ >\n<item>\n<name>z</name>\n</item>");
    EXPECT_EQ("[name=a;]@1 [name=z;]@0 end@-1", Walk(true));
}

TEST_F(RVXMLFileTest, TagsNamesAndLines) {
    OpenWith("<a b> <> <ITEM>\n");
    CString strName;
    int nLength = 0;
    EXPECT_EQ(0, file.GetNextTag(strName, true, &nLength));
    EXPECT_EQ(CString("a b"), strName);
    EXPECT_EQ(5, nLength);
    EXPECT_EQ(6, file.GetNextTag(strName, false, &nLength));
    EXPECT_EQ(CString(""), strName);
    EXPECT_EQ(2, nLength);
    EXPECT_TRUE(file.Move(2));
    EXPECT_FALSE(file.Move(-20));
    EXPECT_EQ(8, file.Col());
    EXPECT_EQ(9, file.GetNextTagLower(strName, true, NULL));
    EXPECT_EQ(CString("item"), strName);
    EXPECT_EQ(-1, file.GetNextTag(strName, true, NULL));
    EXPECT_EQ(CString("item"), strName);

    EXPECT_TRUE(file.IsNodeTag("/ITEM"));
    EXPECT_FALSE(file.IsNodeTag("items"));
    EXPECT_EQ(0, RVXMLFile::CompareTagNames(_T("/Tools"), _T("tOOLS")));
    EXPECT_GT(0, RVXMLFile::CompareTagNames(_T("a"), _T("/B")));
    EXPECT_EQ(CString("\t\t<x>v</x>\n"), RVXMLFile::ConstrTag(_T("x"), _T("v"), 2));

    tmp.Write("w.xml", "x\r\n");
    file.SetFileName((tmp / "w.xml").c_str());
    ASSERT_TRUE(file.Open(false));
    ASSERT_TRUE(file.Empty());
    EXPECT_TRUE(file.WriteTag("Tools", false, 2));
    EXPECT_FALSE(file.WriteNode(NULL, 1));
    file.Close();
    EXPECT_EQ("\t\t</Tools>\r\n", tmp.Read("w.xml"));

    tmp.Write("empty.xml", "");
    file.SetFileName((tmp / "empty.xml").c_str());
    EXPECT_FALSE(file.Open(true));
    EXPECT_FALSE(file.IsOpen());
}

// The sample node writes and reads its numbers without the C library where
// it can; what it stores and reads must be what "%d", "%.15g", strtol and
// strtod make of them, at the edges of that shortcut too.
TEST(SampleNodeTest, NumbersAreStoredAndReadAsTheCLibraryDoes) {
    const double weights[] = {
        0.25, -2.5, 0.00390625, 0.001953125, 999999999999999.0, 1e15, 562949953421311.75,
        0.1,  NAN,  INFINITY,   5e-324};
    for (double dWeight : weights) {
        SampleNode node;
        node.m_dWeight = dWeight;
        node.m_nSize = dWeight < 0 ? INT_MIN : INT_MAX;
        CString strWanted;
        strWanted.Format(
            _T("<item>\n\t<name></name>\n\t<size>%d</size>\n\t<weight>%.15g</weight>\n")
            "</item>\n",
            node.m_nSize, dWeight);
        EXPECT_EQ(strWanted, node.GetStoreString(0)) << dWeight;
    }

    const struct {
        const char* text;
        bool bOk;
        int nSize;
    } sizes[] = {{"12", true, 12},
                 {"-0", true, 0},
                 {"007", true, 7},
                 {" 5", true, 5},
                 {"2147483647", true, INT_MAX},
                 {"-2147483648", true, INT_MIN},
                 {"2147483648", false, 1},
                 {"12abc", false, 1},
                 {"", false, 1},
                 {"-", false, 1}};
    for (const auto& c : sizes) {
        SCOPED_TRACE(c.text);
        SampleNode node;
        node.m_nSize = 1;
        CString strName("size"), strValue(c.text);
        EXPECT_EQ(c.bOk, node.ReadComponent(strName, strValue));
        EXPECT_EQ(c.nSize, node.m_nSize);
    }
    const char* weightTexts[] = {
        "1234.75", "-0.0", "123456789012345.6", "999999999999999", "0.000000000000001", "1.",
        ".5",      "1e3"};
    for (const char* pText : weightTexts) {
        SCOPED_TRACE(pText);
        SampleNode node;
        CString strName("weight"), strValue(pText);
        EXPECT_TRUE(node.ReadComponent(strName, strValue));
        const double dWanted = std::strtod(pText, NULL);
        EXPECT_EQ(0, std::memcmp(&dWanted, &node.m_dWeight, sizeof dWanted));
    }
    for (const char* pText : {"", "-", "1.5x"}) {
        SampleNode node;
        CString strName("weight"), strValue(pText);
        EXPECT_FALSE(node.ReadComponent(strName, strValue)) << pText;
    }
}

} // namespace
