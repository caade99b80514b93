// The per-draw fetch: public result pages are downloaded and the numbers of
// one draw are picked out of the page text by fixed text markers. Nothing is
// taken unless the page shows the draw's own date and every value passes the
// draw entry's own checks.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "archive/net_addresses.h"
#include "base/download.h"
#include "games/game_catalogue.h"

namespace zw {

constexpr const char* kNoNumbers = "Keine Zahlen verfügbar!";
constexpr const char* kNoNumbersYet = "Noch keine Zahlen verfügbar!";

// Finds `marker` in `work`, drops everything up to its end and returns the
// text from there up to the next "<"; nullopt (work unchanged) when absent.
std::optional<std::string> take_after(std::string& work, std::string_view marker);
// True when every character is "0".."9" (an empty text counts as true).
bool all_digits(std::string_view text);
// The number made of the leading digits (after blanks); 0 when there are none.
int leading_value(std::string_view text);

struct FetchedDraw {
    std::array<int, 7> values{};  // six numbers and the extra number, as on the page
    std::string side;             // Spiel 77 (7 digits) or Joker (6 digits); empty = none
    std::string super6;           // 6 digits; empty = none
    std::array<int, 6> plus{};    // Austrian LottoPlus numbers; 0 = none
};

struct FetchResult {
    std::optional<FetchedDraw> draw;
    std::string message;  // the German message when there is no draw
};

// The page parsers; `date` is dd.mm.yyyy of draw n.
FetchResult parse_lotto_page(std::string page, const std::string& date);
FetchResult parse_toto_pages(std::string toto_page, const std::optional<std::string>& lotto_page,
                             const std::string& date);
FetchResult parse_swiss_page(std::string page, const std::string& date);
FetchResult parse_austria_pages(std::string numbers_page, const std::optional<std::string>& plus_page,
                                const std::optional<std::string>& joker_page,
                                const std::string& date);

// Addresses of the pages for draw n of the game (main page first).
std::vector<std::string> result_page_urls(const GameParams& params, int n, const NetAddresses& a);

// The whole fetch of draw n: download, parse, and the entry's checks on the
// values (range, distinct, Superzahl 0..9, Glückszahl 1..6).
FetchResult fetch_draw(const GameParams& params, int n, const NetAddresses& a, const Fetcher& get);

}  // namespace zw
