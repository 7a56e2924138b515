#include "support/RecordingWorld.h"

#include "render/GL.h"

#include <algorithm>

namespace {
std::string join(const char *name, std::initializer_list<int> values)
{
    std::string line = name;
    for (int v : values)
        line += " " + std::to_string(v);
    return line;
}
} // namespace

void RecordingWorld::initialize()
{
    calls.push_back("initialize");
    if (onInitialize)
        onInitialize();
}

void RecordingWorld::display()
{
    calls.push_back("display");
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
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
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void RecordingWorld::skipDrawing() { calls.push_back("skipDrawing"); }

void RecordingWorld::mouseMoved(int x, int y, int cx, int cy)
{
    calls.push_back(join("mouseMoved", {x, y, cx, cy}));
}

void RecordingWorld::keyPressed(int key, int x, int y, int modifiers)
{
    calls.push_back(join("keyPressed", {key, x, y, modifiers}));
}

void RecordingWorld::mouseButton(int button, bool pressed)
{
    calls.push_back(join("mouseButton", {button, pressed ? 1 : 0}));
}

void RecordingWorld::wheelTurned(int delta) { calls.push_back(join("wheelTurned", {delta})); }

void RecordingWorld::keyReleased(int key, int modifiers)
{
    calls.push_back(join("keyReleased", {key, modifiers}));
}

int RecordingWorld::count(const std::string &prefix) const
{
    return int(std::count_if(calls.begin(), calls.end(),
                             [&](const std::string &c) { return c.rfind(prefix, 0) == 0; }));
}
