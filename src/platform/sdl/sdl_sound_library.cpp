#include "platform/sdl/sdl_sound_library.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <limits>

namespace murokan::platform {

namespace {
constexpr int kChannels = 16;
}  // namespace

SdlSoundLibrary::~SdlSoundLibrary() {
    if (handle_ != 0) dsTerminate(handle_);
}

int SdlSoundLibrary::dsInitialize(std::intptr_t /*window*/) {
    if (handle_ != 0) return handle_;
    // SDL would otherwise take over SIGINT and SIGTERM, and since the game never
    // reads SDL's event queue, Ctrl+C and kill would no longer end it.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 0;
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return 0;
    }
    Mix_AllocateChannels(kChannels);
    handle_ = next_handle_++;
    return handle_;
}

int SdlSoundLibrary::dsCreateDSB(int handle, const std::uint8_t* image, std::size_t size,
                                 int /*flags*/) {
    if (handle == 0 || handle != handle_ || image == nullptr || size == 0) return 0;
    if (size > static_cast<std::size_t>(std::numeric_limits<int>::max())) return 0;
    // Mix_LoadWAV_RW decodes into memory of its own, so the caller's image may go.
    SDL_RWops* rw = SDL_RWFromConstMem(image, static_cast<int>(size));
    if (!rw) return 0;
    Mix_Chunk* chunk = Mix_LoadWAV_RW(rw, 1);
    if (!chunk) return 0;
    const int b = next_buffer_++;
    buffers_[b] = Buffer{chunk, -1};
    return b;
}

void SdlSoundLibrary::halt(Buffer& b) {
    // Only stop the channel if it still plays this buffer; it may have been
    // taken over by another sound since.
    if (b.channel >= 0 && Mix_Playing(b.channel) && Mix_GetChunk(b.channel) == b.chunk)
        Mix_HaltChannel(b.channel);
    b.channel = -1;
}

void SdlSoundLibrary::start(int buffer, int loops) {
    if (handle_ == 0) return;
    auto it = buffers_.find(buffer);
    if (it == buffers_.end()) return;  // 0 and unknown numbers are silence
    // Like a hardware buffer, one buffer has one play position: replaying restarts it.
    halt(it->second);
    it->second.channel = Mix_PlayChannel(-1, it->second.chunk, loops);
}

void SdlSoundLibrary::dsPlay(int buffer) {
    start(buffer, 0);
}

void SdlSoundLibrary::dsPlayLooping(int buffer) {
    start(buffer, -1);
}

void SdlSoundLibrary::dsStop(int buffer) {
    auto it = buffers_.find(buffer);
    if (it != buffers_.end()) halt(it->second);
}

void SdlSoundLibrary::dsFree(int buffer) {
    auto it = buffers_.find(buffer);
    if (it == buffers_.end()) return;
    halt(it->second);
    Mix_FreeChunk(it->second.chunk);
    buffers_.erase(it);
}

void SdlSoundLibrary::dsTerminate(int handle) {
    if (handle == 0 || handle != handle_) return;
    Mix_HaltChannel(-1);
    for (auto& [n, b] : buffers_) Mix_FreeChunk(b.chunk);
    buffers_.clear();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    handle_ = 0;
}

bool SdlSoundLibrary::playing(int buffer) const {
    auto it = buffers_.find(buffer);
    if (it == buffers_.end() || it->second.channel < 0) return false;
    return Mix_Playing(it->second.channel) && Mix_GetChunk(it->second.channel) == it->second.chunk;
}

}  // namespace murokan::platform
