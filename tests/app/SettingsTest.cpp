// The settings file: what each value reads as, every bad value named with
// its default used, and files that must not be written over.
#include "app/CommandLine.h"
#include "app/GameRegistry.h"
#include "app/Settings.h"
#include "app/SettingsStartup.h"
#include "app/SettingsStore.h"
#include "support/Files.h"

#include <QFile>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>

namespace {
struct FileCase {
    const char *what;
    const char *text; // null: no file at all
    // The settings expected, from the defaults.
    std::function<void(GameSettings &)> expect;
    // A piece of the one problem expected; null for none.
    const char *problem;
};

void noChange(GameSettings &) {}

const FileCase kFileCases[] = {
    {"no file", nullptr, noChange, nullptr},
    {"every value set",
     "[mouse]\nturnDegrees=4.5\ninvertPitch=true\n[keys]\nforward=I\nback=K\nleft=J\nright=L\nrun=Control\n"
     "jump=F\npause=Backspace\nghost=H\n[sound]\nvolume=35\n[display]\noutlines=fast\n"
     "[window]\nsize=800x600\nfullScreen=true\n",
     [](GameSettings &s) {
         s.turnDegrees = 4.5;
         s.invertPitch = true;
         const int keys[] = {Qt::Key_I, Qt::Key_K, Qt::Key_J, Qt::Key_L, Qt::Key_Control, Qt::Key_F, Qt::Key_Backspace, Qt::Key_H};
         for (int a = 0; a < KeyBindings::ActionCount; ++a)
             s.keys.bind(KeyBindings::Action(a), keys[a]);
         s.volumePercent = 35;
         s.fastOutlines = true;
         s.windowWidth = 800;
         s.windowHeight = 600;
         s.fullScreen = true;
     },
     nullptr},
    {"turn not a number", "[mouse]\nturnDegrees=fast\n", noChange, "mouse/turnDegrees: bad value 'fast'"},
    {"turn too small", "[mouse]\nturnDegrees=0.1\n", noChange, "degrees from 0.5 to 30): 3 is used"},
    {"turn not finite", "[mouse]\nturnDegrees=nan\n", noChange, "bad value 'nan'"},
    {"pitch not a truth", "[mouse]\ninvertPitch=yes\n", noChange, "mouse/invertPitch: bad value 'yes'"},
    {"a window key", "[keys]\njump=F1\n", noChange, "keys/jump: bad value 'F1'"},
    {"an arrow", "[keys]\nforward=Up\n", noChange, "keys/forward: bad value 'Up'"},
    {"a key with a modifier", "[keys]\nrun=Ctrl+R\n", noChange, "keys/run: bad value 'Ctrl+R'"},
    {"no key", "[keys]\npause=\n", noChange, "keys/pause: bad value ''"},
    {"a key taken twice", "[keys]\nforward=J\njump=J\n", noChange, "a key is bound to two actions"},
    {"volume too loud", "[sound]\nvolume=101\n", noChange, "sound/volume: bad value '101'"},
    {"volume below silence", "[sound]\nvolume=-1\n", noChange, "sound/volume: bad value '-1'"},
    {"volume in words", "[sound]\nvolume=loud\n", noChange, "sound/volume: bad value 'loud'"},
    {"outline style unknown", "[display]\noutlines=thick\n", noChange, "display/outlines: bad value 'thick'"},
    {"window side zero", "[window]\nsize=0x600\n", noChange, "window/size: bad value '0x600'"},
    {"window size with a comma", "[window]\nsize=800,600\n", noChange, "window/size: bad value '800,600'"},
    {"full screen as a number", "[window]\nfullScreen=1\n", noChange, "window/fullScreen: bad value '1'"},
    {"an unknown entry", "[mouse]\nspeed=2\n", noChange, "unknown setting 'mouse/speed'"},
    {"a bad value beside good ones", "[sound]\nvolume=250\n[mouse]\nturnDegrees=6\n",
     [](GameSettings &s) { s.turnDegrees = 6; }, "sound/volume"},
};

TEST(SettingsFileTest, EachValueReadsAsItsSettingAndABadOneIsNamedWithItsDefaultUsed)
{
    for (const FileCase &row : kFileCases) {
        SCOPED_TRACE(row.what);
        TempDir dir;
        const std::string path = row.text ? dir.write("torchhero.conf", row.text) : dir.path("torchhero.conf");
        const SettingsRead read = readSettings(QString::fromStdString(path));
        GameSettings expected;
        row.expect(expected);
        EXPECT_TRUE(read.settings == expected);
        EXPECT_TRUE(read.mayWrite);
        if (row.problem) {
            ASSERT_EQ(read.problems.size(), 1u);
            EXPECT_NE(read.problems[0].find(row.problem), std::string::npos) << read.problems[0];
            EXPECT_NE(read.problems[0].find(path), std::string::npos) << "the file is named";
        } else {
            EXPECT_TRUE(read.problems.empty()) << read.problems.front();
        }
    }
}

TEST(SettingsFileTest, WrittenSettingsReadBackAndKeepEntriesOfOthers)
{
    TempDir dir;
    const QString path = QString::fromStdString(dir.write("torchhero/torchhero.conf", "[later]\nwish=1\n"));
    GameSettings settings;
    settings.turnDegrees = 0.75;
    settings.keys.bind(KeyBindings::Jump, Qt::Key_Comma);
    settings.volumePercent = 0;
    settings.windowWidth = 1024;
    settings.windowHeight = 700;
    EXPECT_EQ(writeSettings(path, settings), "");
    const SettingsRead read = readSettings(path);
    EXPECT_TRUE(read.settings == settings);
    ASSERT_EQ(read.problems.size(), 1u);
    EXPECT_NE(read.problems[0].find("unknown setting 'later/wish'"), std::string::npos);
}

// A file the game cannot read gives the defaults, is named, and keeps what
// it holds: the store leaves it alone however the player changes things.
TEST(SettingsFileTest, AnUnreadableOrMalformedFileIsNamedAndNeverWrittenOver)
{
    struct Case {
        const char *what;
        std::function<std::string(TempDir &)> make;
        const char *problem;
    };
    const Case cases[] = {
        {"a folder in its place", [](TempDir &d) { std::filesystem::create_directories(d.path("torchhero.conf")); return d.path("torchhero.conf"); },
         "cannot read"},
        {"no INI file", [](TempDir &d) { return d.write("torchhero.conf", "[mouse\nturnDegrees=\"4\n"); }, "is no settings file"},
    };
    for (const Case &row : cases) {
        SCOPED_TRACE(row.what);
        TempDir dir;
        const std::string path = row.make(dir);
        const std::string before = std::filesystem::is_regular_file(path) ? readText(path) : "";
        SettingsStore store(QString::fromStdString(path));
        EXPECT_TRUE(store.values() == GameSettings());
        ASSERT_EQ(store.problems().size(), 1u);
        EXPECT_NE(store.problems()[0].find(row.problem), std::string::npos) << store.problems()[0];

        GameSettings louder = store.values();
        louder.volumePercent = 20;
        store.change(louder);
        EXPECT_EQ(store.values().volumePercent, 20) << "the change holds for this run";
        if (!before.empty())
            EXPECT_EQ(readText(path), before);
        else
            EXPECT_TRUE(std::filesystem::is_directory(path));
    }
}
} // namespace

