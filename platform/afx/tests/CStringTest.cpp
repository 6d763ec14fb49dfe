#include "afx/CString.h"

#include <gtest/gtest.h>

TEST(CString, SlicesClampToTheText)
{
    CString s("Hello world");
    EXPECT_EQ(CString("Hello"), s.Left(5));
    EXPECT_EQ(CString("world"), s.Right(5));
    EXPECT_EQ(CString("lo w"), s.Mid(3, 4));
    EXPECT_EQ(CString("Hello world"), s.Left(99));
    EXPECT_EQ(CString(""), s.Mid(50));
    EXPECT_EQ(CString(""), s.Left(-1));
    EXPECT_EQ('\0', s.GetAt(11));
}

TEST(CString, SearchAndEdit)
{
    CString s("a/b/c");
    EXPECT_EQ(1, s.Find('/'));
    EXPECT_EQ(3, s.Find('/', 2));
    EXPECT_EQ(3, s.ReverseFind('/'));
    EXPECT_EQ(-1, s.Find("x"));
    EXPECT_EQ(2, s.Replace("/", "\\\\"));
    EXPECT_EQ(CString("a\\\\b\\\\c"), s);
    s = "  padded \t";
    s.Trim();
    EXPECT_EQ(CString("padded"), s);
    s.Insert(0, "un");
    s.Delete(2, 3);
    EXPECT_EQ(CString("unded"), s);
    EXPECT_EQ(0, CString("ABC").CompareNoCase("abc"));
    EXPECT_LT(CString("abc").Compare("abd"), 0);
}

TEST(CString, FormatAndBuffers)
{
    CString s;
    s.Format("%s %d %.2f", "n", 42, 1.5);
    EXPECT_EQ(CString("n 42 1.50"), s);
    s.AppendFormat("-%03d", 7);
    EXPECT_EQ(CString("n 42 1.50-007"), s);
    char* buffer = s.GetBuffer(64);
    std::snprintf(buffer, 64, "%s", "written");
    s.ReleaseBuffer();
    EXPECT_EQ(7, s.GetLength());
    CString long_text;
    long_text.Format("%0500d", 1);
    EXPECT_EQ(500, long_text.GetLength());
}

TEST(CString, SelfAssignmentFromOwnPointer)
{
    CString s("abcdef");
    s = static_cast<const char*>(s) + 2;
    EXPECT_EQ(CString("cdef"), s);
}
