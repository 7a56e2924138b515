#include "support/RecordingWorld.h"

#include <algorithm>

void RecordingWorld::initialize()
{
    calls.push_back("initialize");
    if (onInitialize)
        onInitialize();
}

void RecordingWorld::display()
{
    calls.push_back("display");
}

void RecordingWorld::step()
{
    calls.push_back("step");
    if (onStep)
        onStep();
}

void RecordingWorld::drawFrame()
{
    calls.push_back("drawFrame");
}

void RecordingWorld::record(const char *name, std::initializer_list<int> values)
{
    std::string line = name;
    for (int v : values)
        line += " " + std::to_string(v);
    calls.push_back(line);
}

int RecordingWorld::count(const std::string &prefix) const
{
    return int(std::count_if(calls.begin(), calls.end(),
                             [&](const std::string &c) { return c.rfind(prefix, 0) == 0; }));
}
