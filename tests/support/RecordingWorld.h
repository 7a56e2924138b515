#pragma once
#include "world/Level.h"

#include <functional>
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
    void skipDrawing() override;
    void mouseMoved(int x, int y, int centreX, int centreY) override;
    void keyPressed(int key, int x, int y, int modifiers) override;
    void mouseButton(int button, bool pressed) override;
    void wheelTurned(int delta) override;
    void keyReleased(int key, int modifiers) override;

    int count(const std::string &prefix) const;
};
