#include "settings/LineSplitter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vistrel {
namespace {

struct Cut {
    std::string text;
    std::size_t begin, end, next;
    friend bool operator==(const Cut&, const Cut&) = default;
};

std::ostream& operator<<(std::ostream& out, const Cut& cut)
{
    return out << '"' << cut.text << "\" " << cut.begin << ' ' << cut.end << ' ' << cut.next;
}

std::vector<Cut> split(std::string_view text, std::size_t pieceSize)
{
    std::vector<Cut> cuts;
    const auto take = [&](const LineSplitter::Line& line) {
        cuts.push_back({std::string(line.text), line.begin, line.end, line.next});
        return true;
    };
    LineSplitter lines;
    for (std::size_t at = 0; at < text.size(); at += pieceSize) lines.feed(text.substr(at, pieceSize), take);
    lines.finish(take);
    return cuts;
}

TEST(LineSplitter, EndsLinesAtLfCrLfAndLoneCr)
{
    EXPECT_EQ(split("a\nbb\r\nc\rd", 100),
              (std::vector<Cut>{{"a", 0, 1, 2}, {"bb", 2, 4, 6}, {"c", 6, 7, 8}, {"d", 8, 9, 9}}));
    EXPECT_EQ(split("\r\r\n\n", 100), (std::vector<Cut>{{"", 0, 0, 1}, {"", 1, 1, 3}, {"", 3, 3, 4}}));
    EXPECT_EQ(split("a\r", 100), (std::vector<Cut>{{"a", 0, 1, 2}}));
    EXPECT_TRUE(split("", 100).empty());
}

TEST(LineSplitter, PiecesOfAnySizeGiveTheSameLines)
{
    const std::string text = "[dsxx]\r\nmei=45\r\n\r\rxiuxi=5\n\n" + std::string(300, 'x') + "\r\nend\r";
    const auto whole = split(text, text.size());
    for (std::size_t size = 1; size < 40; ++size) EXPECT_EQ(split(text, size), whole) << size;
}

TEST(LineSplitter, StopsWhenTold)
{
    int seen = 0;
    LineSplitter lines;
    EXPECT_FALSE(lines.feed("a\nb\nc\n", [&](const LineSplitter::Line&) { return ++seen < 2; }));
    EXPECT_EQ(seen, 2);
}

}  // namespace
}  // namespace vistrel
