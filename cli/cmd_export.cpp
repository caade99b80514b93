#include "cli.h"

namespace zw::cli {

int cmd_export(Context& ctx) {
    (void)ctx;
    throw UsageError("Der Befehl export ist noch nicht verfügbar.");
}

}  // namespace zw::cli