namespace {
struct WindowCase {
    const char *what;
    const char *arguments; // of the command line
    int width;
    int height;
    bool fullScreen;
    bool kept;
};

TEST(SettingsStartupTest, TheCommandLineSetsTheWindowForThisRunOnly)
{
    TempDir dir;
    SettingsStore settings(QString::fromStdString(dir.write("torchhero.conf", "[window]\nsize=900x700\nfullScreen=true\n")));
    const WindowCase cases[] = {
        {"nothing given: the kept state", "", 900, 700, true, true},
        {"a size: windowed, not kept", "--size 320x200", 320, 200, false, false},
        {"full screen: not kept", "--fullscreen", 0, 0, true, false},
    };
    for (const WindowCase &row : cases) {
        SCOPED_TRACE(row.what);
        std::vector<std::string> arguments;
        std::istringstream words(row.arguments);
        for (std::string word; words >> word;)
            arguments.push_back(word);
        const GameWindowSetup setup = gameWindowSetup(parseCommandLine(arguments), settings, nullptr, nullptr);
        EXPECT_EQ(setup.width, row.width);
        EXPECT_EQ(setup.height, row.height);
        EXPECT_EQ(setup.fullScreen, row.fullScreen);
        EXPECT_EQ(setup.keepWindowState, row.kept);
    }
}

TEST(SettingsStartupTest, AnOutlineStyleFromTheCommandLineHoldsUntilThePlayerPicksOne)
{
    TempDir dir;
    SettingsStore settings(QString::fromStdString(dir.path("torchhero.conf")));
    followSettings(settings, parseCommandLine({"--outlines", "fast"}));
    EXPECT_EQ(GameRegistry::getOutlineLines(), GameRegistry::OutlineLines::Fast);
    GameSettings values = settings.values();
    values.volumePercent = 50;
    settings.change(values);
    EXPECT_EQ(GameRegistry::getOutlineLines(), GameRegistry::OutlineLines::Fast) << "another change leaves it";
    values.fastOutlines = true;
    settings.change(values);
    values.fastOutlines = false;
    settings.change(values);
    EXPECT_EQ(GameRegistry::getOutlineLines(), GameRegistry::OutlineLines::Smooth);
}
} // namespace
