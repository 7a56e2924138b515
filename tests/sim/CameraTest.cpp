// The orbiting camera: its angle rules, the follow offset, the sight-line
// pull-in and drift back, and first person.
#include "support/ActorTestSupport.h"

#include "sim/Camera.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(CameraAngles, HeadingWrapsToZeroAtAFullTurnEitherWay)
{
    const struct {
        float set, turn, expected;
    } rows[] = {{357, 3, 0}, {-357, -3, 0}, {359.5f, 0, 359.5f}};
    for (const auto &row : rows) {
        Camera camera;
        camera.setHeading(row.set);
        camera.turnBy(row.turn);
        EXPECT_EQ(camera.getHeading(), row.expected) << row.set << " turned by " << row.turn;
    }
}

TEST(CameraAngles, PitchPastNinetyIsPulledBackAndThenIgnoresRequests)
{
    // In order, on one camera. At or beyond the limit a request is ignored;
    // each call only moves the pitch half a degree back inside.
    const struct {
        bool set; // setPitch, else pitchBy
        float value, pitch;
    } calls[] = {{true, 88, 88},  {false, 3, 90.5f},  {false, -40, 90},     {true, 0, 89.5f},
                 {false, -40, 49.5f}, {true, -88, -88}, {false, -3, -90.5f}, {false, 60, -90}};
    Camera camera;
    for (const auto &call : calls) {
        call.set ? camera.setPitch(call.value) : camera.pitchBy(call.value);
        EXPECT_EQ(camera.getPitch(), call.pitch) << (call.set ? "set to " : "by ") << call.value;
    }
}

class CameraFollow : public HeroTest {
protected:
    void SetUp() override
    {
        HeroTest::SetUp();
        hero = std::make_unique<Player>(50, 1, 50);
        camera = std::make_unique<Camera>(hero.get());
    }

    // A wall in z = 47 between the hero at z = 50 and the camera behind
    // it, front side towards -z (the camera's side, seen from the hero).
    static std::unique_ptr<Surface> wall()
    {
        return std::make_unique<Surface>(SbVec3f(40, 0, 47), SbVec3f(60, 0, 47),
                                         SbVec3f(40, 10, 47));
    }

    std::unique_ptr<Player> hero;
    std::unique_ptr<Camera> camera;
};

TEST_F(CameraFollow, SitsOnTheFarSideOfTheHeroFromTheEye)
{
    camera->move();
    EXPECT_EQ(camera->getPosition(), SbVec3f(50, 0.5f, 45));

    // The offset (0, -0.5, -5) turned by -30 degrees about x, then -90 about y.
    camera->setHeading(90.0f);
    camera->setPitch(30.0f);
    camera->move();
    EXPECT_LT((camera->getPosition() - SbVec3f(54.0801f, -1.9330f, 50.0f)).length(), 1e-3f);
}

TEST_F(CameraFollow, AFaceOnTheSightLinePullsInThenTheDistanceDriftsBack)
{
    auto face = wall();
    camera->move();
    ASSERT_TRUE(face->testCollision(camera.get()));
    face->resolveCollision(camera.get()); // nothing to resolve
    // The wall is 3 of the 5 units along z: 3/5 of the sight line.
    const float sightLength = std::sqrt(0.25f + 25.0f);
    const float pulled = camera->getDistance();
    EXPECT_NEAR(pulled, 0.6f * sightLength, 1e-4f);

    float expected = pulled;
    while (expected < 5.0f) {
        camera->move(); // the wall is gone
        expected += 0.2f;
        ASSERT_NEAR(camera->getDistance(), expected, 1e-4f);
    }
    EXPECT_LT(camera->getDistance(), 5.0f + 0.2f);
    camera->move();
    EXPECT_NEAR(camera->getDistance(), expected, 1e-4f); // no further drift
}

TEST_F(CameraFollow, FacesBehindTheCameraOrFacingAwayAreIgnored)
{
    camera->move();
    // Behind the camera (z = 44 is past the camera at z = 45).
    Surface far(SbVec3f(40, 0, 44), SbVec3f(60, 0, 44), SbVec3f(40, 10, 44));
    EXPECT_FALSE(far.testCollision(camera.get()));
    // Between, but facing the hero's side.
    auto away = wall();
    away->flip();
    EXPECT_FALSE(away->testCollision(camera.get()));
    EXPECT_EQ(camera->getDistance(), 5.0f);
}

TEST_F(CameraFollow, BelowOneAndAHalfTheViewIsFirstPerson)
{
    // In order, on one camera: below 1.5 the distance is pinned to 0 every
    // step, after which the drift towards the wanted distance adds its 0.2.
    const struct {
        float set;
        bool killHero;
        float distance; // after one step
        bool heroVisible;
    } rows[] = {
        {1.4f, false, 0.2f, false},
        {0.2f, false, 0.2f, false}, // pinned again in the next step
        {1.5f, false, 1.5f, false}, // not pinned, but still closer than 2.0
        {2.0f, false, 2.0f, true},
        {1.0f, true, 5.0f, true}, // a dying hero is seen from outside whatever the wheel says
    };
    for (const auto &row : rows) {
        camera->setDistance(row.set);
        if (row.killHero)
            hero->kill();
        camera->move();
        EXPECT_EQ(camera->getDistance(), row.distance) << "set to " << row.set;
        camera->finishStep();
        EXPECT_EQ(hero->isVisible(), row.heroVisible) << "set to " << row.set;
    }
}
