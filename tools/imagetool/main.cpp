// imagetool info FILE        -- describe a BMP or MetaImage file
// imagetool convert IN OUT   -- convert between BMP (.bmp) and MetaImage (.mhd)
#include "Commands.h"

#include <cstring>
#include <iostream>

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], "info") == 0)
        return infoCommand(argv[2], std::cout);
    if (argc == 4 && std::strcmp(argv[1], "convert") == 0)
        return convertCommand(argv[2], argv[3]);
    std::cerr << "usage: imagetool info FILE | imagetool convert IN OUT\n";
    return kExitUsage;
}
