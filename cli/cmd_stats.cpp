#include "cli.h"

namespace zw::cli {

int cmd_stats(Context& ctx) {
    (void)ctx;
    throw UsageError("Der Befehl stats ist noch nicht verfügbar.");
}

}  // namespace zw::cli
