// Fuzz target for the skin-file reader: any bytes must load or be refused
// with a result code, without a crash, a leak or undefined behaviour. A skin
// that loads must also save, and what was saved must load again.
#include <cstdint>
#include <cstdlib>

#include "model/file/skin_file.h"
#include "model/twf_skin.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CTwfSkin skin;
    skin.InitNewSkin(L"Default");
    const int code = skin.LoadSkinFromMemory(data, static_cast<UINT>(size), FALSE);
    if (code < 0 || code > 4) std::abort();
    if (code != 0) return 0;

    MemorySink saved;
    if (!WriteSkinArchive(skin, saved)) std::abort();
    CTwfSkin again;
    again.InitNewSkin(L"Default");
    if (again.LoadSkinFromMemory(saved.Bytes().data(), static_cast<UINT>(saved.Bytes().size()), FALSE) != 0) {
        std::abort();
    }
    return 0;
}
