#pragma once
#include <string>

// The game names its files the way it was first written, with a backslash
// separator ("Texturen\grass.bmp"). On the host they are relative paths
// with '/'; every file access goes through this one mapping.
inline std::string hostPath(std::string path)
{
    for (char &c : path)
        if (c == '\\')
            c = '/';
    return path;
}
