#pragma once
#include <string>
#include <vector>

// One line of a level file taken apart, before any meaning is given to it:
//
//   [NAME =] OPERATION ARGUMENT ...   [# comment]
//
// An argument is a word (a run of characters other than blanks and
// ( ) , = #) or a point "(x, y, z)" of three words. Columns are 1-based
// byte positions, for error messages.
struct LineWord {
    std::string text;
    int column = 0;
};

struct LineArgument {
    bool isPoint = false;
    LineWord word;           // when not a point
    LineWord coordinates[3]; // when a point
    int column = 0;          // where the argument starts
};

struct LineParts {
    LineWord name;      // empty text: the line names no result
    LineWord operation; // empty text: a blank or comment line
    std::vector<LineArgument> arguments;
    int endColumn = 0; // just past the last character before any comment
};

struct LineProblem {
    int column = 0;
    std::string message;
};

// False, with what is wrong and where, for a line that cannot be taken
// apart (a character that is not allowed, a broken point, a stray '=').
bool splitLevelLine(const std::string &line, LineParts &parts, LineProblem &problem);
