// Rewrites a high-score file over and over, for the kill test
// (scripts/killtest.sh): alternately table A and table B, two complete
// tables of different lengths, each through the game's own rewrite.
//
//   tablewriter write FILE [COUNT]   COUNT rewrites (0, the default: until killed)
//   tablewriter check FILE           status 0 when FILE holds table A or table B exactly
#include "core/HighScoreTable.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace {
using HighScoreTable::Lines;

// Table A holds nine entries, table B five: a rewrite cut short would show
// as a table of neither length.
Lines table(bool a)
{
    Lines lines = {"HIGH SCORES", "#      Time         Name"};
    const int entries = a ? HighScoreTable::kMaxEntries : 5;
    for (int i = 1; i <= entries; ++i)
        lines.push_back(std::to_string(i) + "      0:0" + std::to_string(i) + ":" + (a ? "11" : "22") +
                        "      " + (a ? "Alpha" : "Bravo") + std::to_string(i));
    return lines;
}

int write(const std::string &path, long count)
{
    for (long i = 0; count == 0 || i < count; ++i)
        if (!HighScoreTable::writeTable(path, table(i % 2 == 0))) {
            std::fprintf(stderr, "tablewriter: cannot rewrite %s\n", path.c_str());
            return 1;
        }
    return 0;
}

int check(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    const std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in && (content == HighScoreTable::tableText(table(true)) || content == HighScoreTable::tableText(table(false))))
        return 0;
    std::fprintf(stderr, "tablewriter: %s holds neither table (%zu bytes)\n", path.c_str(), content.size());
    return 1;
}
} // namespace

int main(int argc, char **argv)
{
    if (argc >= 3 && !std::strcmp(argv[1], "write"))
        return write(argv[2], argc > 3 ? std::atol(argv[3]) : 0);
    if (argc == 3 && !std::strcmp(argv[1], "check"))
        return check(argv[2]);
    std::fprintf(stderr, "usage: tablewriter write FILE [COUNT] | tablewriter check FILE\n");
    return 2;
}
