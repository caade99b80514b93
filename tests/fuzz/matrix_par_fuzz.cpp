// matrix.par: only 600 bytes are taken, every weight read lies in 0..3, and a
// refused file leaves the weights as they were.
#include "fuzz_support.h"
#include "tipping/weight_matrix.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto in = zw::fuzz::bytes(data, size);
    zw::WeightMatrix m;
    m.set_weight(7, zw::kLottoSaturday, 2);
    const zw::WeightMatrix before = m;
    if (zw::decode_weight_matrix(in, m)) {
        zw::fuzz::check(size == zw::kMatrixFileSize, "only 600 bytes are taken");
        for (int cell = 0; cell < zw::kMatrixCells; ++cell)
            for (zw::GameCode game : zw::kGames) {
                const int w = m.weight(cell, game);
                zw::fuzz::check(w >= 0 && w <= zw::kMaxWeight, "weight in 0..3");
            }
        zw::WeightMatrix again;
        zw::fuzz::check(zw::decode_weight_matrix(zw::encode_weight_matrix(m), again) && again == m,
                        "matrix round trip");
    } else {
        zw::fuzz::check(m == before, "refused matrix keeps the weights");
    }
    return 0;
}
