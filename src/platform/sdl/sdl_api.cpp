#include "platform/sdl/sdl_api.h"

#include <dlfcn.h>

#include <type_traits>

namespace murokan::platform {

namespace {

// Looks every function up in `lib` (SDL2_mixer, which brings SDL2 with it);
// false when one is missing.
bool lookUp(void* lib, SdlApi& api) {
    bool all = true;
    const auto take = [lib, &all](auto& fn, const char* name) {
        void* sym = dlsym(lib, name);
        all = all && sym != nullptr;
        fn = reinterpret_cast<std::remove_reference_t<decltype(fn)>>(sym);
    };
    take(api.SetHint, "SDL_SetHint");
    take(api.InitSubSystem, "SDL_InitSubSystem");
    take(api.QuitSubSystem, "SDL_QuitSubSystem");
    take(api.RWFromConstMem, "SDL_RWFromConstMem");
    take(api.LoadWAV_RW, "SDL_LoadWAV_RW");
    take(api.FreeWAV, "SDL_FreeWAV");
    take(api.BuildAudioCVT, "SDL_BuildAudioCVT");
    take(api.ConvertAudio, "SDL_ConvertAudio");
    take(api.calloc, "SDL_calloc");
    take(api.realloc, "SDL_realloc");
    take(api.free, "SDL_free");
    take(api.OpenAudio, "Mix_OpenAudio");
    take(api.CloseAudio, "Mix_CloseAudio");
    take(api.AllocateChannels, "Mix_AllocateChannels");
    take(api.QuerySpec, "Mix_QuerySpec");
    take(api.LoadWAV_RW_Mix, "Mix_LoadWAV_RW");
    take(api.FreeChunk, "Mix_FreeChunk");
    take(api.PlayChannelTimed, "Mix_PlayChannelTimed");
    take(api.HaltChannel, "Mix_HaltChannel");
    take(api.Playing, "Mix_Playing");
    take(api.GetChunk, "Mix_GetChunk");
    return all;
}

const SdlApi* open() {
    static SdlApi api{};
    void* lib = dlopen("libSDL2_mixer-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!lib || !lookUp(lib, api)) return nullptr;
    return &api;
}

}  // namespace

const SdlApi* SdlApi::get() {
    static const SdlApi* const api = open();  // opened once, by whichever thread asks first
    return api;
}

}  // namespace murokan::platform
