#include "platform/sdl/sdl_sound_library.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "platform/sdl/sdl_api.h"

namespace murokan::platform {

namespace {

constexpr int kChannels = 16;
// The game's waves are 16-bit mono at 22050 Hz: mixed at that rate they need
// no conversion, and the music stays the size of its file. 512 frames keep
// the latency of the 1024 that 44100 Hz took.
constexpr int kDeviceRate = 22050;
constexpr int kDeviceChannels = 1;
constexpr int kDeviceFrames = 512;
// Waves at least this long are converted off the caller's thread: the music
// takes tens of milliseconds to resample, the short effects next to nothing.
constexpr std::size_t kConvertAside = 256 * 1024;

}  // namespace

// A wave read into SDL's memory, waiting to be brought to the device's format
// the way SDL_mixer's own loader does it.
struct SdlSoundLibrary::Conversion {
    explicit Conversion(const SdlApi& sdl) : api(sdl) {}
    const SdlApi& api;
    int buffer = 0;
    SDL_AudioCVT cvt{};
    Uint32 length = 0;  // bytes of the wave when no conversion is needed

    ~Conversion() { api.free(cvt.buf); }
    // The converted wave as a chunk the mixer frees with Mix_FreeChunk;
    // nullptr when the conversion fails.
    Mix_Chunk* convert() {
        if (cvt.needed) {
            if (api.ConvertAudio(&cvt) != 0) return nullptr;
            length = static_cast<Uint32>(cvt.len_cvt);
        }
        // The conversion needed room for its steps; the result keeps its own size.
        if (length > 0) {
            if (auto* fit = static_cast<Uint8*>(api.realloc(cvt.buf, length))) cvt.buf = fit;
        }
        auto* chunk = static_cast<Mix_Chunk*>(api.calloc(1, sizeof(Mix_Chunk)));
        if (!chunk) return nullptr;
        chunk->allocated = 1;
        chunk->abuf = cvt.buf;
        chunk->alen = length;
        chunk->volume = MIX_MAX_VOLUME;
        cvt.buf = nullptr;
        return chunk;
    }
};

SdlSoundLibrary::SdlSoundLibrary() = default;

SdlSoundLibrary::~SdlSoundLibrary() {
    joinOpener();
    if (handle_ != 0) dsTerminate(handle_);
    stopConverter();
    if (device_open_) {  // opened ahead but never taken
        api_->CloseAudio();
        api_->QuitSubSystem(SDL_INIT_AUDIO);
    }
}

bool SdlSoundLibrary::openDevice() {
    // SDL would otherwise take over SIGINT and SIGTERM, and since the game never
    // reads SDL's event queue, Ctrl+C and kill would no longer end it.
    api_ = SdlApi::get();
    if (!api_) return false;  // no SDL2_mixer: as with no device
    api_->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (api_->InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    if (api_->OpenAudio(kDeviceRate, AUDIO_S16SYS, kDeviceChannels, kDeviceFrames) != 0) {
        api_->QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    api_->AllocateChannels(kChannels);
    device_open_ = true;
    return true;
}

void SdlSoundLibrary::openAhead() {
    if (handle_ != 0 || device_open_ || opener_.joinable()) return;
    opener_ = std::thread([this] { openDevice(); });
}

void SdlSoundLibrary::joinOpener() {
    if (opener_.joinable()) opener_.join();
}

int SdlSoundLibrary::dsInitialize(std::intptr_t /*window*/) {
    if (handle_ != 0) return handle_;
    joinOpener();
    if (!device_open_ && !openDevice()) return 0;
    handle_ = next_handle_++;
    return handle_;
}

int SdlSoundLibrary::add(Mix_Chunk* chunk) {
    const int b = next_buffer_++;
    buffers_[b] = Buffer{chunk, -1, kNoPlay};
    return b;
}

int SdlSoundLibrary::dsCreateDSB(int handle, const std::uint8_t* image, std::size_t size,
                                 int /*flags*/) {
    if (handle == 0 || handle != handle_ || image == nullptr || size == 0) return 0;
    if (size > static_cast<std::size_t>(std::numeric_limits<int>::max())) return 0;
    // Both loaders decode into memory of their own, so the caller's image may go.
    SDL_RWops* rw = api_->RWFromConstMem(image, static_cast<int>(size));
    if (!rw) return 0;
    if (size < kConvertAside || std::memcmp(image, "RIFF", std::min<std::size_t>(size, 4)) != 0) {
        Mix_Chunk* chunk = api_->LoadWAV_RW_Mix(rw, 1);
        if (!chunk) return 0;
        const std::lock_guard lock(mutex_);
        return add(chunk);
    }
    std::unique_ptr<Conversion> job = readWave(*api_, rw);
    if (!job) return 0;
    const std::lock_guard lock(mutex_);
    const int b = add(nullptr);
    job->buffer = b;
    queue_.push_back(std::move(job));
    quit_ = false;
    if (!converter_.joinable()) converter_ = std::thread([this] { convertWaves(); });
    wake_.notify_one();
    return b;
}

std::unique_ptr<SdlSoundLibrary::Conversion> SdlSoundLibrary::readWave(const SdlApi& api,
                                                                       SDL_RWops* rw) {
    SDL_AudioSpec wave_format{};
    Uint8* data = nullptr;
    Uint32 length = 0;
    if (!api.LoadWAV_RW(rw, 1, &wave_format, &data, &length)) return nullptr;
    int freq = 0, channels = 0;
    Uint16 format = 0;
    api.QuerySpec(&freq, &format, &channels);
    auto job = std::make_unique<Conversion>(api);
    if (api.BuildAudioCVT(&job->cvt, wave_format.format, wave_format.channels, wave_format.freq,
                          format, static_cast<Uint8>(channels), freq) < 0) {
        api.FreeWAV(data);
        return nullptr;
    }
    if (!job->cvt.needed) {
        job->cvt.buf = data;
        job->length = length;
        return job;
    }
    // Whole sample frames only, in a buffer with room for every step.
    const Uint32 frame = ((wave_format.format & 0xFF) / 8) * wave_format.channels;
    job->cvt.len = static_cast<int>(length & ~(frame - 1));
    job->cvt.buf = static_cast<Uint8*>(
        api.calloc(1, static_cast<std::size_t>(job->cvt.len) * job->cvt.len_mult));
    if (!job->cvt.buf) {
        api.FreeWAV(data);
        return nullptr;
    }
    std::memcpy(job->cvt.buf, data, static_cast<std::size_t>(job->cvt.len));
    api.FreeWAV(data);
    return job;
}

void SdlSoundLibrary::convertWaves() {
    for (;;) {
        std::unique_ptr<Conversion> job;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return quit_ || !queue_.empty(); });
            if (quit_) return;
            job = std::move(queue_.front());
            queue_.pop_front();
        }
        Mix_Chunk* chunk = job->convert();
        const std::lock_guard lock(mutex_);
        auto it = buffers_.find(job->buffer);
        if (it == buffers_.end()) {  // freed meanwhile
            if (chunk) api_->FreeChunk(chunk);
        } else if (!chunk) {  // a wave SDL cannot convert is silence, as one it cannot read
            buffers_.erase(it);
        } else {
            it->second.chunk = chunk;
            if (it->second.pending_loops != kNoPlay) start(job->buffer, it->second.pending_loops);
        }
    }
}

