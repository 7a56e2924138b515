#include "app/GameRegistry.h"

#include <iostream>

// Placeholder until the bitmap reader arrives: every load fails.
unsigned int GameRegistry::loadTexture(std::string)
{
    if (!instance)
        return 0;
    std::cout << "Datei nicht gefunden" << std::flush;
    return 0;
}

unsigned int GameRegistry::getTexture(unsigned int index)
{
    if (!instance || index >= instance->textures.size())
        return 0;
    return instance->textures[index];
}
