#include "core/FileReport.h"

#include <cstdio>
#include <set>

void reportUnusableFile(const std::string &path, const std::string &problem)
{
    static std::set<std::string> reported;
    if (!reported.insert(path + '\n' + problem).second)
        return;
    std::fprintf(stderr, "%s: %s\n", path.c_str(), problem.c_str());
    std::fflush(stderr);
}
