// A libFuzzer target: any bytes through one reader, which must keep every promise. The build
// names the check, one program per reader.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz/promesse_lettura.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string rotta =
        ardenvo::prova::ARDENVO_CONTROLLO({reinterpret_cast<const char*>(data), size});
    if (rotta.empty()) return 0;
    std::fprintf(stderr, "Broken promise: %s\n", rotta.c_str());
    std::abort();  // libFuzzer keeps the input as a crash
}
