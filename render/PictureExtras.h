#pragma once
#include "core/FigurePose.h"
#include "render/RunNotice.h"

#include <vector>

// What a run adds to a world's picture (render knows nothing of runs): a
// ghost figure drawn after the opaque scene, and notice lines over the
// overlay. Read while drawing; reading changes nothing.
class PictureExtras {
public:
    virtual ~PictureExtras() = default;
    // The ghost's pose in this frame; null: no ghost.
    virtual const FigurePose *ghostPose() const = 0;
    virtual std::vector<NoticeLine> noticeLines() const = 0;
};
