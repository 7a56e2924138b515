// Proves that the hero's jump sound reaches the audio device. OpenAL Soft
// reads its configuration once per process, so the capture runs in a child
// process of this test program with the wave-file back end: whatever the
// device mixes ends up in a WAV file that the parent then inspects.
#include "audio/Sound.h"
#include "support/ActorTestSupport.h"

#include <AL/alut.h>
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

namespace {
constexpr const char *kModeVariable = "ACTORS_SOUND_MODE";
// How long the child lets the device mix before it closes it.
constexpr auto kMixTime = std::chrono::milliseconds(700);

struct Capture {
    size_t samples = 0; // none when the file has no data chunk
    int peak = 0; // largest magnitude of a 16-bit sample
};

// The 16-bit samples (the child's configuration asks for them) of the wave
// back end's file: everything after the data chunk's header.
Capture readCapture(const std::string &path)
{
    Capture capture;
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const size_t data = bytes.find("data", 12);
    if (data == std::string::npos)
        return capture;
    for (size_t p = data + 8; p + 2 <= bytes.size(); p += 2, ++capture.samples) {
        int16_t sample;
        std::memcpy(&sample, &bytes[p], 2);
        capture.peak = std::max(capture.peak, std::abs(int(sample)));
    }
    return capture;
}

// Runs this program's child test with the wave back end configured by
// `config`; returns the child's exit status, -1 when it did not exit.
int runChild(const std::string &mode, const std::string &config)
{
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const QString &name : variables.keys())
        if (name.startsWith("ALSOFT_"))
            variables.remove(name);
    variables.insert("ALSOFT_CONF", QString::fromStdString(config));
    variables.insert("ALSOFT_DRIVERS", "wave");
    variables.insert(kModeVariable, QString::fromStdString(mode));
    QProcess child;
    child.setProcessEnvironment(variables);
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start("/proc/self/exe", {"--gtest_also_run_disabled_tests",
                                   "--gtest_filter=SoundChild.DISABLED_PlaysIntoTheCaptureFile"});
    if (!child.waitForFinished(60000) || child.exitStatus() != QProcess::NormalExit)
        return -1;
    return child.exitCode();
}
} // namespace

// The child side: runs only when the parent starts it with the capture
// configuration in its environment.
using SoundChild = HeroTest;

TEST_F(SoundChild, DISABLED_PlaysIntoTheCaptureFile)
{
    const char *mode = std::getenv(kModeVariable);
    ASSERT_NE(mode, nullptr) << "started by SoundCapture only";
    const bool sound = std::string(mode) == "jump";
    GameRegistry::setSoundMaker(makeSoundCues); // the figures' sounds, as the game makes them
    {
        // The game's own sound (the assets are built before any test).
        auto floor = floorAt(0.0f);
        auto hero = standingHero(*floor);
        ASSERT_TRUE(hero->isOnGround());
        if (sound)
            hero->jump();
        ASSERT_EQ(hero->isJumping(), sound);
        std::this_thread::sleep_for(kMixTime);
    }
    EXPECT_TRUE(warnings.empty());
    alutExit(); // closes the device, which completes the file
}

TEST(SoundCapture, TheJumpSoundReachesTheDeviceAndNothingPlaysWithoutOne)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());

    auto capture = [&](const std::string &mode) {
        const std::string output = dir.filePath(QString::fromStdString(mode + ".wav")).toStdString();
        const std::string config = dir.filePath(QString::fromStdString(mode + ".conf")).toStdString();
        // No dither, so that silence is exactly zero.
        std::ofstream(config) << "[general]\ndrivers = wave\nchannels = mono\n"
                                 "sample-type = int16\ndither = false\n[wave]\nfile = "
                              << output << "\n";
        EXPECT_EQ(runChild(mode, config), 0) << mode;
        return readCapture(output);
    };

    const Capture jump = capture("jump");
    EXPECT_GT(jump.samples, 1000u);
    EXPECT_GT(jump.peak, 1000); // of 32767

    const Capture quiet = capture("silent");
    EXPECT_GT(quiet.samples, 1000u);
    EXPECT_EQ(quiet.peak, 0);
}
