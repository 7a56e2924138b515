// The master volume is the OpenAL listener's gain, whether it is set before
// the device opens or while it is open.
#include "actors/AudioDevice.h"
#include "actors/MasterVolume.h"

#include <AL/al.h>
#include <gtest/gtest.h>

namespace {
float listenerGain()
{
    ALfloat gain = -1;
    alGetListenerf(AL_GAIN, &gain);
    return gain;
}

TEST(MasterVolumeTest, IsTheListenersGainBeforeAndAfterTheDeviceOpens)
{
    setMasterVolume(40);
    ASSERT_TRUE(openAudio());
    EXPECT_FLOAT_EQ(listenerGain(), 0.4f);
    struct Case {
        int asked;
        float gain;
    };
    for (const Case row : {Case{0, 0.0f}, Case{100, 1.0f}, Case{73, 0.73f}, Case{140, 1.0f}, Case{-5, 0.0f}}) {
        setMasterVolume(row.asked);
        EXPECT_FLOAT_EQ(listenerGain(), row.gain) << row.asked;
    }
    closeAudio();
}
} // namespace
