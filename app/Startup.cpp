#include "app/Startup.h"
#include "render/GlFormat.h"
#include "run/GameObjects.h"

#include "app/WarningDialog.h"
#include "core/WarningBox.h"

#include "app/CommandLine.h"
#include "app/Gamepad.h"
#include "app/LevelCheck.h"
#include "app/QtFenster.h"
#include "app/QtNameEntry.h"
#include "app/SettingsStartup.h"
#include "app/SettingsStore.h"
#include "audio/AudioDevice.h"
#include "core/Paths.h"
#include "render/BitmapText.h"
#include "render/ComicStyle.h"
#include "run/LevelFilePlay.h"
#include "run/RunSession.h"
#include "sim/GameRegistry.h"
#include "sim/WorldProxy.h"

#include <QApplication>
#include <QStandardPaths>
#include <QSurfaceFormat>
#include <QTemporaryDir>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {
// Exit code of a run that the command line (or what it names) refused.
constexpr int kRefusedExitCode = 2;
// Exit code when no directory holds the game's files.
constexpr int kNoDataExitCode = 1;
} // namespace

std::vector<std::string> dataDirectoryCandidates()
{
    std::error_code error;
    const std::filesystem::path binary = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return {};
    const std::filesystem::path folder = binary.parent_path();
    return {(folder / TORCHHERO_DATA_FROM_BINARY).lexically_normal().string(), (folder / "run").string()};
}

namespace {
int refuse(const std::string &why, int exitCode = kRefusedExitCode)
{
    std::fprintf(stderr, "torchhero: %s\n", why.c_str());
    return exitCode;
}

std::string userDataDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toLocal8Bit().toStdString();
}

// Reads from the data directory, keeps the high scores where they may be
// written, and seeds the table there when it is missing.
std::string settleFiles(const CommandLine &options)
{
    const FileLocations where = locateGameFiles(options.dataDirectory, dataDirectoryCandidates(),
                                                userDataDirectory());
    if (!where.problem.empty())
        return where.problem;
    setDataDirectory(where.dataDirectory);
    setHighScoreFile(where.highScoreFile);
    if (!where.dataDirectory.empty())
        if (std::string problem = seedHighScoreTable(where.highScoreFile); !problem.empty())
            std::fprintf(stderr, "torchhero: %s: the high-score table will not be kept\n", problem.c_str());
    return {};
}

// A replay is no new result: the high-score screen enters it into a copy of
// the table in `scratch`, which goes when the run ends.
void keepTableApart(const QTemporaryDir &scratch)
{
    const std::string copy = scratch.filePath(QStringLiteral("HighScore.hs")).toLocal8Bit().toStdString();
    std::error_code error;
    if (!std::filesystem::copy_file(highScoreFile(), copy, error))
        seedHighScoreTable(copy);
    setHighScoreFile(copy);
}

std::string prepareSession(const CommandLine &options, RunSession &session)
{
    if (!options.replayFile.empty())
        if (std::string problem = session.replayFrom(options.replayFile); !problem.empty())
            return problem;
    if (!options.recordFile.empty())
        if (std::string problem = session.recordInto(options.recordFile); !problem.empty())
            return problem;
    if (!options.traceFile.empty())
        return session.traceInto(options.traceFile);
    return {};
}

// Practice and level files keep no run; a replay writes no records (it is
// no new play), but shows the splits and the ghosts.
TimeTrialSetup timeTrialSetup(const CommandLine &options, const RunSession &session)
{
    TimeTrialSetup setup;
    setup.keepRecords = !session.isReplaying();
    setup.practice = options.practiceLevel != 0 || !options.levelFile.empty();
    setup.levelsKept = options.levelFile.empty();
    setup.showGhost = !options.noGhost;
    return setup;
}

// A replay starts where its script did ("# world: N", 0 when absent).
bool startWhereTheReplayDid(const RunSession &session, GameObjects &game)
{
    const std::string header = session.replayedScript().header("world", "0");
    char *end = nullptr;
    const long world = std::strtol(header.c_str(), &end, 10);
    return !*end && !header.empty() && world <= INT_MAX && startAtWorld(game, int(world));
}
} // namespace

int runGame(int argc, char **argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("torchhero"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TORCHHERO_VERSION));
    const CommandLine options = parseCommandLine(std::vector<std::string>(argv + (argc > 0), argv + argc));
    switch (options.action) {
    case CommandLine::ShowHelp:
    case CommandLine::ShowVersion: std::fputs(options.message.c_str(), stdout); return 0;
    case CommandLine::Refuse: std::fprintf(stderr, "%s\n", options.message.c_str()); return kRefusedExitCode;
    case CommandLine::CheckLevel: return checkLevelFile(options.levelToCheck);
    case CommandLine::Play: break;
    }
    // A --data DIR without the game's files is a bad value; finding none
    // anywhere else is a broken installation.
    if (std::string problem = settleFiles(options); !problem.empty())
        return refuse(problem, options.dataDirectory.empty() ? kNoDataExitCode : kRefusedExitCode);
    setWarningBoxHook(showWarningDialog);
    RunSession session;
    if (std::string problem = prepareSession(options, session); !problem.empty())
        return refuse(problem);

    const QTemporaryDir replayScratch;
    if (session.isReplaying() && replayScratch.isValid())
        keepTableApart(replayScratch);

    SettingsStore settings(defaultSettingsPath());
    reportSettingsProblems(settings);
    followSettings(settings, options);
    GameObjects game = createGameObjects();
    if (session.isReplaying() && !startWhereTheReplayDid(session, game))
        return refuse(options.replayFile + ": no world " + session.replayedScript().header("world"));
    if (options.practiceLevel)
        startAtWorld(game, levelIndex(game, "Level0" + std::to_string(options.practiceLevel)));
    LevelFilePlay levelFile(options.levelFile);
    if (!options.levelFile.empty())
        if (const std::vector<std::string> errors = levelFile.install(game); !errors.empty()) {
            for (const std::string &error : errors)
                std::fprintf(stderr, "%s\n", error.c_str());
            return kRefusedExitCode;
        }
    session.attach(game.proxy, game.worlds);
    session.startTimeTrial(timeTrialSetup(options, session));
    showPictureExtras(game, session.timeTrial());
    requestCompatibilityContext();
    // Qt sees no argument of the player's: they are all the game's.
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    initBitmapFont();

    Gamepad gamepad;
    GameWindowSetup setup = gameWindowSetup(options, settings, &gamepad, &session);
    if (!options.levelFile.empty())
        setup.levelReload = [&levelFile, &game] { return levelFile.reload(game); };
    std::string nickname = options.nickname;
    if (session.isReplaying() && !options.hasNickname)
        nickname = QtNameEntry::nicknameRule(
            QString::fromLatin1(session.replayedScript().header("nickname").c_str()));
    if (options.hasNickname || session.isReplaying()) {
        GameRegistry::setNickname(nickname);
        openGameWindow(game.proxy, setup);
    } else {
        (new QtNameEntry(game.proxy, setup))->show();
    }
    int result = application.exec();
    if (std::string problem = session.finish(GameRegistry::getNickname()); !problem.empty()) {
        std::fprintf(stderr, "torchhero: %s\n", problem.c_str());
        result = 1;
    }
    closeAudio();
    return result;
}
