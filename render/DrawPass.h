#pragma once
// The two passes of a frame: the shaded one, and the black outline pass, in
// which drawing code leaves colours, textures and line widths to the pass.
enum class DrawPass { Shaded, Outline };
