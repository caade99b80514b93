// system: what a row set guarantees over the player's numbers (check), and
// a row set with as few rows as found for a chosen guarantee (design).
#include <charconv>
#include <fstream>
#include <sstream>

#include "base/decimal.h"
#include "cli.h"
#include "evaluation/system_designer.h"
#include "json.h"

namespace zw::cli {
namespace {

// "1 2 3 4 5 6; 7 8 9 10 11 12": the numbers of each row.
std::vector<std::vector<int>> rows_from_text(const std::string& text) {
    std::vector<std::vector<int>> rows;
    std::istringstream parts(text);
    std::string part;
    while (std::getline(parts, part, ';')) {
        std::vector<int> row = parse_numbers(part, "--rows");
        if (!row.empty()) rows.push_back(std::move(row));
    }
    return rows;
}

// One row per line in the row-import format: the first six numbers of a line
// (any other characters separate them); lines without a number are skipped.
std::vector<std::vector<int>> rows_from_file(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    if (!in) throw UsageError("Die Datei " + name + " kann nicht gelesen werden.");
    std::vector<std::vector<int>> rows;
    std::string line;
    int line_no = 0;
    while (std::getline(in, line)) {
        ++line_no;
        std::vector<int> row;
        for (size_t i = 0; i < line.size() && row.size() < 6;) {
            if (line[i] < '0' || line[i] > '9') {
                ++i;
                continue;
            }
            size_t j = i;
            while (j < line.size() && line[j] >= '0' && line[j] <= '9') ++j;
            int n = 0;
            const auto [ptr, ec] = std::from_chars(line.data() + i, line.data() + j, n);
            if (ec != std::errc() || ptr != line.data() + j) n = -1;
            row.push_back(n);
            i = j;
        }
        if (row.empty()) continue;
        if (row.size() < 6)
            throw UsageError("Zeile " + std::to_string(line_no) + " von " + name + ": weniger als 6 Zahlen.");
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string percent(uint64_t part, uint64_t whole) {
    return decimal_text(whole == 0 ? 0.0 : 100.0 * static_cast<double>(part) / static_cast<double>(whole), 2);
}

int check(Context& ctx) {
    const auto rows_text = ctx.args.text("--rows");
    const auto file = ctx.args.text("--file");
    if (rows_text.has_value() == file.has_value())
        throw UsageError("system check braucht entweder --rows \"1 2 3 4 5 6; ...\" oder --file DATEI.");
    const auto rows = rows_text ? rows_from_text(*rows_text) : rows_from_file(*file);
    std::vector<int> extra;
    if (const auto n = ctx.args.text("--numbers")) extra = parse_numbers(*n, "--numbers");
    std::string error;
    const auto numbered = number_rows(rows, extra, error);
    if (!numbered) throw UsageError(error);
    const int v = static_cast<int>(numbered->numbers.size());
    const SystemCheck c = check_system(numbered->masks, v);

    if (ctx.options.json) {
        Json guarantees = Json::array();
        Json distribution = Json::object();
        Json lower = Json::object();
        Json known = Json::object();
        for (int p = 3; p <= 6; ++p) {
            const int t = c.min_hits[static_cast<size_t>(p)];
            guarantees.push_back({{"p", p}, {"t", t}});
            Json d = Json::object();
            for (int h = p; h >= 0; --h) d[std::to_string(h)] = c.best_hits[static_cast<size_t>(p)][static_cast<size_t>(h)];
            distribution[std::to_string(p)] = d;
            if (t > 0) lower[std::to_string(p)] = counting_bound(v, t, p);
            if (const auto k = best_known(v, t, p)) known[std::to_string(p)] = k->rows;
        }
        print(ctx.out, {{"numbers", numbered->numbers},
                        {"rows", c.rows},
                        {"guarantees", guarantees},
                        {"distribution", distribution},
                        {"lower_bound", lower},
                        {"best_known", known}});
        return 0;
    }
    ctx.out << c.rows << (c.rows == 1 ? " Reihe" : " Reihen") << " über " << v << " Zahlen:";
    for (int n : numbered->numbers) ctx.out << ' ' << n;
    ctx.out << "\n";
    for (int p = 3; p <= 6; ++p) {
        const auto sp = static_cast<size_t>(p);
        const int t = c.min_hits[sp];
        if (c.subsets[sp] == 0) continue;
        ctx.out << "Mit " << p << " Richtigen unter Ihren Zahlen: " << t << " Treffer garantiert;";
        bool first = true;
        for (int h = p; h >= 0; --h) {
            const uint64_t n = c.best_hits[sp][static_cast<size_t>(h)];
            if (n == 0) continue;
            ctx.out << (first ? " " : ", ") << h << " in " << percent(n, c.subsets[sp]) << " %";
            first = false;
        }
        ctx.out << " der Fälle\n";
        if (t <= 0) continue;
        ctx.out << "  „" << t << " bei " << p << "“ braucht mindestens " << counting_bound(v, t, p) << " Reihen";
        if (const auto k = best_known(v, t, p))
            ctx.out << "; bestes bekanntes System: " << k->rows << " Reihen";
        ctx.out << "\n";
    }
    return 0;
}

// "4 if 5" or "4 bei 5" or "4/5".
std::pair<int, int> parse_guarantee(const std::string& text) {
    std::istringstream in(text);
    std::string a, word, b;
    in >> a >> word >> b;
    if (b.empty()) {
        const auto slash = text.find('/');
        if (slash == std::string::npos) throw UsageError("--guarantee erwartet \"T if P\", etwa \"4 if 5\".");
        a = text.substr(0, slash);
        b = text.substr(slash + 1);
    } else if (word != "if" && word != "bei") {
        throw UsageError("--guarantee erwartet \"T if P\", etwa \"4 if 5\".");
    }
    return {parse_int(a, "--guarantee"), parse_int(b, "--guarantee")};
}

uint64_t parse_seed(const std::string& text) {
    uint64_t seed = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), seed);
    if (ec != std::errc() || ptr != text.data() + text.size()) throw UsageError("Ungültige Zahl für --seed: " + text);
    return seed;
}

int design(Context& ctx) {
    DesignRequest r;
    const auto v = ctx.args.number("--v");
    const auto guarantee = ctx.args.text("--guarantee");
    if (!v || !guarantee) throw UsageError("system design braucht --v ZAHLEN und --guarantee \"T if P\".");
    r.v = *v;
    std::tie(r.t, r.p) = parse_guarantee(*guarantee);
    r.seconds = static_cast<double>(ctx.args.number("--seconds").value_or(10));
    if (r.seconds <= 0 || r.seconds > 3600) throw UsageError("--seconds liegt zwischen 1 und 3600.");
    if (const auto s = ctx.args.text("--seed")) r.seed = parse_seed(*s);
    if (const std::string why = design_refusal(r); !why.empty()) throw UsageError(why);
    std::vector<int> numbers;
    if (const auto n = ctx.args.text("--numbers")) {
        numbers = parse_numbers(*n, "--numbers");
        std::sort(numbers.begin(), numbers.end());
        if (static_cast<int>(numbers.size()) != r.v ||
            std::adjacent_find(numbers.begin(), numbers.end()) != numbers.end() || numbers.front() < 1 ||
            numbers.back() > kSystemMaxNumbers)
            throw UsageError("--numbers braucht " + std::to_string(r.v) + " verschiedene Zahlen von 1 bis 49.");
    } else {
        for (int i = 1; i <= r.v; ++i) numbers.push_back(i);
    }
    if (const auto b = ctx.args.text("--bankers")) {
        for (int n : parse_numbers(*b, "--bankers")) {
            const auto at = std::find(numbers.begin(), numbers.end(), n);
            if (at == numbers.end())
                throw UsageError("Die Bankzahl " + std::to_string(n) + " ist keine der Zahlen des Systems.");
            r.bankers |= uint64_t{1} << (at - numbers.begin());
        }
        if (const std::string why = design_refusal(r); !why.empty()) throw UsageError(why);
    }
    // The shipped partial systems on as many numbers are the mark to beat.
    for (int k = 0; k < kPartialSystemCount; ++k)
        if (kPartialSystems[static_cast<size_t>(k)].numbers == r.v) {
            const auto rows = ctx.session.partial_systems.rows(k);
            if (!rows.empty()) r.candidates.emplace_back(rows.begin(), rows.end());
        }
    const auto d = design_system(r);
    if (!d) throw UsageError("Es wurde kein System gefunden.");
    std::vector<std::vector<int>> rows;
    for (uint64_t m : d->rows) {
        std::vector<int> row;
        for (int i = 0; i < r.v; ++i)
            if (m >> i & 1u) row.push_back(numbers[static_cast<size_t>(i)]);
        rows.push_back(std::move(row));
    }
    if (ctx.options.json) {
        Json guarantees = Json::array();
        for (int p = 3; p <= 6; ++p)
            if (d->check.subsets[static_cast<size_t>(p)] != 0)
                guarantees.push_back({{"p", p}, {"t", d->check.min_hits[static_cast<size_t>(p)]}});
        print(ctx.out, {{"numbers", numbers},
                        {"count", rows.size()},
                        {"rows", rows},
                        {"guarantees", guarantees},
                        {"source", d->source}});
        return 0;
    }
    for (const auto& row : rows) {
        for (size_t i = 0; i < row.size(); ++i) ctx.out << (i ? " " : "") << row[i];
        ctx.out << "\n";
    }
    ctx.out << rows.size() << " Reihen, bewiesen: " << r.t << " bei " << r.p << " (";
    bool first = true;
    for (int p = 3; p <= 6; ++p) {
        if (d->check.subsets[static_cast<size_t>(p)] == 0) continue;
        ctx.out << (first ? "" : ", ") << d->check.min_hits[static_cast<size_t>(p)] << " bei " << p;
        first = false;
    }
    ctx.out << (r.bankers != 0 ? ", wenn die Bankzahlen gezogen werden" : "") << ")\n";
    return 0;
}

}  // namespace

int cmd_system(Context& ctx) {
    const auto words = ctx.args.words();
    if (words.size() != 1 || (words[0] != "check" && words[0] != "design"))
        throw UsageError("system braucht check oder design.");
    return words[0] == "check" ? check(ctx) : design(ctx);
}

}  // namespace zw::cli
