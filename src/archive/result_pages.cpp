#include "archive/result_pages.h"

#include "archive/calendar.h"
#include "archive/draw_entry.h"

namespace zw {
namespace {

constexpr std::string_view kLottoPath =
    "/portal/zahlen-quoten/gewinnzahlen/lotto-gewinnzahlen/lotto-gewinnzahlen.jsp";
constexpr std::string_view kTotoPath = "/portal/zahlen-quoten/gewinnzahlen/toto/zahlen-und-quoten.jsp";
constexpr std::string_view kSwissPath = "/de/swisslotto/information/gewinnzahlen/gewinnzahlen-quoten.html";
constexpr std::string_view kNumberMarker = "col-xs-1\">";
constexpr std::string_view kSwissNumberMarker = "__center\">";

FetchResult none(const char* message) { return {std::nullopt, message}; }

// Drops everything before the first occurrence of `marker` (keeps the marker).
bool cut_before(std::string& work, std::string_view marker) {
    const size_t pos = work.find(marker);
    if (pos == std::string::npos) return false;
    work.erase(0, pos);
    return true;
}

// Keeps the text from `skip` characters after the start of `marker`.
bool drop_to_marker(std::string& work, std::string_view marker, size_t skip) {
    const size_t pos = work.find(marker);
    if (pos == std::string::npos) return false;
    work.erase(0, std::min(work.size(), pos + skip));
    return true;
}

bool ends_with(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

// `count` values, each after `marker`; false when a marker is missing.
bool take_values(std::string& work, std::string_view marker, int* out, int count) {
    for (int k = 0; k < count; ++k) {
        auto v = take_after(work, marker);
        if (!v) return false;
        out[k] = leading_value(*v);
    }
    return true;
}

// Exactly `digits` digits, else empty.
std::string digits_or_empty(std::string text, size_t digits) {
    return text.size() == digits && all_digits(text) ? text : std::string();
}

// Spiel 77 and Super 6 from the rest of a German Lotto page.
void take_german_side_games(std::string& work, FetchedDraw& d) {
    if (!take_after(work, "Spiel77")) return;
    if (auto s77 = take_after(work, "<b>")) d.side = digits_or_empty(s77->substr(0, 7), 7);
    if (auto s6 = take_after(work, "<b>")) d.super6 = digits_or_empty(s6->substr(0, 6), 6);
}

// Cuts a German Lotto page to the draw of `date`; false when it shows another date.
bool locate_lotto_draw(std::string& work, const std::string& date) {
    if (!cut_before(work, "Gewinnzahlen vom")) return false;
    auto shown = take_after(work, ", ");
    return shown && ends_with(*shown, date);
}

std::string text_of(const Download& d) { return std::string(d.body.begin(), d.body.end()); }

}  // namespace

std::optional<std::string> take_after(std::string& work, std::string_view marker) {
    const size_t pos = work.find(marker);
    if (pos == std::string::npos || marker.empty()) return std::nullopt;
    work.erase(0, pos + marker.size());
    return work.substr(0, work.find('<'));
}

bool all_digits(std::string_view text) {
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

int leading_value(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    int v = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        v = v * 10 + (text[i] - '0');
        if (v > 9999) return 0;  // no number on a result page is that long
    }
    return v;
}

FetchResult parse_lotto_page(std::string page, const std::string& date) {
    if (!locate_lotto_draw(page, date)) return none(kNoNumbers);
    FetchedDraw d;
    if (!take_values(page, kNumberMarker, d.values.data(), 7)) return none(kNoNumbersYet);
    take_german_side_games(page, d);
    return {d, {}};
}

FetchResult parse_toto_pages(std::string toto_page, const std::optional<std::string>& lotto_page,
                             const std::string& date) {
    // The page must show the draw's date before its numbers.
    const size_t at = toto_page.find("Auswahlwette</h4>");
    if (at == std::string::npos) return none(kNoNumbersYet);
    const size_t first_number = toto_page.find(kNumberMarker, at);
    const size_t date_at = toto_page.find(date);
    if (date_at == std::string::npos || date_at > first_number) return none(kNoNumbersYet);
    toto_page.erase(0, at);
    FetchedDraw d;
    if (!take_values(toto_page, kNumberMarker, d.values.data(), 7)) return none(kNoNumbersYet);
    if (lotto_page) {
        std::string lotto = *lotto_page;
        if (locate_lotto_draw(lotto, date)) take_german_side_games(lotto, d);
    }
    return {d, {}};
}

FetchResult parse_swiss_page(std::string page, const std::string& date) {
    if (!drop_to_marker(page, "FilterDate", 20)) return none(kNoNumbersYet);
    auto shown = take_after(page, "value=\"");
    if (!shown || shown->substr(0, 10) != date) return none(kNoNumbersYet);
    FetchedDraw d;
    if (!take_values(page, kSwissNumberMarker, d.values.data(), 7)) return none(kNoNumbersYet);
    if (take_after(page, "joker-logo") && take_after(page, "transform__center\">"))
        d.side = digits_or_empty(page.substr(0, 6), 6);
    return {d, {}};
}

FetchResult parse_austria_pages(std::string numbers_page, const std::optional<std::string>& plus_page,
                                const std::optional<std::string>& joker_page,
                                const std::string& date) {
    if (!drop_to_marker(numbers_page, "accordion-header", 20)) return none(kNoNumbersYet);
    const size_t at = numbers_page.find(date);
    if (at == std::string::npos) return none(kNoNumbersYet);
    numbers_page.erase(0, at == 0 ? 0 : at - 1);
    FetchedDraw d;
    if (!take_values(numbers_page, "eu'>", d.values.data(), 1) ||
        !take_values(numbers_page, ":", d.values.data() + 1, 5) ||
        !take_values(numbers_page, "an>", d.values.data() + 6, 1))
        return none(kNoNumbersYet);
    if (plus_page) {
        std::string plus = *plus_page;
        if (cut_before(plus, "n " + date)) {
            std::array<int, 6> p{};
            if (take_values(plus, "eu'>", p.data(), 1) && take_values(plus, ":", p.data() + 1, 5))
                d.plus = p;
        }
    }
    if (joker_page) {
        std::string joker = *joker_page;
        if (cut_before(joker, date)) {
            std::string digits;
            auto first_after = [&](std::string_view marker) {
                const size_t pos = joker.find(marker);
                if (pos == std::string::npos || pos + marker.size() >= joker.size()) return false;
                joker.erase(0, pos + marker.size());
                digits += joker[0];
                return true;
            };
            bool complete = first_after("eu'>");
            for (int k = 0; k < 5 && complete; ++k) complete = first_after("&nbsp;&nbsp;&nbsp; ");
            if (complete) d.side = digits_or_empty(digits, 6);
        }
    }
    return {d, {}};
}

std::vector<std::string> result_page_urls(const GameParams& params, int n, const NetAddresses& a) {
    const DrawDate date = draw_date(params.code, n);
    if (params.swiss) return {a.swiss + std::string(kSwissPath)};
    if (params.austria) {
        const std::string year = std::to_string(date.date.year);
        const std::string base = a.austria + "/de/lotto-oesterreich/lottozahlen/";
        return {base + "6aus45/lottozahlen-" + year + ".asp",
                base + "6aus45/lottoplus-" + year + ".asp",
                base + "joker/lotto-6aus45-joker-ziehungen-" + year + ".asp"};
    }
    const std::string lotto = a.lotto + std::string(kLottoPath) + "?ziehungsDatum=" + date.text + "#";
    if (params.code == kToto)
        return {a.lotto + std::string(kTotoPath) + "?ziehungsDatum=" + date.text + "#", lotto};
    return {lotto};
}

FetchResult fetch_draw(const GameParams& params, int n, const NetAddresses& a, const Fetcher& get) {
    const std::string date = draw_date(params.code, n).text;
    const auto urls = result_page_urls(params, n, a);
    const Download main = get(urls[0]);
    if (!main.ok) return {std::nullopt, std::string(kNoNumbers) + "|" + main.error};
    // The further pages only add side games; without them the numbers still count.
    auto optional_page = [&](size_t i) -> std::optional<std::string> {
        if (i >= urls.size()) return std::nullopt;
        const Download d = get(urls[i]);
        return d.ok ? std::optional<std::string>(text_of(d)) : std::nullopt;
    };
    FetchResult r;
    if (params.swiss) {
        r = parse_swiss_page(text_of(main), date);
    } else if (params.austria) {
        std::string numbers = text_of(main);
        // Numbers first: the two further pages are fetched only for a draw the page has.
        r = parse_austria_pages(numbers, std::nullopt, std::nullopt, date);
        if (r.draw) r = parse_austria_pages(numbers, optional_page(1), optional_page(2), date);
    } else if (params.code == kToto) {
        r = parse_toto_pages(text_of(main), optional_page(1), date);
    } else {
        r = parse_lotto_page(text_of(main), date);
    }
    if (!r.draw) return r;
    if (!entry_draw_values_valid(params, n, r.draw->values)) return none(kNoNumbersYet);
    return r;
}

}  // namespace zw
