#include "app/GameRegistry.h"
#include "app/Startup.h"
#include "app/WorldProxy.h"
#include "levels/Level01.h"
#include "levels/Level02.h"
#include "levels/Level03.h"
#include "levels/Level04.h"
#include "screens/EndLevel.h"
#include "screens/GameOver.h"
#include "support/RecordingWorld.h"

#include <gtest/gtest.h>
#include <memory>
#include <typeinfo>

TEST(GameRegistry, WithoutInstanceGettersAreNeutralAndSettersInert)
{
    GameRegistry::setLives(5);
    GameRegistry::setNickname("abc");
    GameRegistry::setGravity(1, 2, 3);
    EXPECT_EQ(GameRegistry::getLives(), 0);
    EXPECT_EQ(GameRegistry::getNickname(), "");
    EXPECT_EQ(GameRegistry::getGravity(), SbVec3f(0, 0, 0));
    EXPECT_EQ(GameRegistry::takeNextWorld(), nullptr);
    EXPECT_EQ(GameRegistry::currentWorld(), nullptr);
    EXPECT_EQ(GameRegistry::getPlayer(), nullptr);
    EXPECT_TRUE(GameRegistry::getPlayTime().isNull());
    EXPECT_EQ(GameRegistry::loadTexture("grass.bmp"), 0u);
    GameRegistry::nextWorld(); // must not crash
    GameRegistry::showLastWorld();
}

TEST(GameRegistry, FirstInstanceStartsWithThreeLivesAndStaysTheInstance)
{
    GameRegistry first;
    EXPECT_EQ(GameRegistry::getLives(), 3);
    GameRegistry::setLives(1);
    {
        GameRegistry second; // not the instance: it must not reset the state
        EXPECT_EQ(GameRegistry::getLives(), 1);
    }
    EXPECT_EQ(GameRegistry::getLives(), 1);
}

TEST(GameRegistry, WorldsComeInPlayOrderWithGameOverLast)
{
    GameRegistry registry;
    std::vector<World *> worlds = createWorlds();
    ASSERT_EQ(worlds.size(), 10u);
    EXPECT_EQ(typeid(*worlds[8]), typeid(EndLevel));
    EXPECT_EQ(typeid(*worlds[9]), typeid(GameOver));

    GameRegistry::setWorlds(worlds);
    EXPECT_EQ(typeid(*GameRegistry::takeNextWorld()), typeid(Level01));
    EXPECT_EQ(typeid(*GameRegistry::takeNextWorld()), typeid(Level03));
    EXPECT_EQ(typeid(*GameRegistry::takeNextWorld()), typeid(Level02));
    EXPECT_EQ(typeid(*GameRegistry::takeNextWorld()), typeid(Level04));
    for (int i = 4; i < 10; ++i)
        EXPECT_EQ(GameRegistry::takeNextWorld(), worlds[i]);
    EXPECT_EQ(GameRegistry::takeNextWorld(), nullptr);
}

struct SwitchingTest : ::testing::Test {
    GameRegistry registry;
    RecordingWorld a, b, c, last;
    std::unique_ptr<WorldProxy> proxy;

    void SetUp() override
    {
        GameRegistry::setWorlds({&a, &b, &c, &last});
        proxy = std::make_unique<WorldProxy>(GameRegistry::takeNextWorld());
        GameRegistry::setWorldProxy(proxy.get());
    }
};

// The proxy's GL defaults need a context; these tests only look at which
// world is current and tolerate GL calls without a context (they are
// no-ops under Mesa's dispatch when nothing is current).
TEST_F(SwitchingTest, ShowLastWorldKeepsTheIndex)
{
    GameRegistry::showLastWorld();
    EXPECT_EQ(GameRegistry::currentWorld(), &last);
    EXPECT_EQ(GameRegistry::takeNextWorld(), &b);
}

TEST_F(SwitchingTest, NextWorldPastTheEndKeepsTheCurrentWorld)
{
    GameRegistry::nextWorld(); // b
    GameRegistry::nextWorld(); // c
    GameRegistry::nextWorld(); // last
    EXPECT_EQ(GameRegistry::currentWorld(), &last);
    GameRegistry::nextWorld(); // nothing left
    EXPECT_EQ(GameRegistry::currentWorld(), &last);
    EXPECT_EQ(last.count("initialize"), 1);
}
