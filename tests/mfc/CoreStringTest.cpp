// CString: value semantics, clamping, searching, editing, formatting and the
// buffer protocol.
#include <afx.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// Runs f and reports whether it threw CInvalidArgException.
template <class F> bool ThrowsInvalidArg(F f) {
    try {
        f();
    } catch (CException* e) {
        bool bInvalidArg = e->IsKindOf(RUNTIME_CLASS(CInvalidArgException));
        e->Delete();
        return bInvalidArg;
    }
    return false;
}

} // namespace

TEST(CoreString, ConstructsAndCopiesByValue) {
    EXPECT_STREQ("", CString());
    EXPECT_STREQ("", CString(static_cast<LPCTSTR>(NULL)));
    EXPECT_STREQ("abc", CString("abcdef", 3));
    EXPECT_STREQ("xxxx", CString('x', 4));
    EXPECT_STREQ("", CString('x', -1));

    CString a("one");
    CString b(a);
    b.SetAt(0, 'O');
    EXPECT_STREQ("one", a);
    EXPECT_STREQ("One", b);

    CString moved(static_cast<CString&&>(b));
    EXPECT_STREQ("One", moved);
    EXPECT_TRUE(b.IsEmpty());
    b = "reused";
    EXPECT_STREQ("reused", b);
}

TEST(CoreString, ConcatenatesAndCompares) {
    CString s("ab");
    s += "cd";
    s += 'e';
    s += CString("f");
    EXPECT_STREQ("abcdef", s);
    EXPECT_EQ(6, s.GetLength());
    EXPECT_STREQ("xabcdefy", 'x' + s + 'y');
    EXPECT_STREQ("<abcdef>", "<" + s + ">");
    EXPECT_STREQ("abcdefabcdef", s + s);

    // Appending a string's own characters, also across a reallocation.
    CString self("0123456789");
    for (int i = 0; i < 5; ++i)
        self += static_cast<LPCTSTR>(self) + 5;
    EXPECT_EQ(10 + 5 * 31, self.GetLength());
    EXPECT_STREQ("56789", self.Right(5));

    EXPECT_TRUE(CString("a") == "a");
    EXPECT_TRUE("a" != CString("b"));
    EXPECT_TRUE(CString("abc") < CString("abd"));
    EXPECT_FALSE(CString("ab") < "ab");
    EXPECT_EQ(0, CString("MiXeD").CompareNoCase("mixed"));
    EXPECT_LT(CString("apple").CompareNoCase("BANANA"), 0);
    EXPECT_GT(CString("b").Compare("a"), 0);
}

