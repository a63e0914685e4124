// The game's small sound library over SDL2_mixer: buffers made from wave file
// images, played once without blocking or looped until stopped.
#pragma once

#include <map>

#include "platform/platform.h"

struct Mix_Chunk;

namespace murokan::platform {

class SdlSoundLibrary : public SoundLibrary {
  public:
    SdlSoundLibrary() = default;
    SdlSoundLibrary(const SdlSoundLibrary&) = delete;
    SdlSoundLibrary& operator=(const SdlSoundLibrary&) = delete;
    // Frees every buffer and closes the audio device if still open.
    ~SdlSoundLibrary() override;

    // Opens the audio device; 0 when there is none (then everything is silent).
    int dsInitialize(std::intptr_t window) override;
    // Decodes the wave image into a buffer of its own (the image may be
    // released afterwards); 0 when the handle is not ours or the image is no
    // wave file that SDL can read.
    int dsCreateDSB(int handle, const std::uint8_t* image, std::size_t size, int flags) override;
    // Starts the buffer from its beginning once; returns at once.
    void dsPlay(int buffer) override;
    // Starts the buffer from its beginning, repeating until dsStop or dsFree.
    void dsPlayLooping(int buffer) override;
    void dsStop(int buffer) override;
    void dsFree(int buffer) override;
    void dsTerminate(int handle) override;

    // Whether the buffer is sounding now (for tests).
    bool playing(int buffer) const;
    // Number of live buffers.
    std::size_t bufferCount() const { return buffers_.size(); }

  private:
    struct Buffer {
        Mix_Chunk* chunk = nullptr;
        int channel = -1;  // the mixer channel it last played on
    };
    void start(int buffer, int loops);
    void halt(Buffer& b);

    int handle_ = 0;
    int next_handle_ = 1;
    int next_buffer_ = 1;
    std::map<int, Buffer> buffers_;
};

}  // namespace murokan::platform
