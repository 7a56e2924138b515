#pragma once
#include <exception>

// The game's only exception types, thrown by the colour-ramp loader and
// caught by its caller; they carry no message of their own.
class TextureError : public std::exception {
public:
    const char *what() const noexcept override { return "texture error"; }
};

// The texture file could not be opened.
class FileNotFoundError : public TextureError {
public:
    const char *what() const noexcept override { return "texture file not found"; }
};

// The texture file was opened but does not hold what it should.
class FileNotValidError : public TextureError {
public:
    const char *what() const noexcept override { return "texture file not valid"; }
};
