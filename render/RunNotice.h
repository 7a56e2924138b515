#pragma once
#include <string>
#include <vector>

// Text a run shows over a world's picture, besides the world's own
// overlay: lines of coloured pieces at the top left, in the overlay's font.
enum class NoticeTint { White, Green, Red };
struct NoticePiece {
    std::string text;
    NoticeTint tint = NoticeTint::White;
};
using NoticeLine = std::vector<NoticePiece>;

void drawNotice(const std::vector<NoticeLine> &lines);

// The paused game: the picture dimmed, "PAUSED" in its middle and the hint
// on the line below.
void drawPausedOverlay(const std::string &hint);
