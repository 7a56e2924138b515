// The eight levels' files as the program holds them: each reads without an
// error, and a few distinctive values of each built level are as they
// were, so that a slip in a file shows here.
#include "levels/Level01.h"
#include "levels/Level02.h"
#include "levels/Level03.h"
#include "levels/Level04.h"
#include "levels/Level05.h"
#include "levels/Level06.h"
#include "levels/Level07.h"
#include "levels/Level08.h"
#include "levels/LevelReader.h"
#include "sim/Boulder.h"
#include "sim/Didud.h"
#include "sim/GameRegistry.h"
#include "sim/MovingBoundary.h"
#include "sim/Player.h"
#include "sim/Trigger.h"
#include "sim/WorldProxy.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// What makes one level itself: how many pieces of each list, where the
// hero starts, where the first exit stands, one moving piece (its anchor,
// speed, first waypoint and, for a trigger, its delay and whether the hero
// sets it off) and the size of the last actor (a boulder's radius or a
// Didud's sight range).
struct Fingerprint {
    const char *name;
    std::function<Level *()> make;
    std::size_t staticPieces, movingPieces, actors;
    SbVec3f start, exit;
    std::size_t probe; // index in the moving list
    SbVec3f probeAt;
    float probeSpeed;
    SbVec3f probeWaypoint;
    int probeDelay; // for a trigger; 0 for a face
    bool probeTakesHero;
    float lastActorSize; // 0 for the hero alone
};

float actorSize(Entity *actor)
{
    if (auto *boulder = dynamic_cast<Boulder *>(actor))
        return boulder->getRadius();
    if (auto *didud = dynamic_cast<Didud *>(actor))
        return didud->getSightRange();
    return 0.0f;
}

// The levels are built as the simulation builds them: no GL, no sound.
struct LevelFiles : ::testing::Test {
    GameRegistry registry;

    void expectFingerprint(const Fingerprint &f)
    {
        SCOPED_TRACE(f.name);
        std::unique_ptr<Level> level(f.make());
        WorldProxy proxy(level.get());
        GameRegistry::setWorlds({level.get()});
        GameRegistry::setWorldProxy(&proxy);
        proxy.initializeGL();

        ASSERT_EQ(level->getStaticBoundaries().size(), f.staticPieces);
        ASSERT_EQ(level->getMovingBoundaries().size(), f.movingPieces);
        ASSERT_EQ(level->getEntities().size(), f.actors);
        EXPECT_EQ(level->getPlayer()->getPosition(), f.start);
        EXPECT_EQ(level->getStaticBoundaries()[0]->getPosition(), f.exit);
        EXPECT_EQ(actorSize(level->getEntities().back()), f.lastActorSize);
        if (f.movingPieces == 0)
            return;
        MovingBoundary *probe = level->getMovingBoundaries()[f.probe];
        EXPECT_EQ(probe->getPosition(), f.probeAt);
        EXPECT_EQ(probe->getSpeed(), f.probeSpeed);
        EXPECT_EQ(probe->getPath().front(), f.probeWaypoint);
        auto *trigger = dynamic_cast<Trigger *>(probe);
        EXPECT_EQ(trigger ? trigger->getDelay() : 0, f.probeDelay);
        EXPECT_EQ(!trigger || trigger->reactsToPlayer(), f.probeTakesHero);
    }
};

template <typename L> std::function<Level *()> maker()
{
    return [] { return new L; };
}

} // namespace

TEST(LevelFileResources, EveryLevelFileReadsWithoutAnError)
{
    for (int n = 1; n <= 8; ++n) {
        const std::string resource = ":/levels/Level0" + std::to_string(n) + ".level";
        const LevelReading reading = readLevelFile(resource);
        EXPECT_TRUE(reading.ok()) << reading.errors.front();
        EXPECT_GT(reading.level.calls.size(), 10u) << resource;
    }
}

TEST_F(LevelFiles, EachLevelBuildsWithItsDistinctiveValues)
{
    using V = SbVec3f;
    const Fingerprint levels[] = {
        {"Level01", maker<Level01>(), 44, 7, 1, V(20, 5, 20), V(80, 16, 85), 6, V(45, 14, 25), 0, V(45, 14, 35), 100,
         true, 0},
        {"Level02", maker<Level02>(), 31, 18, 1, V(102, 2, 0), V(102, 0, 90), 12, V(100, 10, 72), 1, V(100, 15, 72), 0,
         true, 0},
        {"Level03", maker<Level03>(), 37, 6, 1, V(102, 2, 0), V(109, 0, 95), 0, V(90, 0, 10), 0.1f, V(100, 0, 10), 0,
         true, 0},
        {"Level04", maker<Level04>(), 11, 0, 4, V(102, 6, 0), V(109, 5, 90), 0, V(), 0, V(), 0, true, 3.5f},
        {"Level05", maker<Level05>(), 44, 34, 3, V(10, 7, 2), V(10, 5, 170), 33, V(1, 5.35f, 129), 0, V(1, 4.75f, 128),
         10, true, 1},
        {"Level06", maker<Level06>(), 33, 24, 5, V(12, 7, 2), V(10, 5, 110), 6, V(38, 25, 35), 1.2f, V(38, 25, 35), 0,
         true, 2.5f},
        {"Level07", maker<Level07>(), 32, 14, 2, V(10, 3.5f, 2), V(9.5f, 2, 99.5f), 13, V(9.5f, 2.05f, 10), 0,
         V(0, 0, 15), 10, true, 30},
        {"Level08", maker<Level08>(), 103, 14, 3, V(2, 24, 2), V(29.5f, 5, 75), 12, V(28, 0.3f, 27.5f), 0,
         V(27.5f, -0.25f, 27.5f), 10, false, 15},
    };
    for (const Fingerprint &level : levels)
        expectFingerprint(level);
}
