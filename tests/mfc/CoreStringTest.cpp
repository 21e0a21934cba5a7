// CString: value semantics, clamping, searching, editing, formatting and the
// buffer protocol.
#include <afx.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "Checks.h"

TEST(CoreString, ValueSemanticsAndTheSharedEmptyString) {
    EXPECT_STREQ("", CString(static_cast<LPCTSTR>(NULL)));
    EXPECT_STREQ("abc", CString("abcdef", 3));
    EXPECT_STREQ("", CString('x', -1));

    CString a("one");
    CString b(a);
    b.SetAt(0, 'O');
    EXPECT_STREQ("one", a);
    CString moved(static_cast<CString&&>(b));
    EXPECT_STREQ("One", moved);
    EXPECT_TRUE(b.IsEmpty());
    b = "reused";
    EXPECT_STREQ("reused", b);

    // Empty strings may share storage: filling one leaves the others empty.
    CString e("some text"), other;
    e.Empty();
    e = 'c';
    e += "d";
    EXPECT_STREQ("cd", e);
    EXPECT_TRUE(other.IsEmpty());
}

TEST(CoreString, ConcatenatesAndCompares) {
    CString s("ab");
    s += "c";
    s += 'd';
    EXPECT_STREQ("xabcdy", 'x' + s + 'y');
    EXPECT_STREQ("<abcd>", "<" + s + ">");

    // Appending the string itself or its own characters, also across a
    // reallocation.
    s += s;
    EXPECT_STREQ("abcdabcd", s);
    CString self("0123456789");
    std::string expected(self);
    for (int i = 0; i < 5; ++i) {
        self += static_cast<LPCTSTR>(self) + 5;
        expected += expected.substr(5);
    }
    EXPECT_EQ(expected, std::string(self.GetString(), self.GetLength()));

    EXPECT_TRUE(CString("abc") < CString("abd"));
    EXPECT_FALSE(CString("ab") < "ab");
    EXPECT_FALSE(CString("ab") == "abc");
    EXPECT_EQ(0, CString("MiXeD").CompareNoCase("mixed"));
    EXPECT_LT(CString("apple").CompareNoCase("BANANA"), 0);
}

