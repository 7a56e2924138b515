#pragma once

#include <functional>
#include <vector>

// Shapes that never change (the figures' GLU spheres, cylinders and disks),
// recorded once into display lists and replayed. GLU hands every vertex of
// a sphere to the immediate mode on each call, and the renderer copies them
// on every frame; a list holds them ready. The picture is the same: a list
// replays the very vertices GLU emitted.
class ShapeLists {
public:
    explicit ShapeLists(int count) : count(count) {}
    ShapeLists(const ShapeLists &) = delete;
    ShapeLists &operator=(const ShapeLists &) = delete;

    // Draws shape `shape` (0 .. count - 1): replays its list, recording it
    // first with `emit` when the current context does not hold it yet.
    // While another list is being recorded, or without list names, `emit`
    // draws directly.
    void draw(int shape, const std::function<void()> &emit);

private:
    int count;
    unsigned int base = 0; // the first of `count` list names, 0 before the first draw
    std::vector<bool> recorded;
};
