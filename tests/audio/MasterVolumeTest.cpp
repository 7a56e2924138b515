// The master volume is the OpenAL listener's gain, whether it is set before
// the device opens or while it is open.
#include "audio/AudioDevice.h"
#include "audio/MasterVolume.h"

#include <AL/al.h>
#include <gtest/gtest.h>

namespace {
TEST(MasterVolumeTest, IsTheListenersGainBeforeAndAfterTheDeviceOpens)
{
    const auto listenerGain = [] {
        ALfloat gain = -1;
        alGetListenerf(AL_GAIN, &gain);
        return gain;
    };
    setMasterVolume(40);
    ASSERT_TRUE(openAudio());
    EXPECT_FLOAT_EQ(listenerGain(), 0.4f);
    for (auto [percent, gain] : {std::pair{0, 0.0f}, {100, 1.0f}, {73, 0.73f}, {140, 1.0f}, {-5, 0.0f}}) {
        setMasterVolume(percent);
        EXPECT_FLOAT_EQ(listenerGain(), gain) << percent;
    }
    closeAudio();
}
} // namespace
