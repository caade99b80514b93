// slip: the "x" marks a normal ticket puts on a Bundesland's paper slip, and
// optionally the PDF page the printer would get.
#include <cmath>
#include <sstream>

#include "base/decimal.h"
#include "cli.h"
#include "games/system_catalogue.h"
#include "json.h"
#include "tipping/slip_marks.h"
#include "tipping/slip_pdf.h"

namespace zw::cli {
namespace {

double mm(double v) { return std::round(v * 100.0) / 100.0; }

// "1 2 3 4 5 6; 7 8 9 10 11 12": rows separated by ";" (Swiss: six numbers and the lucky number).
void read_rows(const std::string& text, const GameParams& params, Ticket& ticket) {
    std::istringstream rows(text);
    std::string part;
    int r = 0;
    const int capacity = ticket.visible_rows();
    while (std::getline(rows, part, ';')) {
        std::istringstream in(part);
        std::vector<int> v;
        std::string word;
        while (in >> word) v.push_back(parse_int(word, "--rows"));
        if (v.empty()) continue;
        if (r >= capacity)
            throw UsageError("--rows: Der Schein hat nur " + std::to_string(capacity) + " Reihen.");
        const size_t expected = params.swiss ? 7 : 6;
        if (v.size() != expected)
            throw UsageError(params.swiss ? "--rows: Jede Reihe braucht 6 Zahlen und die Glückszahl."
                                          : "--rows: Jede Reihe braucht genau 6 Zahlen.");
        TipRow row{};
        for (size_t k = 0; k < expected; ++k) {
            if (v[k] < 0 || v[k] > 255) throw UsageError("--rows: Zahl " + std::to_string(v[k]) + " ungültig.");
            row[k] = static_cast<uint8_t>(v[k]);
        }
        if (params.swiss && (row[6] < 1 || row[6] > 6))
            throw UsageError("--rows: Die Glückszahl liegt zwischen 1 und 6.");
        if (!ticket.set_row(r, row))
            throw UsageError("--rows: Reihe " + std::to_string(r + 1) + " braucht sechs verschiedene Zahlen von 1 bis " +
                             std::to_string(params.highest_number) + ".");
        ++r;
    }
    if (r == 0) throw UsageError("slip braucht --rows mit mindestens einer Reihe.");
}

}  // namespace

int cmd_slip(Context& ctx) {
    Session& s = ctx.session;
    const auto rows = ctx.args.text("--rows");
    if (!rows) throw UsageError("slip braucht --rows \"1 2 3 4 5 6; ...\".");
    int bundesland = s.bundesland();
    if (const auto b = ctx.args.number("--bundesland")) {
        bundesland = *b;
        if (bundesland < 0 || bundesland >= kBundeslandCount)
            throw UsageError("--bundesland muss 0 bis 18 sein.");
    }
    Ticket ticket = s.ticket;
    ticket.system_mode = false;
    ticket.seven_by_seven = true;
    ticket.clear();
    read_rows(*rows, s.params, ticket);
    if (const std::string refusal = slip_refusal(s.params.code, bundesland, false); !refusal.empty())
        throw UsageError(plain_text(refusal));
    const SlipSheet sheet = slip_sheet(ticket, s.ticket_options, s.params, bundesland,
                                       {s.archive.calibration_x, s.archive.calibration_y});
    if (const auto pdf = ctx.args.text("--pdf"))
        if (Status st = write_slip_pdf(*pdf, sheet); !st) throw UsageError(st.message());
    if (ctx.options.json) {
        Json marks = Json::array();
        for (const SlipMark& m : sheet.marks) marks.push_back({{"x", number(mm(m.x))}, {"y", number(mm(m.y))}});
        print(ctx.out, {{"bundesland", bundesland}, {"upside_down", sheet.upside_down}, {"marks", marks}});
        return 0;
    }
    ctx.out << "Bundesland:  " << bundesland << "  " << bundesland_name(bundesland) << "\n"
            << orientation_text(sheet.upside_down) << "\n"
            << "Kreuze (mm vom oberen linken Scheinrand):\n";
    for (const SlipMark& m : sheet.marks)
        ctx.out << "  " << decimal_text(mm(m.x), 2, 7) << " " << decimal_text(mm(m.y), 2, 7) << "\n";
    return 0;
}

}  // namespace zw::cli
