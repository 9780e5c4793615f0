// libFuzzer target for the saved-game reader: any bytes a player could hand the open dialog.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>

#include "savedgamecheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (const auto problem = brankor::testing::checkSavedGameBytes(bytes)) {
        std::fprintf(stderr, "%s\n", problem->c_str());
        __builtin_trap();
    }
    return 0;
}
