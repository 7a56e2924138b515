#pragma once
#include "sim/Level.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

// A world that records every call the window side makes, as text lines
// such as "keyPressed 65 0 0 0".
class RecordingWorld : public Level {
public:
    std::vector<std::string> calls;
    std::function<void()> onInitialize;
    std::function<void()> onStep;

    void initialize() override;
    void display() override;
    void step() override;
    void drawFrame() override;
    void mouseMoved(int x, int y, int cx, int cy) override { record("mouseMoved", {x, y, cx, cy}); }
    void keyPressed(int key, int x, int y, int modifiers) override { record("keyPressed", {key, x, y, modifiers}); }
    void mouseButton(int button, bool pressed) override { record("mouseButton", {button, pressed ? 1 : 0}); }
    void wheelTurned(int delta) override { record("wheelTurned", {delta}); }
    void keyReleased(int key, int modifiers) override { record("keyReleased", {key, modifiers}); }

    // The calls whose line starts with the prefix.
    int count(const std::string &prefix) const;

private:
    void record(const char *name, std::initializer_list<int> values);
};