TEST(CoreString, IndexOutsideTheStringThrows) {
    CString s("abc");
    EXPECT_EQ('c', s.GetAt(2));
    EXPECT_TRUE(ThrowsInvalidArg([&] { s.GetAt(3); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { s.GetAt(-1); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { s.SetAt(3, 'x'); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { CString().GetAt(0); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { CString(static_cast<LPCTSTR>(NULL), 2); }));
    EXPECT_STREQ("abc", s);
}

TEST(CoreString, ExtractionAndSearchClampTheirArguments) {
    CString s("hello");
    const std::pair<LPCTSTR, CString> extracts[] = {
        {"he", s.Left(2)},     {"", s.Left(-3)},     {"hello", s.Left(99)},
        {"lo", s.Right(2)},    {"", s.Right(-1)},    {"hello", s.Right(99)},
        {"llo", s.Mid(2)},     {"hello", s.Mid(-4)}, {"", s.Mid(9)},
        {"el", s.Mid(1, 2)},   {"he", s.Mid(-1, 2)}, {"", s.Mid(1, -2)},
        {"llo", s.Mid(2, 99)}, {"", s.Mid(7, 2)},    {"12", CString("12ab3").SpanIncluding("0123")},
    };
    for (const auto& c : extracts)
        EXPECT_STREQ(c.first, c.second) << "case " << &c - extracts;

    s = "abcabc";
    const int finds[][2] = {
        {1, s.Find('b')},         {4, s.Find('b', 2)},    {-1, s.Find('b', 6)},
        {-1, s.Find('b', -1)},    {3, s.Find("abc", 1)},  {-1, s.Find("abc", 4)},
        {-1, s.Find("", 6)},      {-1, s.Find("cab", 3)}, {5, s.ReverseFind('c')},
        {-1, s.ReverseFind('x')}, {2, s.FindOneOf("xc")}, {-1, s.FindOneOf("xyz")},
    };
    for (const auto& c : finds)
        EXPECT_EQ(c[0], c[1]) << "case " << &c - finds;
}

TEST(CoreString, ReplacesRemovesInsertsDeletes) {
    CString t("aaaa");
    EXPECT_EQ(2, t.Replace("aa", "b"));
    EXPECT_EQ(2, t.Replace("b", "long"));
    EXPECT_STREQ("longlong", t);
    EXPECT_EQ(2, t.Replace("long", NULL));
    EXPECT_STREQ("", t);
    EXPECT_EQ(0, t.Replace("", "x"));
    EXPECT_EQ(2, (t = "a.b.c").Replace('.', '/'));
    EXPECT_STREQ("a/b/c", t);

    // Arguments taken from the string itself.
    CString u("x-y");
    EXPECT_EQ(1, u.Replace(static_cast<LPCTSTR>(u) + 1, static_cast<LPCTSTR>(u)));
    EXPECT_STREQ("xx-y", u);

    CString r("banana");
    EXPECT_EQ(3, r.Remove('a'));
    EXPECT_STREQ("bnn", r);

    CString i("ace");
    EXPECT_EQ(4, i.Insert(1, 'b'));
    EXPECT_EQ(6, i.Insert(-5, "<<"));
    EXPECT_EQ(7, i.Insert(99, '>'));
    EXPECT_EQ(9, i.Insert(2, static_cast<LPCTSTR>(i) + 5));
    EXPECT_STREQ("<<e>abce>", i);

    CString d("0123456789");
    EXPECT_EQ(8, d.Delete(2, 2));
    EXPECT_EQ(6, d.Delete(6, 50));
    EXPECT_EQ(6, d.Delete(10));
    EXPECT_EQ(5, d.Delete(-3));
    EXPECT_STREQ("14567", d);
}

TEST(CoreString, MapsCaseTrimsAndReverses) {
    CString s("Hello, World\xC4");
    const std::pair<LPCTSTR, CString> cases[] = {
        {"HELLO, WORLD\xC4", s.MakeUpper()},
        {"hello, world\xC4", s.MakeLower()},
        {"cba", CString("abc").MakeReverse()},
        {"x y", CString(" \t\r\nx y\v\f ").Trim()},
        {"x  ", CString("  x  ").TrimLeft()},
        {"  x", CString("  x  ").TrimRight()},
        {"a", CString("*-a-*").Trim("*-")},
        {"", CString("   ").Trim()},
        {"key", CString("key=value").SpanExcluding("=;")},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.first, c.second) << "case " << &c - cases;
}

TEST(CoreString, TokenizeWalksTheFields) {
    CString s(",,one,,two;three,");
    int pos = 0;
    std::string fields;
    for (CString token = s.Tokenize(",;", pos); pos != -1; token = s.Tokenize(",;", pos))
        fields += std::string(token) + "|";
    EXPECT_EQ("one|two|three|", fields);

    pos = 2;
    EXPECT_STREQ("cd", CString("abcd").Tokenize("", pos));
    EXPECT_STREQ("", CString("abcd").Tokenize("", pos));
    EXPECT_EQ(-1, pos);
    EXPECT_TRUE(ThrowsInvalidArg([&] { s.Tokenize(",", pos); }));
}

TEST(CoreString, FormatsAnyLength) {
    CString s("old");
    std::string big(1000, 'q');
    s.Format("[%s]", big.c_str());
    s.AppendFormat("%s|%5d", big.c_str(), 42);
    EXPECT_EQ(2008, s.GetLength());
    EXPECT_STREQ("q|   42", s.Right(7));

    // The string itself as an argument, short and long.
    CString t("ab");
    t.Format("%s%s", static_cast<LPCTSTR>(t), static_cast<LPCTSTR>(t));
    EXPECT_STREQ("abab", t);
    s.AppendFormat("%s", static_cast<LPCTSTR>(s));
    EXPECT_EQ(4016, s.GetLength());
    EXPECT_STREQ("42[qq", s.Mid(2006, 5));
}

TEST(CoreString, BufferProtocol) {
    CString s("abc");
    strcpy(s.GetBuffer(10) + 3, "defgh");
    s.ReleaseBuffer();
    EXPECT_STREQ("abcdefgh", s);
    EXPECT_EQ(8, s.GetLength());

    s.GetBuffer()[1] = 'B';
    s.ReleaseBuffer(2);
    EXPECT_STREQ("aB", s);
    LPTSTR p = s.GetBufferSetLength(4);
    p[2] = p[3] = '!';
    s.ReleaseBuffer();
    EXPECT_STREQ("aB!!", s);

    CString e;
    e.GetBuffer(0)[0] = '\0';
    e.ReleaseBufferSetLength(0);
    EXPECT_TRUE(e.IsEmpty());
    EXPECT_TRUE(ThrowsInvalidArg([&] {
        s.GetBuffer(4);
        s.ReleaseBuffer(1 << 20);
    }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { s.GetBuffer(-1); }));
}
