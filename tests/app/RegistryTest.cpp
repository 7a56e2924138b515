#include "app/GameRegistry.h"
#include "app/WorldProxy.h"
#include "support/RecordingWorld.h"

#include <gtest/gtest.h>
#include <memory>

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
TEST_F(SwitchingTest, ShowLastWorldKeepsTheIndexAndNextWorldStopsAtTheEnd)
{
    GameRegistry::showLastWorld();
    EXPECT_EQ(GameRegistry::currentWorld(), &last);
    GameRegistry::nextWorld(); // b: the index was kept
    EXPECT_EQ(GameRegistry::currentWorld(), &b);
    GameRegistry::nextWorld(); // c
    GameRegistry::nextWorld(); // last
    GameRegistry::nextWorld(); // nothing left
    EXPECT_EQ(GameRegistry::currentWorld(), &last);
    EXPECT_EQ(last.count("initialize"), 2);
}
