#pragma once
// Kept apart from the Qt GL headers, which must not meet GLEW's.
bool initGlew();
