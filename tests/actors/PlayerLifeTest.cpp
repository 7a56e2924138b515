// The hero's death: kill, the spin, and the restart or game over that the
// drawing triggers once the spin is complete. Also the figure's drawing
// leaves the GL state as it found it, in every pose.
#include "ActorTestSupport.h"

#include "app/WorldProxy.h"
#include "render/GL.h"
#include "world/Level.h"

#include <gtest/gtest.h>

namespace {
// A world that only counts what the hero asks of it.
class RestartCountingWorld : public Level {
public:
    void initialize() override { ++initializations; }
    void display() override {}
    void restart() override
    {
        ++restarts;
        if (hero)
            hero->reset();
    }

    Player *hero = nullptr;
    int restarts = 0;
    int initializations = 0;
};

constexpr int kStepsToRestart = 68; // 540 degrees at 8 per step
} // namespace

class PlayerLife : public HeroTest {
protected:
    void SetUp() override
    {
        HeroTest::SetUp();
        GameRegistry::setWorlds({&level, &gameOver});
        GameRegistry::setWorldProxy(&proxy);
        hero = std::make_unique<Player>(0, 1, 0);
        level.hero = hero.get();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
    }

    void dieAndSpin(int steps)
    {
        hero->kill();
        for (int i = 0; i < steps; ++i)
            hero->move();
    }

    RestartCountingWorld level;
    RestartCountingWorld gameOver;
    WorldProxy proxy{&level};
    std::unique_ptr<Player> hero;
};

TEST_F(PlayerLife, KillingADeadHeroChangesNothing)
{
    hero->setHeading(30.0f);
    hero->kill();
    EXPECT_TRUE(hero->isDead());
    EXPECT_EQ(hero->getSpinAngle(), 30.0f);
    hero->move();
    hero->move();
    hero->kill();
    EXPECT_EQ(hero->getSpinAngle(), 30.0f + 16.0f);

    // Dead, it only spins: gait, keys and jumps change nothing.
    const SbVec3f at = hero->getPosition();
    hero->walk();
    hero->forwardOn();
    hero->jump();
    hero->move();
    EXPECT_EQ(hero->getPosition(), at);
    EXPECT_EQ(hero->getWalkSpeed(), 0.0f);
    EXPECT_FALSE(hero->isJumping());
}

TEST_F(PlayerLife, AfterOneAndAHalfTurnsTheWorldRestartsAndALifeIsTaken)
{
    hero->setHeading(100.0f);
    dieAndSpin(kStepsToRestart - 1);
    hero->draw();
    EXPECT_EQ(level.restarts, 0);
    EXPECT_EQ(GameRegistry::getLives(), 3);

    hero->move();
    hero->draw();
    EXPECT_EQ(level.restarts, 1);
    EXPECT_EQ(GameRegistry::getLives(), 2);
    EXPECT_FALSE(hero->isDead());
    // The outline pass draws the hero again in the same frame: no second
    // restart.
    hero->enableOutline();
    hero->draw();
    hero->disableOutline();
    EXPECT_EQ(level.restarts, 1);
    EXPECT_EQ(proxy.world(), &level);

    // The check runs in first person too.
    hero->setVisible(false);
    dieAndSpin(kStepsToRestart);
    hero->draw();
    EXPECT_EQ(level.restarts, 2);
    EXPECT_EQ(GameRegistry::getLives(), 1);
}

TEST_F(PlayerLife, WithNoLivesLeftTheGameOverScreenFollows)
{
    GameRegistry::setLives(0);
    dieAndSpin(kStepsToRestart);
    hero->draw();
    EXPECT_EQ(level.restarts, 1); // the level is restarted all the same
    EXPECT_EQ(GameRegistry::getLives(), 0);
    EXPECT_EQ(proxy.world(), &gameOver);
    EXPECT_EQ(gameOver.initializations, 1);
}

TEST_F(PlayerLife, EveryPoseLeavesMatricesWindingAndErrorsAsFound)
{
    auto floor = floorAt(0.0f);
    auto expectClean = [](const char *pose) {
        GLint depth = 0, winding = 0;
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
        glGetIntegerv(GL_FRONT_FACE, &winding);
        EXPECT_EQ(depth, 1) << pose;
        EXPECT_EQ(winding, GL_CCW) << pose;
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)) << pose;
    };
    while (glGetError() != GL_NO_ERROR) {
    }

    step(*hero, {floor.get()});
    hero->draw();
    expectClean("standing");
    hero->walk();
    for (auto key : {&Player::forwardOn, &Player::backOn, &Player::leftOn, &Player::rightOn})
        (hero.get()->*key)();
    step(*hero, {floor.get()});
    hero->draw();
    expectClean("walking");
    hero->jump();
    step(*hero, {floor.get()});
    hero->draw();
    expectClean("jumping");
    hero->enableOutline();
    hero->draw();
    hero->disableOutline();
    expectClean("outline");
    hero->setVisible(false);
    hero->draw();
    expectClean("first person");
    hero->kill();
    hero->draw();
    expectClean("dead, first person");
    hero->setVisible(true);
    hero->draw();
    expectClean("dead");
    hero->victoryStep();
    hero->drawVictory();
    expectClean("victory");
    hero->drawDefeat();
    expectClean("defeat");
}
