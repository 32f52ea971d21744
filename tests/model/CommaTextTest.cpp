#include "model/CommaText.h"
#include <gtest/gtest.h>

TEST(CommaText, SplitsFieldsByTheFileRule)
{
    struct Case
    {
        QString line;
        QStringList fields;
    };
    const std::vector<Case> cases = {
        {"", {}},
        {"   ", {}},
        {"310, 0, 0, 0, 5", {"310", "0", "0", "0", "5"}},
        {"310,0,0,0,5", {"310", "0", "0", "0", "5"}},
        {"  310 ,\t0 ,0", {"310", "0", "0"}},
        // Blanks alone separate, so an unquoted name with a blank becomes two fields.
        {"Light Blue, 3325", {"Light", "Blue", "3325"}},
        {"a b\tc", {"a", "b", "c"}},
        {"\"Light Blue\", 3325, 102", {"Light Blue", "3325", "102"}},
        {"\"a, b\",c", {"a, b", "c"}},
        {"\"say \"\"hi\"\"\", 1", {"say \"hi\"", "1"}},
        {"\"\"\"\"", {"\""}},
        {"\"\", 1", {"", "1"}},
        // Two commas enclose an empty field; a comma at the very end adds one.
        {"a,,b", {"a", "", "b"}},
        {"a, ,b", {"a", "", "b"}},
        {",a", {"", "a"}},
        {"a,", {"a", ""}},
        {"a,,", {"a", "", ""}},
        // A comma followed by blanks at the end is not "at the very end".
        {"a, ", {"a"}},
        {"VelwickArtSymbols110,,53", {"VelwickArtSymbols110", "", "53"}},
        // An unclosed quote runs to the end of the line.
        {"\"open, 1, 2", {"open, 1, 2"}},
        // Text right after a closing quote starts the next field.
        {"\"ab\"cd, e", {"ab", "cd", "e"}},
        {"x\x01y", {"x", "y"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        EXPECT_EQ(splitCommaText(c.line), c.fields);
    }
}
