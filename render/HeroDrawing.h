#pragma once
#include "render/FigureDrawing.h"

// The hero's figure: the walking figure with the torch in one hand, its
// tip light 0; light 0 alone in first person; and the two posed drawings
// of the closing screens. World units, degrees.
class HeroDrawing : public FigureDrawing {
public:
    // happyHead: texture index of the head of the victory pose.
    HeroDrawing(const FigurePose &pose, const Looks &looks, unsigned int happyHead, DrawPass pass,
                FigureShapes &shapes, bool gravityUp);

    // First person: no figure, only light 0 where the torch would be.
    void placeTorchLightOnly() const;
    void placeDeadTorchLightOnly() const;
    // The closing screens' poses: hopping (hop height in world units, hop
    // angle in degrees) and lying on the ground.
    void drawVictory(float hopHeight, float hopAngle);
    void drawDefeat();

private:
    void drawLivingArms() override;
    void drawDeadArms() override;
    void placeLightAlongTorchArm() const;
    void poseTorchHand() const;
    void drawTorchHand(bool posed);
    void drawStandingTorch(SbVec3f offset);
    void drawTorch(float constantAttenuation, float fadeAttenuation);
    void placeLight(float constantAttenuation, float fadeAttenuation) const;

    const unsigned int happyHead;
};
