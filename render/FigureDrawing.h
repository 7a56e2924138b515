#pragma once
#include "core/FigurePose.h"
#include "render/DrawPass.h"

class FigureShapes;

// One drawing of a walking figure (legs, body, arms, head) from its pose,
// in the current model-view frame. The hero and the Didud share it; what
// they hold in their hands is their own (HeroDrawing). In the outline pass
// colours, textures and line widths are left to the pass. All sizes are
// world units, angles degrees.
class FigureDrawing {
public:
    // Texture indices of the registry's list.
    struct Looks {
        unsigned int clear, head, body, feet, deadHead, twinkleHead;
    };

    FigureDrawing(const FigurePose &pose, const Looks &looks, DrawPass pass, FigureShapes &shapes,
                  bool gravityUp);
    virtual ~FigureDrawing() = default;

    void drawLiving();
    void drawDead();

protected:
    // How a limb is posed:
    //   KeySwing - swung along the held directions on the ground, tilted
    //              while in the air (the living figure);
    //   Raised   - the first leg lifted by the angle, the mirrored one
    //              straight (the dead figure);
    //   Forward  - swung by the angle about x, the mirrored leg the other way;
    //   Still    - no rotation.
    enum class Limbs { KeySwing, Raised, Forward, Still };
    // Arms swing by this share of the legs' swing.
    static constexpr float kArmSwing = 0.5f;

    // The arms of the two poses, from the shoulders.
    virtual void drawLivingArms();
    virtual void drawDeadArms();

    void poseLimb(Limbs mode, float angle, bool mirrored, float inAirTilt) const;
    void applyKeySwing(float angle, float forwardSign, float sideSign) const;
    void drawLegs(Limbs mode, float angle);
    void drawLeg();
    void drawBody();
    // Shoulder, upper arm, forearm, hand; leaves the matrix at the hand.
    void drawArm(Limbs mode, float angle);
    // Both arms, the second mirrored. Upside down: the caller has flipped y,
    // which turns the winding of both round.
    void drawPlainArms(Limbs mode, float angle, bool upsideDown = false);
    void drawHead(unsigned int texture, float turn);
    float headTurn() const;
    void beginTexture(unsigned int texture) const;
    void endTexture() const;
    void setColor(float r, float g, float b) const;
    void setLineWidth(float width) const;
    bool outline() const { return pass == DrawPass::Outline; }
    // Figures stand upside down when a world turns gravity upwards.
    void flipForGravity() const;

    const FigurePose &pose;
    const Looks looks;
    const DrawPass pass;
    FigureShapes &shapes;
    // Gravity points up in this world.
    const bool gravityUp;
};
