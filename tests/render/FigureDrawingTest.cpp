// Drawing the figures from their state: the hero in every pose leaves the
// GL state as it found it, and the camera's view puts him in the middle of
// the frame (and shows nothing of him in first person).
#include "render/ActorPainter.h"
#include "render/CameraView.h"
#include "render/GL.h"
#include "sim/Camera.h"
#include "sim/GameRegistry.h"
#include "sim/Player.h"
#include "sim/Surface.h"
#include "support/GlContext.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {
class FigureDrawing : public GlContextTest {
protected:
    void SetUp() override
    {
        GlContextTest::SetUp();
        GameRegistry::setGravity(0.0f, -0.5f, 0.0f);
        hero = std::make_unique<Player>(50, 1, 50);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
    }

    // A 100 x 100 floor at height y, front side up.
    static std::unique_ptr<Surface> floorAt(float y)
    {
        return std::make_unique<Surface>(SbVec3f(0, y, 0), SbVec3f(100, y, 0), SbVec3f(0, y, 100));
    }

    // One simulation step for a lone hero.
    static void step(Player &hero, const std::vector<Surface *> &faces)
    {
        hero.move();
        for (Surface *face : faces)
            if (face->testCollision(&hero))
                face->resolveCollision(&hero);
    }

    GameRegistry registry;
    std::unique_ptr<Player> hero;
};
} // namespace

TEST_F(FigureDrawing, EveryPoseOfTheHeroLeavesMatricesWindingAndErrorsAsFound)
{
    auto floor = floorAt(0.0f);
    while (glGetError() != GL_NO_ERROR) {
    }
    Player &h = *hero;
    ActorPainter painter;
    auto stepOnFloor = [&] { step(h, {floor.get()}); };
    auto draw = [&] { painter.draw(h, DrawPass::Shaded); };
    // In order, each pose from the one before.
    const struct {
        const char *pose;
        std::function<void()> draw;
    } poses[] = {
        {"standing", [&] { stepOnFloor(); draw(); }},
        {"walking", [&] { h.walk(); h.forwardOn(); h.backOn(); h.leftOn(); h.rightOn(); stepOnFloor(); draw(); }},
        {"jumping", [&] { h.jump(); stepOnFloor(); draw(); }},
        {"outline", [&] { painter.draw(h, DrawPass::Outline); }},
        {"first person", [&] { h.setVisible(false); draw(); }},
        {"dead, first person", [&] { h.kill(); draw(); }},
        {"dead", [&] { h.setVisible(true); draw(); }},
        {"victory", [&] { h.victoryStep(); painter.drawVictory(h, DrawPass::Shaded); }},
        {"defeat", [&] { painter.drawDefeat(h, DrawPass::Shaded); }},
    };
    for (const auto &p : poses) {
        p.draw();
        expectGlStateClean(p.pose);
    }
}

TEST_F(FigureDrawing, TheCamerasViewShowsTheHeroInTheMiddleAndNothingInFirstPerson)
{
    Camera camera(hero.get());
    glClearColor(0, 0, 0, 1);
    glDisable(GL_LIGHTING);
    glEnable(GL_DEPTH_TEST);
    ActorPainter painter;
    camera.move();
    camera.finishStep();
    setUpCameraView(camera);
    painter.draw(*hero, DrawPass::Shaded);
    const QImage seen = grab();
    EXPECT_GT(litPixels(seen), 500);
    EXPECT_NE(seen.pixel(kWidth / 2, kHeight / 2) & 0xFFFFFF, 0u); // the body is centred

    camera.setDistance(1.0f);
    camera.move();
    camera.finishStep();
    setUpCameraView(camera);
    painter.draw(*hero, DrawPass::Shaded);
    EXPECT_EQ(litPixels(grab()), 0);
    glEnable(GL_LIGHTING);
}