void SdlSoundLibrary::stopConverter() {
    {
        const std::lock_guard lock(mutex_);
        quit_ = true;
        queue_.clear();
    }
    wake_.notify_all();
    if (converter_.joinable()) converter_.join();
}

void SdlSoundLibrary::halt(Buffer& b) {
    b.pending_loops = kNoPlay;
    // Only stop the channel if it still plays this buffer; it may have been
    // taken over by another sound since.
    if (b.chunk && b.channel >= 0 && api_->Playing(b.channel) &&
        api_->GetChunk(b.channel) == b.chunk)
        api_->HaltChannel(b.channel);
    b.channel = -1;
}

void SdlSoundLibrary::start(int buffer, int loops) {
    if (handle_ == 0) return;
    auto it = buffers_.find(buffer);
    if (it == buffers_.end()) return;  // 0 and unknown numbers are silence
    // Like a hardware buffer, one buffer has one play position: replaying restarts it.
    halt(it->second);
    if (!it->second.chunk) {
        it->second.pending_loops = loops;
        return;
    }
    it->second.channel = api_->PlayChannelTimed(-1, it->second.chunk, loops, -1);
}

void SdlSoundLibrary::dsPlay(int buffer) {
    const std::lock_guard lock(mutex_);
    start(buffer, 0);
}

void SdlSoundLibrary::dsPlayLooping(int buffer) {
    const std::lock_guard lock(mutex_);
    start(buffer, -1);
}

void SdlSoundLibrary::dsStop(int buffer) {
    const std::lock_guard lock(mutex_);
    auto it = buffers_.find(buffer);
    if (it != buffers_.end()) halt(it->second);
}

void SdlSoundLibrary::dsFree(int buffer) {
    const std::lock_guard lock(mutex_);
    auto it = buffers_.find(buffer);
    if (it == buffers_.end()) return;
    halt(it->second);
    if (it->second.chunk) api_->FreeChunk(it->second.chunk);
    buffers_.erase(it);
}

void SdlSoundLibrary::dsTerminate(int handle) {
    if (handle == 0 || handle != handle_) return;
    stopConverter();
    const std::lock_guard lock(mutex_);
    api_->HaltChannel(-1);
    for (auto& [n, b] : buffers_) {
        if (b.chunk) api_->FreeChunk(b.chunk);
    }
    buffers_.clear();
    api_->CloseAudio();
    api_->QuitSubSystem(SDL_INIT_AUDIO);
    device_open_ = false;
    handle_ = 0;
}

bool SdlSoundLibrary::playing(int buffer) const {
    const std::lock_guard lock(mutex_);
    auto it = buffers_.find(buffer);
    if (it == buffers_.end() || it->second.channel < 0) return false;
    return api_->Playing(it->second.channel) &&
           api_->GetChunk(it->second.channel) == it->second.chunk;
}

std::size_t SdlSoundLibrary::bufferCount() const {
    const std::lock_guard lock(mutex_);
    return buffers_.size();
}

}  // namespace murokan::platform
