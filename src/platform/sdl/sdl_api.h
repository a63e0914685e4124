// SDL2 and SDL2_mixer, opened when the sound device is rather than linked:
// their forty-odd libraries (decoders, sound servers) would otherwise all be
// loaded and relocated before the window can start, some 25 ms on a slow
// machine. Only the types come from SDL's headers.
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

namespace murokan::platform {

struct SdlApi {
    SDL_bool (*SetHint)(const char*, const char*);
    int (*InitSubSystem)(Uint32);
    void (*QuitSubSystem)(Uint32);
    SDL_RWops* (*RWFromConstMem)(const void*, int);
    SDL_AudioSpec* (*LoadWAV_RW)(SDL_RWops*, int, SDL_AudioSpec*, Uint8**, Uint32*);
    void (*FreeWAV)(Uint8*);
    int (*BuildAudioCVT)(SDL_AudioCVT*, SDL_AudioFormat, Uint8, int, SDL_AudioFormat, Uint8, int);
    int (*ConvertAudio)(SDL_AudioCVT*);
    void* (*calloc)(size_t, size_t);
    void* (*realloc)(void*, size_t);
    void (*free)(void*);
    int (*OpenAudio)(int, Uint16, int, int);
    void (*CloseAudio)();
    int (*AllocateChannels)(int);
    int (*QuerySpec)(int*, Uint16*, int*);
    Mix_Chunk* (*LoadWAV_RW_Mix)(SDL_RWops*, int);
    void (*FreeChunk)(Mix_Chunk*);
    int (*PlayChannelTimed)(int, Mix_Chunk*, int, int);
    int (*HaltChannel)(int);
    int (*Playing)(int);
    Mix_Chunk* (*GetChunk)(int);

    // The libraries' functions, opened once for the program's life (a
    // library once opened stays so); nullptr when either library or one of
    // its functions is missing, which leaves the game silent.
    static const SdlApi* get();
};

}  // namespace murokan::platform