TEST(CoreString, IndexOutsideTheStringThrows) {
    CString s("abc");
    EXPECT_EQ('c', s.GetAt(2));
    EXPECT_EQ('a', s[0]);
    EXPECT_TRUE(ThrowsInvalidArg([&] { s.GetAt(3); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { s.GetAt(-1); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { s.SetAt(3, 'x'); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { CString().GetAt(0); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { CString(static_cast<LPCTSTR>(NULL), 2); }));
    EXPECT_STREQ("abc", s);
}

TEST(CoreString, ExtractionClampsItsArguments) {
    CString s("hello");
    EXPECT_STREQ("he", s.Left(2));
    EXPECT_STREQ("", s.Left(-3));
    EXPECT_STREQ("hello", s.Left(99));
    EXPECT_STREQ("lo", s.Right(2));
    EXPECT_STREQ("", s.Right(-1));
    EXPECT_STREQ("hello", s.Right(99));
    EXPECT_STREQ("llo", s.Mid(2));
    EXPECT_STREQ("hello", s.Mid(-4));
    EXPECT_STREQ("", s.Mid(9));
    EXPECT_STREQ("el", s.Mid(1, 2));
    EXPECT_STREQ("he", s.Mid(-1, 2));
    EXPECT_STREQ("", s.Mid(1, -2));
    EXPECT_STREQ("llo", s.Mid(2, 99));
    EXPECT_STREQ("", s.Mid(7, 2));
    EXPECT_STREQ("12", CString("12ab3").SpanIncluding("0123456789"));
    EXPECT_STREQ("key", CString("key=value").SpanExcluding("=;"));
}

TEST(CoreString, Searches) {
    CString s("abcabc");
    EXPECT_EQ(1, s.Find('b'));
    EXPECT_EQ(4, s.Find('b', 2));
    EXPECT_EQ(-1, s.Find('b', 6));
    EXPECT_EQ(-1, s.Find('b', -1));
    EXPECT_EQ(-1, s.Find('z'));
    EXPECT_EQ(3, s.Find("abc", 1));
    EXPECT_EQ(-1, s.Find("abc", 4));
    EXPECT_EQ(-1, s.Find("", 6));
    EXPECT_EQ(-1, s.Find("cab", 3));
    EXPECT_EQ(5, s.ReverseFind('c'));
    EXPECT_EQ(-1, s.ReverseFind('x'));
    EXPECT_EQ(2, s.FindOneOf("xc"));
    EXPECT_EQ(-1, s.FindOneOf("xyz"));
}

TEST(CoreString, ReplacesRemovesInsertsDeletes) {
    CString s("a.b.c");
    EXPECT_EQ(2, s.Replace('.', '/'));
    EXPECT_STREQ("a/b/c", s);
    EXPECT_EQ(0, s.Replace('/', '/'));

    CString t("aaaa");
    EXPECT_EQ(2, t.Replace("aa", "b"));
    EXPECT_STREQ("bb", t);
    EXPECT_EQ(2, t.Replace("b", "long"));
    EXPECT_STREQ("longlong", t);
    EXPECT_EQ(2, t.Replace("long", NULL));
    EXPECT_STREQ("", t);
    EXPECT_EQ(0, t.Replace("", "x"));

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
    EXPECT_STREQ("<<abce>", i);
    EXPECT_EQ(9, i.Insert(2, static_cast<LPCTSTR>(i) + 5));
    EXPECT_STREQ("<<e>abce>", i);

    CString d("0123456789");
    EXPECT_EQ(8, d.Delete(2, 2));
    EXPECT_STREQ("01456789", d);
    EXPECT_EQ(6, d.Delete(6, 50));
    EXPECT_EQ(6, d.Delete(10));
    EXPECT_EQ(5, d.Delete(-3));
    EXPECT_STREQ("14567", d);
}

TEST(CoreString, MapsCaseTrimsAndReverses) {
    CString s("Hello, World\xC4");
    s.MakeUpper();
    EXPECT_STREQ("HELLO, WORLD\xC4", s);
    EXPECT_STREQ("hello, world\xC4", s.MakeLower());
    EXPECT_STREQ("cba", CString("abc").MakeReverse());

    EXPECT_STREQ("x y", CString(" \t\r\nx y\v\f ").Trim());
    EXPECT_STREQ("x  ", CString("  x  ").TrimLeft());
    EXPECT_STREQ("  x", CString("  x  ").TrimRight());
    EXPECT_STREQ("a**", CString("**a**").TrimLeft('*'));
    EXPECT_STREQ("a", CString("*-a-*").Trim("*-"));
    EXPECT_STREQ("", CString("   ").Trim());
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
    pos = -1;
    EXPECT_TRUE(ThrowsInvalidArg([&] { s.Tokenize(",", pos); }));
}

TEST(CoreString, FormatsAnyLength) {
    CString s;
    s.Format("%.*f|%5d|%s", 4, 2.5, 42, "x");
    EXPECT_STREQ("2.5000|   42|x", s);
    s.AppendFormat("%c%c", 'y', 'z');
    EXPECT_STREQ("2.5000|   42|xyz", s);

    std::string big(1000, 'q');
    s.Format("[%s]", big.c_str());
    EXPECT_EQ(1002, s.GetLength());
    s.AppendFormat("%s", big.c_str());
    EXPECT_EQ(2002, s.GetLength());
    EXPECT_EQ('q', s[2001]);

    // The string itself as an argument, short and long.
    CString t("ab");
    t.Format("%s%s", static_cast<LPCTSTR>(t), static_cast<LPCTSTR>(t));
    EXPECT_STREQ("abab", t);
    t.AppendFormat("%s", static_cast<LPCTSTR>(s));
    EXPECT_EQ(2006, t.GetLength());
    EXPECT_STREQ("abab[", t.Left(5));
}

TEST(CoreString, BufferProtocol) {
    CString s("abc");
    LPTSTR p = s.GetBuffer(10);
    strcpy(p + 3, "defgh");
    s.ReleaseBuffer();
    EXPECT_STREQ("abcdefgh", s);
    EXPECT_EQ(8, s.GetLength());

    p = s.GetBuffer();
    p[1] = 'B';
    s.ReleaseBuffer(2);
    EXPECT_STREQ("aB", s);

    p = s.GetBufferSetLength(4);
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

TEST(CoreString, EmptyingReleasesAndReuses) {
    CString s("some text");
    s.Empty();
    EXPECT_TRUE(s.IsEmpty());
    EXPECT_STREQ("", s);
    s = "";
    EXPECT_EQ(0, s.GetLength());
    CString copy(s);
    EXPECT_TRUE(copy.IsEmpty());
    s = 'c';
    EXPECT_STREQ("c", s);
}
