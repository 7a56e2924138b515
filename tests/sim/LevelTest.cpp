#include "sim/Camera.h"
#include "sim/GameRegistry.h"
#include "sim/MovingBoundary.h"
#include "sim/Player.h"
#include "sim/WorldProxy.h"
#include "support/TestLevel.h"

#include <Qt>
#include <gtest/gtest.h>

namespace {

// A 20 x 10 x 20 room with a floor at y = 0.
void buildRoom(TestLevel &level) { level.addQuadrat(SbVec3f(0, 0, 0), 20, 10, 20); }

struct LevelTest : ::testing::Test {
    GameRegistry registry;
    TestLevel level;
    WorldProxy proxy{&level};

    void SetUp() override
    {
        GameRegistry::setWorlds({&level});
        GameRegistry::setWorldProxy(&proxy);
    }

    void start(std::function<void(TestLevel &)> build, SbVec3f startAt = SbVec3f(10, 1, 10))
    {
        level.build = std::move(build);
        level.place = [startAt](TestLevel &l) { l.setStartPosition(startAt); };
        proxy.initializeGL();
    }
};

} // namespace

TEST_F(LevelTest, BuildingIndicesCountTheirOwnListAndBadOnesAreIgnored)
{
    int first = -1, hazard = -1, cube = -1, secondCube = -1, emptyPath = -1;
    start([&](TestLevel &l) {
        cube = l.addEndCube(SbVec3f(1, 0, 1));
        l.addQuadrat(SbVec3f(0, 0, 0), 100, 20, 100);
        first = l.addSurface(SbVec3f(0, 1, 0), SbVec3f(1, 1, 0), SbVec3f(0, 1, 1));
        l.addSurface(SbVec3f(0, 2, 0), SbVec3f(1, 2, 0), SbVec3f(0, 2, 1));
        hazard = l.addHazardousSurface(SbVec3f(0, 3, 0), SbVec3f(1, 3, 0), SbVec3f(0, 3, 1));
        secondCube = l.addEndCube(SbVec3f(5, 0, 5));
        emptyPath = l.addPath(nullptr, 0);
        // Indices the script never got: each call is ignored.
        l.setQuadratColor(3, 1, 0, 0);
        l.flipSurface(-1);
        l.setMovingQuadratTextures(0, 1, 1, 1, 1, 1, 1);
        EXPECT_EQ(l.addTrigger(SbVec3f(), SbVec3f(1, 0, 0), SbVec3f(0, 0, 1), 2, 0, 10), -1);
        EXPECT_EQ(l.addMovingQuadrat(SbVec3f(), 1, 1, 1, 4, 0.1f), -1);
    });
    EXPECT_EQ(cube, 0);
    EXPECT_EQ(secondCube, 1);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(hazard, 2);
    EXPECT_EQ(emptyPath, 0);
    EXPECT_EQ(level.getMovingBoundaries().size(), 0u);
}

TEST_F(LevelTest, ActorsOutsideTheGridSkipTheStaticTest)
{
    start(buildRoom);
    Player *hero = level.getPlayer();
    for (SbVec3f far : {SbVec3f(5000, 50, 5000), SbVec3f(-2000, 50, 10), SbVec3f(10, 1e30f, 10)}) {
        hero->setPosition(far);
        hero->savePreviousPosition();
        level.collide(); // must not read outside the grid
        EXPECT_EQ(hero->getPosition(), far);
    }
}

TEST_F(LevelTest, WheelZoomFollowsItsLimits)
{
    start(buildRoom);
    Camera *camera = level.getCamera();
    const struct {
        float from;
        int delta;
        float to;
    } rows[] = {{0, 120, 0}, {0, -120, 1.5f}, {6.2f, -120, 6.2f}, {6.2f, 120, 5.6f}};
    for (const auto &row : rows) {
        camera->setDistance(row.from);
        level.wheelTurned(row.delta);
        EXPECT_FLOAT_EQ(camera->getDistance(), row.to) << row.from << " turned by " << row.delta;
    }
}

TEST_F(LevelTest, MouseTurnsCameraAndHeroOrOrbitsWithTheRightButton)
{
    start(buildRoom);
    Camera *camera = level.getCamera();
    Player *hero = level.getPlayer();
    level.mouseMoved(500, 300, 400, 300);
    EXPECT_EQ(camera->getHeading(), 3.0f);
    EXPECT_EQ(hero->getHeading(), 3.0f);

    level.mouseButton(2, true);
    level.mouseMoved(300, 200, 400, 300);
    EXPECT_EQ(camera->getHeading(), 0.0f);
    EXPECT_EQ(camera->getPitch(), -3.0f);
    EXPECT_EQ(hero->getHeading(), 3.0f);
    level.mouseButton(2, false);

    level.mouseButton(1, true);
    level.mouseMoved(900, 900, 400, 300);
    EXPECT_EQ(camera->getHeading(), 0.0f);
    EXPECT_EQ(camera->getPitch(), -3.0f);
}

// W, Shift and the mouse turning the hero are the replays' keys
// (tests/levels/*.play); the arrows are not.
TEST_F(LevelTest, ArrowKeysMoveLikeTheLetters)
{
    start(buildRoom);
    level.keyPressed(Qt::Key_Up, 0, 0, 0);
    EXPECT_TRUE(level.getPlayer()->isMovingForward());
    level.keyReleased(Qt::Key_Up, 0);
    EXPECT_FALSE(level.getPlayer()->isMovingForward());
}
