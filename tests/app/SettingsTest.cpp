// The settings file: what each value reads as, every bad value named with
// its default used, files that must not be written over, and what start-up
// takes from the settings and from the command line.
#include "app/CommandLine.h"
#include "app/Settings.h"
#include "app/SettingsStartup.h"
#include "app/SettingsStore.h"
#include "render/Outline.h"
#include "sim/GameRegistry.h"
#include "support/Files.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {
struct FileCase {
    const char *what;
    const char *text; // null: no file at all
    const char *problem; // a piece of the one problem expected; null for none
};

const FileCase kBadValues[] = {
    {"no file", nullptr, nullptr},
    {"turn not a number", "[mouse]\nturnDegrees=fast\n", "mouse/turnDegrees: bad value 'fast'"},
    {"turn too small", "[mouse]\nturnDegrees=0.1\n", "degrees from 0.5 to 30): 3 is used"},
    {"turn not finite", "[mouse]\nturnDegrees=nan\n", "bad value 'nan'"},
    {"pitch not a truth", "[mouse]\ninvertPitch=yes\n", "mouse/invertPitch: bad value 'yes'"},
    {"a window key", "[keys]\njump=F1\n", "keys/jump: bad value 'F1'"},
    {"the reload key", "[keys]\nghost=F5\n", "keys/ghost: bad value 'F5'"},
    {"an arrow", "[keys]\nforward=Up\n", "keys/forward: bad value 'Up'"},
    {"a key with a modifier", "[keys]\nrun=Ctrl+R\n", "keys/run: bad value 'Ctrl+R'"},
    {"no key", "[keys]\npause=\n", "keys/pause: bad value ''"},
    {"a key taken twice", "[keys]\nforward=J\njump=J\n", "a key is bound to two actions"},
    {"volume too loud", "[sound]\nvolume=101\n", "sound/volume: bad value '101'"},
    {"outline style unknown", "[display]\noutlines=thick\n", "display/outlines: bad value 'thick'"},
    {"window side zero", "[window]\nsize=0x600\n", "window/size: bad value '0x600'"},
    {"full screen as a number", "[window]\nfullScreen=1\n", "window/fullScreen: bad value '1'"},
};

TEST(SettingsFileTest, ABadValueIsNamedWithTheFileAndItsDefaultIsUsed)
{
    for (const FileCase &row : kBadValues) {
        SCOPED_TRACE(row.what);
        TempDir dir;
        const std::string path = row.text ? dir.write("torchhero.conf", row.text) : dir.path("torchhero.conf");
        const SettingsRead read = readSettings(QString::fromStdString(path));
        EXPECT_TRUE(read.settings == GameSettings());
        EXPECT_TRUE(read.mayWrite);
        ASSERT_EQ(read.problems.size(), row.problem ? 1u : 0u);
        if (row.problem) {
            EXPECT_EQ(read.problems[0].rfind(path + ": ", 0), 0u) << read.problems[0];
            EXPECT_NE(read.problems[0].find(row.problem), std::string::npos) << read.problems[0];
        }
    }
}

