#include <maya/MString.h>
#include <maya/MStringArray.h>

#include <gtest/gtest.h>

#include <sstream>

namespace {

TEST(MString, FormatReplacesNumberedTokens)
{
    MString text;
    EXPECT_TRUE(text.format("ERROR ^1s: ^2s and ^1s again", "node", MString("attr")));
    EXPECT_EQ(text, "ERROR node: attr and node again");

    // An empty argument that was given still replaces its token.
    EXPECT_TRUE(text.format("[^1s]", MString()));
    EXPECT_EQ(text, "[]");

    // A token without an argument stays and is reported.
    EXPECT_EQ(text.format("^1s ^3s ^x ^", "a"), MStatus::kInvalidParameter);
    EXPECT_EQ(text, "a ^3s ^x ^");

    MStringArray args;
    for (const char* word : {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"})
        args.append(word);
    EXPECT_TRUE(text.format("^11s^10s^1s", args));
    EXPECT_EQ(text, "11101");
}

TEST(MString, SubstituteAndSubstring)
{
    MString text("a.b.c");
    EXPECT_TRUE(text.substitute(".", "::"));
    EXPECT_EQ(text, "a::b::c");
    EXPECT_EQ(text.substitute("", "x"), MStatus::kInvalidParameter);
    EXPECT_TRUE(text.substitute(":", ":"));
    EXPECT_EQ(text, "a::b::c");

    const MString word("handle");
    EXPECT_EQ(word.substring(0, 2), "han"); // end inclusive
    EXPECT_EQ(word.substring(3, 100), "dle");
    EXPECT_EQ(word.substring(-5, 0), "h");
    EXPECT_EQ(word.substring(4, 3), "");
}

TEST(MString, NumbersAndConcatenation)
{
    MString text("v=");
    text += 0.1;
    text += " ";
    text += 3;
    text += " ";
    text += 0.1f;
    EXPECT_EQ(text, "v=0.1 3 0.1");
    EXPECT_EQ(MString() + 1.0 / 3.0, "0.3333333333333333");
    MString fixed;
    fixed.set(2.0 / 3.0, 3);
    EXPECT_EQ(fixed, "0.667");

    EXPECT_EQ("pre" + MString("fix"), "prefix");
    EXPECT_EQ(MString("abc", 2), "ab");
    EXPECT_EQ(MString(static_cast<const char*>(nullptr)), "");
    EXPECT_EQ(MString(L"\u00e9t\u00e9"), "\xc3\xa9t\xc3\xa9");

    int length = 0;
    EXPECT_STREQ(MString("four").asChar(length), "four");
    EXPECT_EQ(length, 4);
    std::ostringstream out;
    out << MString("streamed");
    EXPECT_EQ(out.str(), "streamed");
}

} // namespace
