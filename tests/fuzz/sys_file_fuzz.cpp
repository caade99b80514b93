// SYS card files (system tickets) of every game, current and older layouts.
#include "card_fuzz.h"
#include "cardindex/sys_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zw::fuzz::check_card_reader(zw::fuzz::bytes(data, size), zw::CardKind::System, zw::decode_sys,
                                zw::encode_sys, zw::sys_length);
    return 0;
}
