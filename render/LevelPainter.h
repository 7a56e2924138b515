#pragma once
#include "render/ActorPainter.h"
#include "render/DrawPass.h"
#include "render/FacePainter.h"
#include "sim/WorldPainter.h"

#include <vector>

class Level;
class PictureExtras;

// Told when each phase of a frame's drawing is over, in this order: the
// set-up (shader bound, the camera's clear and view), the shaded pass, the
// outline pass, the overlay. For the frame benchmark.
class FramePhaseListener {
public:
    enum Phase { SetUp, Shaded, Outline, Overlay };
    virtual ~FramePhaseListener() = default;
    virtual void phaseEnded(Phase phase) = 0;
};

// How a level looks: the comic shaded pass (actors, the static scene from
// its display lists, the moving faces), the black outline pass, and the
// heads-up display; then what the run adds (PictureExtras). The closing screens pose their hero and write their
// own texts (drawActors, drawOverlay).
class LevelPainter : public WorldPainter {
public:
    explicit LevelPainter(Level &level);

    // The GL defaults, then the static display lists.
    void setUp() override;
    void drawFrame() override;
    void resize(int width, int height) override;

    // drawFrame in its parts, in this order; public so that the picture
    // tests can draw parts of a frame. beginShadedPass binds the comic
    // shader and sets up the camera's view; drawShadedPass draws actors,
    // scenery and particles and unbinds the shader; drawOutlinePass draws
    // them again as black outlines; drawOverlay comes last.
    void beginShadedPass();
    void drawShadedPass();
    void drawOutlinePass();
    virtual void drawOverlay();
    // The actors alone, and the level geometry's outlines alone, in the
    // pass asked for (the outline state is the caller's).
    virtual void drawActors(DrawPass pass);
    void drawBoundaryOutlines();

    // (Re)records the static display lists, one a static boundary in table
    // order; setUp does, and tools and tests again after changing the
    // faces' StaticDrawing.
    void recordStaticList();
    unsigned int getStaticList() const { return staticList; }
    // Null: nobody listens.
    void setPhaseListener(FramePhaseListener *listener) { phaseListener = listener; }
    // What the run adds to the picture (not owned); null: nothing.
    void setExtras(const PictureExtras *runExtras) { extras = runExtras; }

protected:
    Level &level;
    ActorPainter actors;

private:
    void drawScenery();
    // The run's ghost, after the opaque scene, and its notice over the
    // overlay.
    void drawGhost();
    void drawNotice();
    void orderStaticFaces();
    void phaseEnded(FramePhaseListener::Phase phase);

    FacePainter faces;
    // The static boundaries' display lists, one a boundary in table order
    // from staticList on, and this frame's distances from the eye and order
    // of drawing them.
    unsigned int staticList = 0;
    int staticListCount = 0;
    std::vector<float> staticDistance;
    std::vector<unsigned int> staticDrawOrder;
    FramePhaseListener *phaseListener = nullptr;
    const PictureExtras *extras = nullptr;
};
