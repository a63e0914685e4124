// The SDL sound library under SDL's dummy audio driver: buffers from wave
// images, one-shot and looping play, stop, free, and silence for buffer 0.
#include "platform/sdl/sdl_sound_library.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "wavegen/wave.h"

namespace murokan::platform {
namespace {

class SdlSound : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        handle_ = lib_.dsInitialize(0);
        if (handle_ == 0) GTEST_SKIP() << "no audio driver, not even SDL's dummy one";
    }
    SdlSoundLibrary lib_;
    int handle_ = 0;
};

TEST_F(SdlSound, PlaysLoopsStopsAndFreesABufferMadeFromATemporaryImage) {
    int b = 0;
    {
        // The image is gone before the buffer is played: the library kept its own copy.
        auto image = wavegen::encodeWave(wavegen::komaClick());
        b = lib_.dsCreateDSB(handle_, image.data(), image.size(), 3);
        std::fill(image.begin(), image.end(), 0);
    }
    ASSERT_NE(b, 0);
    const auto t0 = std::chrono::steady_clock::now();
    lib_.dsPlay(b);
    EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::milliseconds(100));
    EXPECT_TRUE(lib_.playing(b));

    lib_.dsPlayLooping(b);
    // Longer than the 0.14 s click: a looping buffer is still sounding.
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    EXPECT_TRUE(lib_.playing(b));
    lib_.dsStop(b);
    EXPECT_FALSE(lib_.playing(b));

    lib_.dsFree(b);
    EXPECT_EQ(lib_.bufferCount(), 0u);
    lib_.dsPlay(b);  // freed: silence, no crash
    EXPECT_FALSE(lib_.playing(b));
}

TEST_F(SdlSound, BufferZeroAndBadImagesAreSilence) {
    for (auto call : {&SdlSoundLibrary::dsPlay, &SdlSoundLibrary::dsPlayLooping,
                      &SdlSoundLibrary::dsStop, &SdlSoundLibrary::dsFree})
        (lib_.*call)(0);
    EXPECT_FALSE(lib_.playing(0));
    const std::uint8_t junk[64] = {'R', 'I', 'F', 'F'};
    EXPECT_EQ(lib_.dsCreateDSB(handle_, junk, sizeof junk, 1), 0);
    auto image = wavegen::encodeWave(wavegen::kinshiBuzz());
    EXPECT_EQ(lib_.dsCreateDSB(handle_ + 1, image.data(), image.size(), 1), 0);  // not our handle
    EXPECT_EQ(lib_.dsCreateDSB(handle_, nullptr, 0, 1), 0);
}

// A long wave of the device's own format, or one converted after its buffer is
// made: a loop asked for before it is ready starts once it is, and a buffer
// freed meanwhile is simply gone.
class SdlLongWave : public SdlSound, public ::testing::WithParamInterface<int> {};
INSTANTIATE_TEST_SUITE_P(Rates, SdlLongWave, ::testing::Values(wavegen::kRate, 44100));

TEST_P(SdlLongWave, ALongWaveLoopedBeforeItIsReadySoundsOnceReady) {
    auto image = wavegen::encodeWave(wavegen::bgmLoop(), GetParam());
    const int music = lib_.dsCreateDSB(handle_, image.data(), image.size(), 1);
    const int dropped = lib_.dsCreateDSB(handle_, image.data(), image.size(), 1);
    std::fill(image.begin(), image.end(), 0);
    ASSERT_NE(music, 0);
    ASSERT_NE(dropped, 0);
    lib_.dsPlayLooping(music);
    lib_.dsPlayLooping(dropped);
    lib_.dsFree(dropped);
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!lib_.playing(music) && std::chrono::steady_clock::now() < give_up)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_TRUE(lib_.playing(music));
    EXPECT_FALSE(lib_.playing(dropped));
    EXPECT_EQ(lib_.bufferCount(), 1u);
    lib_.dsStop(music);
    EXPECT_FALSE(lib_.playing(music));
}

TEST_F(SdlSound, TerminateFreesEverythingAndLaterCallsAreSilent) {
    auto image = wavegen::encodeWave(wavegen::sonotaChime());
    int b = lib_.dsCreateDSB(handle_, image.data(), image.size(), 3);
    ASSERT_NE(b, 0);
    lib_.dsPlayLooping(b);
    lib_.dsTerminate(handle_);
    EXPECT_EQ(lib_.bufferCount(), 0u);
    lib_.dsPlay(b);
    lib_.dsFree(b);
    EXPECT_EQ(lib_.dsCreateDSB(handle_, image.data(), image.size(), 3), 0);
    // The library can be opened again afterwards.
    EXPECT_NE(lib_.dsInitialize(0), 0);
}

// The device opened ahead, on a thread, serves as one opened on demand; with
// no device to open, both end in the handle 0 that makes the game silent.
TEST(SdlSoundOpening, AheadOrOnDemandWithADeviceOrWithout) {
    const char* was = std::getenv("SDL_AUDIODRIVER");
    const std::string saved = was ? was : "";
    for (const bool device : {true, false}) {
        setenv("SDL_AUDIODRIVER", device ? "dummy" : "no-such-driver", 1);
        for (const bool ahead : {true, false}) {
            SCOPED_TRACE(std::string(device ? "device" : "none") + (ahead ? ", ahead" : ""));
            SdlSoundLibrary lib;
            if (ahead) lib.openAhead();
            const int handle = lib.dsInitialize(0);
            if (!device) {
                EXPECT_EQ(handle, 0);
                continue;
            }
            ASSERT_NE(handle, 0);
            auto image = wavegen::encodeWave(wavegen::komaClick());
            const int b = lib.dsCreateDSB(handle, image.data(), image.size(), 3);
            lib.dsPlay(b);
            EXPECT_TRUE(lib.playing(b));
        }
    }
    if (was)
        setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
    else
        unsetenv("SDL_AUDIODRIVER");
}

}  // namespace
}  // namespace murokan::platform
