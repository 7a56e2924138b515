#pragma once
// The game draws with the fixed-function pipeline, display lists and GLSL
// 1.x shaders: it needs a compatibility profile. Call before the
// QApplication exists.
void requestCompatibilityContext();
