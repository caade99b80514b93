// slip: the marks a normal or system ticket puts on a Bundesland's paper
// slip, and optionally the PDF page the printer would get.
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

// "010" -> 10; 0 for anything that is not "0" and two digits.
int full_system_mark(const std::string& name) {
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (name.size() != 3 || name[0] != '0' || !digit(name[1]) || !digit(name[2])) return 0;
    return (name[1] - '0') * 10 + (name[2] - '0');
}

// "010: 1 2 3 4 5 6 7 8 9 10; 12/22: ...": per box the system's mark as the
// slip names it (full: "0" and the number count; partial: its name in the
// Bundesland's family) and its numbers.
void read_boxes(const std::string& text, const GameParams& params, int bundesland, Ticket& ticket) {
    std::istringstream boxes(text);
    std::string part;
    int b = 0;
    const LabelFamily family = label_family(params.code, bundesland);
    while (std::getline(boxes, part, ';')) {
        if (part.find_first_not_of(" \t") == std::string::npos) continue;
        const size_t colon = part.find(':');
        if (colon == std::string::npos)
            throw UsageError("--system: Jedes Feld braucht \"System: Zahlen\", etwa \"010: 1 2 3 4 5 6 7 8 9 10\".");
        if (b >= kSystemBoxCount)
            throw UsageError("--system: Der Schein hat nur " + std::to_string(kSystemBoxCount) + " Felder.");
        std::string name = part.substr(0, colon);
        name.erase(0, name.find_first_not_of(" \t"));
        name.erase(name.find_last_not_of(" \t") + 1);
        const int full_max = kFullListMinNumbers + full_system_item_count(params.code, bundesland) - 1;
        int partial = -1;
        for (int i = 0; i < family_size(family); ++i)
            if (system_name(family, i) == name) partial = i;
        if (partial >= 0) {
            ticket.set_partial_system(b, partial, system_numbers(family, partial));
        } else if (const int full = full_system_mark(name); full >= kFullListMinNumbers && full <= full_max) {
            ticket.set_full_system(b, full);
        } else {
            throw UsageError("--system: System \"" + name + "\" gibt es hier nicht (Voll-Systeme 007 bis 0" +
                             std::to_string(full_max) + ", " + std::string(family_title(family)) +
                             " dieses Bundeslandes).");
        }
        std::istringstream in(part.substr(colon + 1));
        std::string word;
        int count = 0;
        while (in >> word) {
            const int n = parse_int(word, "--system");
            if (!ticket.tick_box(b, n))
                throw UsageError("--system: Feld " + std::to_string(b + 1) + ": Zahl " + std::to_string(n) +
                                 " ist ungültig, doppelt oder zu viel (1 bis " + std::to_string(params.highest_number) +
                                 ").");
            ++count;
        }
        if (count != ticket.box(b).numbers)
            throw UsageError("--system: Feld " + std::to_string(b + 1) + " (" + name + ") braucht " +
                             std::to_string(ticket.box(b).numbers) + " Zahlen.");
        ++b;
    }
    if (b == 0) throw UsageError("slip braucht bei --system mindestens ein Feld.");
}

}  // namespace

int cmd_slip(Context& ctx) {
    Session& s = ctx.session;
    const auto rows = ctx.args.text("--rows");
    const auto boxes = ctx.args.text("--system");
    if (rows && boxes) throw UsageError("slip nimmt --rows oder --system, nicht beides.");
    if (!rows && !boxes) throw UsageError("slip braucht --rows \"1 2 3 4 5 6; ...\" oder --system \"010: ...\".");
    int bundesland = s.bundesland();
    if (const auto b = ctx.args.number("--bundesland")) {
        bundesland = *b;
        if (bundesland < 0 || bundesland >= kBundeslandCount)
            throw UsageError("--bundesland muss 0 bis 18 sein.");
    }
    const bool system = boxes.has_value();
    Ticket ticket = s.ticket;
    ticket.system_mode = system;
    ticket.seven_by_seven = true;
    ticket.clear();
    if (system)
        read_boxes(*boxes, s.params, bundesland, ticket);
    else
        read_rows(*rows, s.params, ticket);
    if (const std::string refusal = slip_refusal(s.params.code, bundesland, system); !refusal.empty())
        throw UsageError(plain_text(refusal));
    const SlipSheet sheet = slip_sheet(ticket, s.ticket_options, s.params, bundesland,
                                       {s.archive.calibration_x, s.archive.calibration_y});
    if (const auto pdf = ctx.args.text("--pdf"))
        if (Status st = write_slip_pdf(*pdf, sheet); !st) throw UsageError(st.message());
    if (ctx.options.json) {
        Json marks = Json::array();
        for (const SlipMark& m : sheet.marks)
            marks.push_back({{"x", number(mm(m.x))}, {"y", number(mm(m.y))}, {"text", m.text}});
        print(ctx.out, {{"bundesland", bundesland}, {"upside_down", sheet.upside_down}, {"marks", marks}});
        return 0;
    }
    ctx.out << "Bundesland:  " << bundesland << "  " << bundesland_name(bundesland) << "\n"
            << orientation_text(sheet.upside_down) << "\n"
            << "Kreuze (mm vom oberen linken Scheinrand):\n";
    for (const SlipMark& m : sheet.marks)
        ctx.out << "  " << decimal_text(mm(m.x), 2, 7) << " " << decimal_text(mm(m.y), 2, 7)
                << (m.text == "x" ? "" : "  " + m.text) << "\n";
    return 0;
}

}  // namespace zw::cli
