#include "cli.h"

namespace zw::cli {

int cmd_evaluate(Context& ctx) {
    (void)ctx;
    throw UsageError("Der Befehl evaluate ist noch nicht verfügbar.");
}

}  // namespace zw::cli
