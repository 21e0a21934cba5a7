// CStringA and CStringW: value semantics, clamping, searching, editing,
// formatting and the buffer protocol, the same cases for both; then the
// conversions between them.
#include <afx.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "Checks.h"

namespace {

template <class T> class CoreString : public ::testing::Test {};
using CharTypes = ::testing::Types<char, wchar_t>;
TYPED_TEST_SUITE(CoreString, CharTypes);

// A literal in the character type under test.
template <class T> const T* Pick(const char* psz, const wchar_t* pwsz);
template <> const char* Pick<char>(const char* psz, const wchar_t*) {
    return psz;
}
template <> const wchar_t* Pick<wchar_t>(const char*, const wchar_t* pwsz) {
    return pwsz;
}
#define S(text) Pick<TypeParam>(text, L##text)
#define C(ch) static_cast<TypeParam>(ch)

TYPED_TEST(CoreString, ValueSemanticsAndTheSharedEmptyString) {
    using Str = CStringT<TypeParam>;
    EXPECT_STREQ(S(""), Str(static_cast<const TypeParam*>(NULL)));
    EXPECT_STREQ(S("abc"), Str(S("abcdef"), 3));
    EXPECT_STREQ(S(""), Str(C('x'), -1));
    EXPECT_STREQ(S("xxx"), Str(C('x'), 3));

    Str a(S("one"));
    Str b(a);
    b.SetAt(0, C('O'));
    EXPECT_STREQ(S("one"), a);
    Str moved(static_cast<Str&&>(b));
    EXPECT_STREQ(S("One"), moved);
    EXPECT_TRUE(b.IsEmpty());
    b = S("reused");
    EXPECT_STREQ(S("reused"), b);

    // Empty strings may share storage: filling one leaves the others empty.
    Str e(S("some text")), other;
    e.Empty();
    e = C('c');
    e += S("d");
    EXPECT_STREQ(S("cd"), e);
    EXPECT_TRUE(other.IsEmpty());
}

TYPED_TEST(CoreString, ConcatenatesAndCompares) {
    using Str = CStringT<TypeParam>;
    Str s(S("ab"));
    s += S("c");
    s += C('d');
    EXPECT_STREQ(S("xabcdy"), C('x') + s + C('y'));
    EXPECT_STREQ(S("<abcd>"), S("<") + s + S(">"));

    // Appending the string itself or its own characters, also across a
    // reallocation.
    s += s;
    EXPECT_STREQ(S("abcdabcd"), s);
    Str self(S("0123456789"));
    std::basic_string<TypeParam> expected(self);
    for (int i = 0; i < 5; ++i) {
        self += self.GetString() + 5;
        expected += expected.substr(5);
    }
    EXPECT_EQ(expected, std::basic_string<TypeParam>(self.GetString(), self.GetLength()));

    EXPECT_TRUE(Str(S("abc")) < Str(S("abd")));
    EXPECT_FALSE(Str(S("ab")) < S("ab"));
    EXPECT_FALSE(Str(S("ab")) == S("abc"));
    EXPECT_EQ(0, Str(S("MiXeD")).CompareNoCase(S("mixed")));
    EXPECT_LT(Str(S("apple")).CompareNoCase(S("BANANA")), 0);
    // Characters beyond ASCII order by their codes, above every letter.
    EXPECT_GT(Str(S("\xE9")).CompareNoCase(S("Z")), 0);
}

TYPED_TEST(CoreString, IndexOutsideTheStringThrows) {
    using Str = CStringT<TypeParam>;
    Str s(S("abc"));
    EXPECT_EQ(C('c'), s.GetAt(2));
    EXPECT_TRUE(ThrowsInvalidArg([&] { s.GetAt(3); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { s.GetAt(-1); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { s.SetAt(3, C('x')); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { Str().GetAt(0); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { Str(static_cast<const TypeParam*>(NULL), 2); }));
    EXPECT_STREQ(S("abc"), s);
}

TYPED_TEST(CoreString, ExtractionAndSearchClampTheirArguments) {
    using Str = CStringT<TypeParam>;
    Str s(S("hello"));
    const std::pair<const TypeParam*, Str> extracts[] = {
        {S("he"), s.Left(2)},
        {S(""), s.Left(-3)},
        {S("hello"), s.Left(99)},
        {S("lo"), s.Right(2)},
        {S(""), s.Right(-1)},
        {S("hello"), s.Right(99)},
        {S("llo"), s.Mid(2)},
        {S("hello"), s.Mid(-4)},
        {S(""), s.Mid(9)},
        {S("el"), s.Mid(1, 2)},
        {S("he"), s.Mid(-1, 2)},
        {S(""), s.Mid(1, -2)},
        {S("llo"), s.Mid(2, 99)},
        {S(""), s.Mid(7, 2)},
        {S("12"), Str(S("12ab3")).SpanIncluding(S("0123"))},
    };
    for (const auto& c : extracts)
        EXPECT_STREQ(c.first, c.second) << "case " << &c - extracts;

    s = S("abcabc");
    const int finds[][2] = {
        {1, s.Find(C('b'))},         {4, s.Find(C('b'), 2)},    {-1, s.Find(C('b'), 6)},
        {-1, s.Find(C('b'), -1)},    {3, s.Find(S("abc"), 1)},  {-1, s.Find(S("abc"), 4)},
        {-1, s.Find(S(""), 6)},      {-1, s.Find(S("cab"), 3)}, {5, s.ReverseFind(C('c'))},
        {-1, s.ReverseFind(C('x'))}, {2, s.FindOneOf(S("xc"))}, {-1, s.FindOneOf(S("xyz"))},
    };
    for (const auto& c : finds)
        EXPECT_EQ(c[0], c[1]) << "case " << &c - finds;
}

TYPED_TEST(CoreString, ReplacesRemovesInsertsDeletes) {
    using Str = CStringT<TypeParam>;
    Str t(S("aaaa"));
    EXPECT_EQ(2, t.Replace(S("aa"), S("b")));
    EXPECT_EQ(2, t.Replace(S("b"), S("long")));
    EXPECT_STREQ(S("longlong"), t);
    EXPECT_EQ(2, t.Replace(S("long"), NULL));
    EXPECT_STREQ(S(""), t);
    EXPECT_EQ(0, t.Replace(S(""), S("x")));
    EXPECT_EQ(2, (t = S("a.b.c")).Replace(C('.'), C('/')));
    EXPECT_STREQ(S("a/b/c"), t);

    // Arguments taken from the string itself.
    Str u(S("x-y"));
    EXPECT_EQ(1, u.Replace(u.GetString() + 1, u.GetString()));
    EXPECT_STREQ(S("xx-y"), u);

    Str r(S("banana"));
    EXPECT_EQ(3, r.Remove(C('a')));
    EXPECT_STREQ(S("bnn"), r);

    Str i(S("ace"));
    EXPECT_EQ(4, i.Insert(1, C('b')));
    EXPECT_EQ(6, i.Insert(-5, S("<<")));
    EXPECT_EQ(7, i.Insert(99, C('>')));
    EXPECT_EQ(9, i.Insert(2, i.GetString() + 5));
    EXPECT_STREQ(S("<<e>abce>"), i);

    Str d(S("0123456789"));
    EXPECT_EQ(8, d.Delete(2, 2));
    EXPECT_EQ(6, d.Delete(6, 50));
    EXPECT_EQ(6, d.Delete(10));
    EXPECT_EQ(5, d.Delete(-3));
    EXPECT_STREQ(S("14567"), d);
}

TYPED_TEST(CoreString, MapsCaseTrimsAndReverses) {
    using Str = CStringT<TypeParam>;
    Str s(S("Hello, World\xC4"));
    const std::pair<const TypeParam*, Str> cases[] = {
        {S("HELLO, WORLD\xC4"), s.MakeUpper()},
        {S("hello, world\xC4"), s.MakeLower()},
        {S("cba"), Str(S("abc")).MakeReverse()},
        {S("x y"), Str(S(" \t\r\nx y\v\f ")).Trim()},
        {S("x  "), Str(S("  x  ")).TrimLeft()},
        {S("  x"), Str(S("  x  ")).TrimRight()},
        {S("a"), Str(S("*-a-*")).Trim(S("*-"))},
        {S(""), Str(S("   ")).Trim()},
        {S("key"), Str(S("key=value")).SpanExcluding(S("=;"))},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.first, c.second) << "case " << &c - cases;
}

TYPED_TEST(CoreString, TokenizeWalksTheFields) {
    using Str = CStringT<TypeParam>;
    Str s(S(",,one,,two;three,"));
    int pos = 0;
    Str fields;
    for (Str token = s.Tokenize(S(",;"), pos); pos != -1; token = s.Tokenize(S(",;"), pos))
        fields += token + C('|');
    EXPECT_STREQ(S("one|two|three|"), fields);

    pos = 2;
    EXPECT_STREQ(S("cd"), Str(S("abcd")).Tokenize(S(""), pos));
    EXPECT_STREQ(S(""), Str(S("abcd")).Tokenize(S(""), pos));
    EXPECT_EQ(-1, pos);
    EXPECT_TRUE(ThrowsInvalidArg([&] { s.Tokenize(S(","), pos); }));
}

TYPED_TEST(CoreString, FormatsAnyLength) {
    using Str = CStringT<TypeParam>;
    Str s(S("old"));
    const std::basic_string<TypeParam> big(1000, C('q'));
    s.Format(S("[%s]"), big.c_str());
    s.AppendFormat(S("%s|%5d"), big.c_str(), 42);
    EXPECT_EQ(2008, s.GetLength());
    EXPECT_STREQ(S("q|   42"), s.Right(7));

    // The string itself as an argument, short and long.
    Str t(S("ab"));
    t.Format(S("%s%s"), t.GetString(), t.GetString());
    EXPECT_STREQ(S("abab"), t);
    s.AppendFormat(S("%s"), s.GetString());
    EXPECT_EQ(4016, s.GetLength());
    EXPECT_STREQ(S("42[qq"), s.Mid(2006, 5));

    // Numbers come out alike in both character types.
    t.Format(S("%.*g|%6.2f|%x|%%|%c"), 15, 1e20, -3.14159, 255u, C('z'));
    EXPECT_STREQ(S("1e+20| -3.14|ff|%|z"), t);
}

TYPED_TEST(CoreString, BufferProtocol) {
    using Str = CStringT<TypeParam>;
    Str s(S("abc"));
    TypeParam* p = s.GetBuffer(10);
    std::char_traits<TypeParam>::copy(p + 3, S("defgh"), 6);
    s.ReleaseBuffer();
    EXPECT_STREQ(S("abcdefgh"), s);
    EXPECT_EQ(8, s.GetLength());

    s.GetBuffer()[1] = C('B');
    s.ReleaseBuffer(2);
    EXPECT_STREQ(S("aB"), s);
    p = s.GetBufferSetLength(4);
    p[2] = p[3] = C('!');
    s.ReleaseBuffer();
    EXPECT_STREQ(S("aB!!"), s);

    Str e;
    e.GetBuffer(0)[0] = '\0';
    e.ReleaseBufferSetLength(0);
    EXPECT_TRUE(e.IsEmpty());
    EXPECT_TRUE(ThrowsInvalidArg([&] {
        s.GetBuffer(4);
        s.ReleaseBuffer(1 << 20);
    }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { s.GetBuffer(-1); }));
}

// A wide format takes %s and %c as wide arguments and %S, %C as 8-bit ones,
// an 8-bit format the other way round; %hs and %ls say it outright.
TEST(CoreStringWidths, FormatsTakeTheFrameworksArgumentWidths) {
    CStringW w;
    w.Format(L"%s|%S|%hs|%ls|%c|%C|%-3s|%lc", L"wide", "narrow", "h", L"l", L'c', 'C', L"p", L'e');
    EXPECT_STREQ(L"wide|narrow|h|l|c|C|p  |e", w);
    CStringA a;
    a.Format("%s|%S|%ls|%c", "narrow", L"wide", L"l", 'c');
    EXPECT_STREQ("narrow|wide|l|c", a);
}

// The other type's characters go through the ANSI code page: ISO 8859-1 on
// Linux, the process's on Windows, where this needs 1252 (Wine's for the
// English locales) for its choice of characters.
TEST(CoreStringConversion, RoundTripsThroughTheCodePage) {
    if (!CodePageIs1252OrLatin1())
        GTEST_SKIP() << "the ANSI code page is not 1252";
    const char szAnsi[] = "caf\xE9 na\xEFve \xC5sa";
    const wchar_t szWide[] = L"caf\u00E9 na\u00EFve \u00C5sa";

    const CStringW fromAnsi(szAnsi);
    EXPECT_STREQ(szWide, fromAnsi);
    const CStringA fromWide(szWide);
    EXPECT_STREQ(szAnsi, fromWide);
    EXPECT_STREQ(szAnsi, CStringA(fromAnsi));
    EXPECT_STREQ(szWide, CStringW(fromWide));
    EXPECT_STREQ(L"caf", CStringW(szAnsi, 3));

    // Assignment reuses the buffer of the string assigned to.
    CStringW w(L"a longer text than the one assigned");
    const wchar_t* pBefore = w.GetString();
    w = szAnsi;
    EXPECT_STREQ(szWide, w);
    EXPECT_EQ(pBefore, w.GetString());
    CStringA a;
    a = fromAnsi;
    EXPECT_STREQ(szAnsi, a);
    a = static_cast<const wchar_t*>(NULL);
    EXPECT_TRUE(a.IsEmpty());
    a += L"x\u00E9";
    EXPECT_STREQ("x\xE9", a);

    // A character the code page lacks (CJK) has no look-alike there.
    EXPECT_STREQ("?", CStringA(L"\u4E2D"));
}

} // namespace
