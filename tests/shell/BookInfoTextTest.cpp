// Book info texts stored as RTF by earlier versions are shown as their plain text.
#include "shell/BookInfoText.h"
#include <gtest/gtest.h>

TEST(BookInfoText, RtfIsShownWithoutItsControlWords)
{
    const struct
    {
        const char* rtf;
        const char* text;
    } cases[] = {
        {R"({\rtf1\ansi\deff0{\fonttbl{\f0 Arial;}}{\colortbl;\red0\green0\blue0;}\f0\fs20 Hello\par World})",
            "Hello\nWorld"},
        {R"({\rtf1 Caf\'e9 \{x\} a\\b\tab c})", "Caf\xc3\xa9 {x} a\\b\tc"},
        {R"({\rtf1 {\*\generator Writer;}\u8364? 5})", "\xe2\x82\xac 5"},
        {R"({\rtf1\b bold\b0  plain)", "bold plain"},
        {R"({\rtf1 cut \'e)", "cut"},
        {R"({\rtf1 }}}} end\)", "end"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BookInfoText::plainFromRtf(QString::fromUtf8(c.rtf)), QString::fromUtf8(c.text)) << c.rtf;
    EXPECT_TRUE(BookInfoText::isRtf(QStringLiteral("{\\rtf1 x}")));
    EXPECT_FALSE(BookInfoText::isRtf(QStringLiteral("<p>{\\rtf1</p>")));
}
