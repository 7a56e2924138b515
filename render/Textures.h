#pragma once
// The GL texture of a texture index of the registry's list, made (mipmaps
// uploaded) the first time it is asked for and kept from then on; 0 for an
// index not in the list. Needs the GL context. A texture cannot be made
// while a display list is being recorded (the upload would go into the
// list): makeTextures first.
unsigned int getTexture(unsigned int index);

// Makes the GL texture of every index of the list that has none yet; run
// when a world is set up for drawing, before its display lists are
// recorded.
void makeTextures();
