#pragma once
#include <string>
#include <vector>

// The game's command line:
//
//   torchhero [--nickname NAME] [--fullscreen] [--size WxH] [--data DIR]
//             [--record FILE | --replay FILE] [--trace FILE] [--outlines smooth|fast]
//             [--practice N | --level-file FILE] [--no-ghost]
//   torchhero --check-level FILE
//   torchhero --help | --version
struct CommandLine {
    enum Action { Play, CheckLevel, ShowHelp, ShowVersion, Refuse };
    Action action = Play;
    // ShowHelp, ShowVersion: the text for standard output; Refuse: the one
    // line for standard error.
    std::string message;

    bool hasNickname = false;
    std::string nickname; // already cut to the nickname window's rule
    bool fullScreen = false;
    int width = 0; // 0: Qt's default size
    int height = 0;
    std::string dataDirectory;
    std::string recordFile;
    std::string replayFile;
    std::string traceFile;
    bool hasOutlines = false; // --outlines given
    bool fastOutlines = false; // --outlines fast
    std::string levelToCheck;  // CheckLevel
    int practiceLevel = 0;     // --practice N: LevelN alone, 1 to 8; 0: none
    std::string levelFile;     // --level-file: a level file alone, as practice
    bool noGhost = false;      // --no-ghost
};

// Largest window or picture side --size accepts, in pixels.
constexpr int kMaxWindowSide = 8192;

// The arguments after the program name, as the process got them (local
// 8-bit). Looks at nothing outside them: whether files and directories
// exist is the caller's business.
CommandLine parseCommandLine(const std::vector<std::string> &arguments);

// "WxH" with both sides from 1 to maxSide pixels.
bool parseWindowSize(const std::string &text, int maxSide, int &width, int &height);
