// The game's small sound library over SDL2_mixer (opened, not linked): buffers made from wave file
// images, played once without blocking or looped until stopped. The device
// mixes at the rate and channels of the game's own waves, so that they are
// kept as their files hold them; a long wave of another format (the music) is
// brought to the device's on a thread of its own, so that making its buffer
// does not hold up the window's first frame. The device itself may be opened
// ahead, on a thread, while the window is being built.
#pragma once

#include <condition_variable>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

#include "platform/platform.h"

struct Mix_Chunk;
struct SDL_RWops;

namespace murokan::platform {

struct SdlApi;

class SdlSoundLibrary : public SoundLibrary {
  public:
    SdlSoundLibrary();
    SdlSoundLibrary(const SdlSoundLibrary&) = delete;
    SdlSoundLibrary& operator=(const SdlSoundLibrary&) = delete;
    // Frees every buffer and closes the audio device if still open.
    ~SdlSoundLibrary() override;

    // Starts opening the audio device on a thread of its own; the next
    // dsInitialize takes its outcome instead of opening the device itself.
    void openAhead();
    // Opens the audio device (or takes the one openAhead opened); 0 when there
    // is none (then everything is silent).
    int dsInitialize(std::intptr_t window) override;
    // Decodes the wave image into a buffer of its own (the image may be
    // released afterwards); 0 when the handle is not ours or the image is no
    // wave file that SDL can read. A long wave is read at once but converted
    // to the device's format afterwards, off this thread; a play asked for
    // meanwhile starts when it is ready.
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
    std::size_t bufferCount() const;

  private:
    static constexpr int kNoPlay = -2;
    struct Buffer {
        Mix_Chunk* chunk = nullptr;  // nullptr while its wave is being converted
        int channel = -1;            // the mixer channel it last played on
        int pending_loops = kNoPlay;  // a play asked for before it was ready
    };
    struct Conversion;
    // Reads a RIFF wave image and prepares its conversion to the open
    // device's format; nullptr when SDL cannot read it.
    static std::unique_ptr<Conversion> readWave(const SdlApi& api, SDL_RWops* rw);
    // The caller holds mutex_.
    void start(int buffer, int loops);
    void halt(Buffer& b);
    int add(Mix_Chunk* chunk);
    // Opens SDL's audio and the mixer; false (and nothing left open) when
    // there is no device.
    bool openDevice();
    // Waits for openAhead's thread, if one runs.
    void joinOpener();
    // The converter thread's work, and its end (waits for it).
    void convertWaves();
    void stopConverter();

    // SDL's functions once the device is opened; nullptr before.
    const SdlApi* api_ = nullptr;  // written by openAhead's thread until joined
    int handle_ = 0;
    bool device_open_ = false;  // written by openAhead's thread until joined
    std::thread opener_;
    int next_handle_ = 1;
    int next_buffer_ = 1;
    std::map<int, Buffer> buffers_;
    mutable std::mutex mutex_;  // buffers_ and queue_, shared with the converter
    std::condition_variable wake_;
    std::deque<std::unique_ptr<Conversion>> queue_;
    bool quit_ = false;
    std::thread converter_;
};

}  // namespace murokan::platform
