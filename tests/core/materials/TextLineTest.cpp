#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/materials/MaterialFile.h"

namespace porvap {
namespace {

using Lines = std::vector<std::string>;

Lines ReadAll(const std::string& text, std::size_t maxLength = kMaxLineLength) {
    std::FILE* file = std::tmpfile();
    std::fwrite(text.data(), 1, text.size(), file);
    std::rewind(file);
    Lines lines;
    std::string line;
    while (ReadTextLine(file, line, maxLength))
        lines.push_back(line);
    std::fclose(file);
    return lines;
}

TEST(ReadTextLine, LineEndings) {
    EXPECT_EQ(ReadAll(""), Lines{});
    EXPECT_EQ(ReadAll("\n"), Lines{""});
    EXPECT_EQ(ReadAll("a\nb\r\n\r\n\nc\rd\ne"), (Lines{"a", "b", "", "", "c\rd", "e"}));
}

TEST(ReadTextLine, LongLinesAreCutAndTheirRestSkipped) {
    const std::string full(kMaxLineLength, 'x');
    EXPECT_EQ(ReadAll(std::string(500, 'x') + "\nnext\n"), (Lines{full, "next"}));
    EXPECT_EQ(ReadAll(full + "\r\n"), Lines{full});
    EXPECT_EQ(ReadAll(full + "y"), Lines{full});
    EXPECT_EQ(ReadAll("abcdef\r\ng", 3), (Lines{"abc", "g"}));
}

}  // namespace
}  // namespace porvap
