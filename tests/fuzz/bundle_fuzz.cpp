// The update bundle: an accepted bundle stays within its size limit and every
// file in it passes its own check again.
#include "archive/bundle.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto in = zw::fuzz::bytes(data, size);
    zw::Bundle bundle;
    if (!zw::decode_bundle(in, bundle)) return 0;
    zw::fuzz::check(size <= zw::kBundleMaxBytes, "bundle within its limit");
    for (size_t i = 0; i < bundle.files.size(); ++i)
        zw::fuzz::check(static_cast<bool>(zw::check_bundle_file(i, bundle.files[i])), "every file checked");
    return 0;
}
