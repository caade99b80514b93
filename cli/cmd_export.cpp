// export: writes the text files of the draw viewer (all draws of the range,
// or the grid of the last 52 draws) without a window.
#include "archive/draw_export.h"
#include "cli.h"
#include "json.h"

namespace zw::cli {

int cmd_export(Context& ctx) {
    const auto kind = ctx.args.text("--kind");
    const auto out = ctx.args.text("--out");
    if (!kind || (*kind != "all" && *kind != "grid"))
        throw UsageError("export braucht --kind all oder --kind grid.");
    if (!out || out->empty()) throw UsageError("export braucht --out DATEI.");
    const DrawRange range = effective_range(ctx);
    const Session& s = ctx.session;
    const std::string text = *kind == "all" ? export_all_draws(s.params, s.archive, range)
                                            : export_last_draws_grid(s.params, s.archive, range);
    if (Status st = write_file_atomic(fs::path(*out), text); !st)
        throw UsageError("Die Datei " + *out + " kann nicht geschrieben werden.");
    size_t lines = 0;
    for (char c : text) lines += c == '\n' ? 1 : 0;
    if (ctx.options.json) {
        print(ctx.out, {{"file", *out}, {"kind", *kind}, {"lines", lines}});
    } else {
        ctx.out << "Geschrieben: " << *out << " (" << lines << " Zeilen)\n";
    }
    return 0;
}

}  // namespace zw::cli