// The file as a player writes it, with an entry of a later version: every
// value is read, the entry named and kept when the game writes the file.
TEST(SettingsFileTest, EveryValueReadsAsItsSettingAndWritesBackTheSame)
{
    TempDir dir;
    const QString path = QString::fromStdString(dir.write(
        "torchhero.conf", "[mouse]\nturnDegrees=4.5\ninvertPitch=true\nwish=1\n[keys]\nforward=I\nrun=Control\n"
                          "jump=F\nghost=Backspace\n[sound]\nvolume=35\n[display]\noutlines=fast\n"
                          "[window]\nsize=800x600\nfullScreen=true\n"));
    GameSettings expected;
    expected.turnDegrees = 4.5;
    expected.invertPitch = true;
    for (auto [action, key] : {std::pair{KeyBindings::Forward, Qt::Key_I}, {KeyBindings::Run, Qt::Key_Control},
                               {KeyBindings::Jump, Qt::Key_F}, {KeyBindings::Ghost, Qt::Key_Backspace}})
        expected.keys.bind(action, key);
    expected.volumePercent = 35;
    expected.fastOutlines = true;
    expected.windowWidth = 800;
    expected.windowHeight = 600;
    expected.fullScreen = true;
    const SettingsRead read = readSettings(path);
    EXPECT_TRUE(read.settings == expected);
    ASSERT_EQ(read.problems.size(), 1u);
    EXPECT_NE(read.problems[0].find("unknown setting 'mouse/wish'"), std::string::npos);

    expected.keys.bind(KeyBindings::Jump, Qt::Key_Comma); // a list separator in INI
    EXPECT_EQ(writeSettings(path, expected), "");
    EXPECT_TRUE(readSettings(path).settings == expected);
}

// A file the game cannot read gives the defaults, is named, and keeps what
// it holds however the player changes things.
TEST(SettingsFileTest, AnUnreadableOrMalformedFileIsNamedAndNeverWrittenOver)
{
    TempDir dir;
    std::filesystem::create_directories(dir.path("folder.conf"));
    const std::string broken = dir.write("broken.conf", "[mouse\nturnDegrees=\"4\n");
    for (auto [path, problem] : {std::pair{dir.path("folder.conf"), "cannot read"}, {broken, "is no settings file"}}) {
        SettingsStore store(QString::fromStdString(path));
        EXPECT_TRUE(store.values() == GameSettings());
        ASSERT_EQ(store.problems().size(), 1u);
        EXPECT_NE(store.problems()[0].find(problem), std::string::npos) << store.problems()[0];
        GameSettings quieter = store.values();
        quieter.volumePercent = 20;
        store.change(quieter);
        EXPECT_EQ(store.values().volumePercent, 20) << "the change holds for this run";
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir.path("folder.conf")));
    EXPECT_EQ(readText(broken), "[mouse\nturnDegrees=\"4\n");
}

TEST(SettingsStartupTest, TheCommandLineSetsTheWindowForThisRunOnly)
{
    TempDir dir;
    SettingsStore settings(QString::fromStdString(dir.write("torchhero.conf", "[window]\nsize=900x700\nfullScreen=true\n")));
    struct Case {
        std::vector<std::string> arguments;
        int width, height;
        bool fullScreen, kept;
    };
    for (const Case &row : {Case{{}, 900, 700, true, true}, Case{{"--size", "320x200"}, 320, 200, false, false},
                            Case{{"--fullscreen"}, 0, 0, true, false}}) {
        const GameWindowSetup setup = gameWindowSetup(parseCommandLine(row.arguments), settings, nullptr, nullptr);
        EXPECT_EQ(std::tuple(setup.width, setup.height, setup.fullScreen, setup.keepWindowState),
                  std::tuple(row.width, row.height, row.fullScreen, row.kept)) << row.arguments.size();
    }
}

TEST(SettingsStartupTest, AnOutlineStyleFromTheCommandLineHoldsUntilThePlayerPicksOne)
{
    TempDir dir;
    SettingsStore settings(QString::fromStdString(dir.path("torchhero.conf")));
    followSettings(settings, parseCommandLine({"--outlines", "fast"}));
    EXPECT_EQ(getOutlineLines(), OutlineLines::Fast);
    GameSettings values = settings.values();
    for (int change = 0; change < 3; ++change) { // the volume, then fast, then smooth outlines
        values.volumePercent = 50;
        values.fastOutlines = change == 1;
        settings.change(values);
        if (change == 0) {
            EXPECT_EQ(getOutlineLines(), OutlineLines::Fast) << "another change leaves it";
        }
    }
    EXPECT_EQ(getOutlineLines(), OutlineLines::Smooth);
}
} // namespace
