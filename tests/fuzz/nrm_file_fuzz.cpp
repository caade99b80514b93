// NRM card files (normal tickets) of every game, current and older layouts.
#include "card_fuzz.h"
#include "cardindex/nrm_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zw::fuzz::check_card_reader(zw::fuzz::bytes(data, size), zw::CardKind::Normal, zw::decode_nrm,
                                zw::encode_nrm, zw::nrm_length);
    return 0;
}
