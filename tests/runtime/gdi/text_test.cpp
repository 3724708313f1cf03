// The runtime's text support: its own wide string, bounded formatting and
// the ANSI conversions the skin loader uses for paths.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "runtime/text/unicode_string.h"
#include "runtime/twf_api.h"

TEST(UnicodeString, IndexAndSearchAtTheEnds) {
    CUnicodeString s(L"abcab");
    EXPECT_EQ(s.GetLength(), 5u);
    EXPECT_EQ(s.GetAt(4), L'b');
    EXPECT_EQ(s.GetAt(5), L'\0') << "an index equal to the length reads 0";
    EXPECT_EQ(s.Find(L"ab", 1), 3);
    EXPECT_EQ(s.Find(L"b", 5), -1) << "the empty tail holds no non-empty needle";
    EXPECT_EQ(s.Find(L"b", 6), -1) << "a start beyond the length";
    EXPECT_EQ(s.Find("ca", 0), 2);
    EXPECT_EQ(s.ReverseFind(L'a'), 3);
    EXPECT_EQ(s.FindOneOf(L"xyc"), 2);
}

TEST(UnicodeString, NeverAssignedHasNoBufferAndNullEmpties) {
    CUnicodeString none;
    EXPECT_EQ(none.GetBuffer(), nullptr);
    CUnicodeString copy(none);
    EXPECT_EQ(copy.GetBuffer(), nullptr);
    CUnicodeString s(L"x");
    s = static_cast<const wchar_t*>(nullptr);
    EXPECT_TRUE(s.IsEmpty());
    s = "ansi";
    EXPECT_TRUE(s == L"ansi");
    s += L'!';
    s += "?";
    EXPECT_STREQ(s.GetBuffer(), L"ansi!?");
    EXPECT_STREQ(s.GetAnsiString(), "ansi!?");
}

TEST(UnicodeString, EditingAndTrimming) {
    CUnicodeString s(L"  hello world  ");
    s.TrimLeft();
    s.TrimRight();
    EXPECT_STREQ(s.GetBuffer(), L"hello world");
    EXPECT_EQ(s.Insert(5, L","), 12u);
    EXPECT_EQ(s.Delete(0, 1), 11u);
    EXPECT_EQ(s.Remove(L'o'), 2u);
    EXPECT_STREQ(s.GetBuffer(), L"ell, wrld");
    EXPECT_STREQ(s.Left(3).GetBuffer(), L"ell");
    EXPECT_STREQ(s.Right(4).GetBuffer(), L"wrld");
    EXPECT_STREQ(s.Mid(5, 100).GetBuffer(), L"wrld");
    EXPECT_STREQ(s.SpanExcluding(L",").GetBuffer(), L"ell");
    s.MakeUpper();
    EXPECT_EQ(s.CompareNoCase(L"ELL, WRLD"), 0);
    EXPECT_EQ(s.Compare(L"ELL"), 1);
}

TEST(UnicodeString, LengthsBeyondSixteenBits) {
    CUnicodeString s(std::wstring(70000, L'x'));
    EXPECT_EQ(s.GetLength(), 70000u);
    s += L"y";
    EXPECT_EQ(s.GetLength(), 70001u);
    EXPECT_EQ(s.GetAt(70000), L'y');
}

TEST(UnicodeString, FormattingTruncatesAtItsBound) {
    const std::wstring longText(5000, L'w');
    CUnicodeString s;
    s.Format(L"<%s>", longText.c_str());
    EXPECT_EQ(s.GetLength(), CUnicodeString::kWideFormatUnits - 1);
    EXPECT_EQ(s.GetAt(0), L'<');
    const std::string longAnsi(3000, 'a');
    s.Format("%s|", longAnsi.c_str());
    EXPECT_EQ(s.GetLength(), CUnicodeString::kAnsiFormatBytes - 1);
    s.Format(L"%d-%s", 42, L"ok");
    EXPECT_STREQ(s.GetBuffer(), L"42-ok");
}

TEST(WideToAnsi, LongAndNonAsciiPathsConvertWhole) {
    std::wstring path = L"C:\\";
    for (int i = 0; i < 40; ++i) path += L"caf\u00e9 folder\\";
    path += L"skin.twf";
    ASSERT_GT(path.size(), 300u);
    const std::string ansi = WideToAnsi(path.c_str());
    EXPECT_EQ(ansi.size(), path.size()) << "one byte per character in the Western code page";
    EXPECT_EQ(AnsiToWide(ansi.c_str()), path);
    EXPECT_TRUE(WideToAnsi(nullptr).empty());
}

TEST(UnicodeString, AnsiSetsAndCharactersTrimSpanAndAppendLikeTheirWideForms) {
    CUnicodeString s(L"xx-abc-yy");
    s.TrimLeft("x-");
    s.TrimRight('y');
    EXPECT_EQ(s, L"abc-");
    s.TrimRight('-');
    EXPECT_EQ(s, L"abc");
    EXPECT_EQ(CUnicodeString(L"aabxa").SpanIncluding("ab"), L"aab");
    EXPECT_EQ(CUnicodeString(L"abc;d").SpanExcluding(";,"), L"abc");
    EXPECT_EQ(CUnicodeString(L"ab") + "cd", L"abcd");
    EXPECT_EQ("cd" + CUnicodeString(L"ab"), L"cdab");
    EXPECT_EQ(CUnicodeString(L"ab") + 'c', L"abc");
    EXPECT_EQ('c' + CUnicodeString(L"ab"), L"cab");
    EXPECT_EQ(L'\x263A' + CUnicodeString(L"ab"),
              L"\x263A"
              L"ab");
}

TEST(UnicodeString, CountedViewGivesByteLengthsOfTheOwnBuffer) {
    const CUnicodeString s(L"abc");
    const CUnicodeString::CountedView v = s.GetCountedView();
    EXPECT_EQ(v.length, 6);
    EXPECT_EQ(v.maximumLength, 6);
    EXPECT_EQ(v.buffer, s.GetBuffer());
    EXPECT_EQ(CUnicodeString().GetCountedView().buffer, nullptr);
    const CUnicodeString huge(std::wstring(40000, L'a'));
    EXPECT_EQ(huge.GetCountedView().length, 0xFFFE) << "stops at the largest even 16-bit count";
}

TEST(UnicodeString, FormatFromAMissingStringTableIdIsEmpty) {
    CUnicodeString s(L"old");
    s.FormatSystemMessage(UINT(0xFFF1), 1);
    EXPECT_TRUE(s.IsEmpty());
    s.FormatSystemMessage(L"%1 and %2", L"one", L"two");
    EXPECT_EQ(s, L"one and two");
}
