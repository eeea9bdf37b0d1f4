// UnsealBytes on arbitrary bytes: whatever it accepts seals and unseals back
// to itself, and sealing the input itself always round-trips.
#include "common/seal.h"
#include "fuzz/fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    for (const char* key : {zc::kPackageKey, zc::kDefaultScriptKey}) {
        const std::string unsealed = zc::UnsealBytes(input, key);
        FUZZ_CHECK(unsealed.size() + 4 <= input.size() || unsealed.empty());
        if (!unsealed.empty()) {
            FUZZ_CHECK(zc::UnsealBytes(zc::SealBytes(unsealed, key), key) == unsealed);
        }
        const std::string sealed = zc::SealBytes(input, key);
        FUZZ_CHECK(sealed.size() % 8 == 0);
        FUZZ_CHECK(zc::UnsealBytes(sealed, key) == input);
    }
    return 0;
}
