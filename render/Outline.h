#pragma once
// GL state of the black outline pass. The outlines are smooth 3-pixel lines
// by default; the fast ones (aliased, one pixel wider) cost about half as
// much on a software renderer. A process-wide setting, read by
// beginOutline.
enum class OutlineLines { Smooth, Fast };
void setOutlineLines(OutlineLines lines);
OutlineLines getOutlineLines();

// Around the whole outline pass: back faces as thick black lines, front
// faces culled, so that only silhouettes and creases remain.
void beginOutline();
void endOutline();
// Inside the outline pass, around the static and moving geometry: pulls
// its lines towards the viewer by a bounded polygon offset.
void beginFlatOutlines();
void endFlatOutlines();
