#pragma once
#include "sim/Level.h"

#include <functional>

// A level whose content a test writes with the building operations, and
// which opens up the level's internals for inspection.
class TestLevel : public Level {
public:
    std::function<void(TestLevel &)> build;
    std::function<void(TestLevel &)> place;

    void configure() override { useStandardSettings(); }
    void buildContent() override
    {
        if (build)
            build(*this);
    }
    void placeActors() override
    {
        if (place)
            place(*this);
    }

    using Level::collide;
};
