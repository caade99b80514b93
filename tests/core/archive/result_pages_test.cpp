#include "archive/result_pages.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "archive/calendar.h"

namespace zw {
namespace {

std::string page(const std::string& name) {
    std::ifstream in(std::string(ZIEHWERK_SOURCE_DIR) + "/tests/core/archive/pages/" + name,
                     std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    EXPECT_FALSE(s.str().empty()) << name;
    return s.str();
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const size_t pos = text.find(from);
    EXPECT_NE(pos, std::string::npos) << from;
    if (pos != std::string::npos) text.replace(pos, from.size(), to);
    return text;
}

// The draw of `game` on the date text, by the calendar.
int draw_on(GameCode game, const std::string& date) {
    for (int n = 1; n <= 8000; ++n)
        if (draw_date(game, n).text == date) return n;
    ADD_FAILURE() << date;
    return 0;
}

// Serves pages by address; everything else fails like a missing page.
struct FakeWeb {
    std::map<std::string, std::string> pages;
    std::vector<std::string> asked;
    Fetcher fetcher() {
        return [this](const std::string& url) {
            asked.push_back(url);
            Download d;
            auto it = pages.find(url);
            if (it == pages.end()) {
                d.error = "Der Server meldet den Fehler 404.";
                return d;
            }
            d.ok = true;
            d.body.assign(it->second.begin(), it->second.end());
            return d;
        };
    }
};

TEST(ResultPageText, TakeAfterKeepsTheRestAndStopsAtTheNextTag) {
    std::string work = "a<b>12</b><b>34<i>";
    EXPECT_EQ(take_after(work, "<b>"), "12");
    EXPECT_EQ(work, "12</b><b>34<i>");
    EXPECT_EQ(take_after(work, "<b>"), "34");
    EXPECT_EQ(take_after(work, "<u>"), std::nullopt);
    EXPECT_EQ(work, "34<i>");
    EXPECT_TRUE(all_digits(""));
    EXPECT_TRUE(all_digits("0123"));
    EXPECT_FALSE(all_digits("12a"));
    EXPECT_EQ(leading_value(" 42 Euro"), 42);
    EXPECT_EQ(leading_value("x1"), 0);
    EXPECT_EQ(leading_value("99999999999"), 0);
}

TEST(LottoPage, GoodPageGivesNumbersSuperzahlAndSideGames) {
    const FetchResult r = parse_lotto_page(page("lotto.html"), "22.08.2026");
    ASSERT_TRUE(r.draw) << r.message;
    EXPECT_EQ(r.draw->values, (std::array<int, 7>{7, 16, 22, 28, 30, 31, 4}));
    EXPECT_EQ(r.draw->side, "0123456");
    EXPECT_EQ(r.draw->super6, "654321");
}

TEST(LottoPage, AnotherDateOrAMissingMarkerGivesNoNumbers) {
    EXPECT_EQ(parse_lotto_page(page("lotto.html"), "29.08.2026").message, kNoNumbers);
    const std::string no_marker = replaced(page("lotto.html"), "Gewinnzahlen vom", "Zahlen");
    EXPECT_FALSE(parse_lotto_page(no_marker, "22.08.2026").draw);
    const std::string changed = replaced(page("lotto.html"), "col-xs-1\">31", "col-xs-2\">31");
    EXPECT_EQ(parse_lotto_page(changed, "22.08.2026").message, kNoNumbersYet);
}

TEST(LottoPage, SideGameTextsNeedExactlyTheirDigits) {
    std::string p = replaced(page("lotto.html"), "<b>0123456</b>", "<b>01234</b>");
    p = replaced(p, "<b>654321</b>", "<b>65x321</b>");
    const FetchResult r = parse_lotto_page(p, "22.08.2026");
    ASSERT_TRUE(r.draw);
    EXPECT_EQ(r.draw->side, "");
    EXPECT_EQ(r.draw->super6, "");
}

TEST(LottoFetch, ValuesOutsideTheEntrysRulesAreRefused) {
    const GameParams p = game_params(kLottoSaturday);
    const int n = draw_on(kLottoSaturday, "22.08.2026");
    NetAddresses a;
    a.lotto = "https://lotto.test";
    FakeWeb web;
    const std::string url = result_page_urls(p, n, a)[0];
    EXPECT_EQ(url, "https://lotto.test/portal/zahlen-quoten/gewinnzahlen/lotto-gewinnzahlen/"
                   "lotto-gewinnzahlen.jsp?ziehungsDatum=22.08.2026#");
    web.pages[url] = page("lotto.html");
    ASSERT_TRUE(fetch_draw(p, n, a, web.fetcher()).draw);
    for (const auto& [from, to] : std::vector<std::pair<std::string, std::string>>{
             {"col-xs-1\">31", "col-xs-1\">50"},   // beyond 49
             {"col-xs-1\">31", "col-xs-1\">30"},   // twice
             {"col-xs-1\">4<", "col-xs-1\">12<"},  // Superzahl beyond 9
         }) {
        web.pages[url] = replaced(page("lotto.html"), from, to);
        const FetchResult r = fetch_draw(p, n, a, web.fetcher());
        EXPECT_FALSE(r.draw) << to;
        EXPECT_EQ(r.message, kNoNumbersYet) << to;
    }
}

TEST(LottoFetch, AFailedDownloadSaysWhy) {
    const GameParams p = game_params(kLottoSaturday);
    FakeWeb web;
    const FetchResult r = fetch_draw(p, draw_on(kLottoSaturday, "22.08.2026"), NetAddresses{}, web.fetcher());
    EXPECT_FALSE(r.draw);
    EXPECT_EQ(r.message, std::string(kNoNumbers) + "|Der Server meldet den Fehler 404.");
}

TEST(TotoFetch, NumbersFromTheTotoPageSideGamesFromTheLottoPage) {
    const GameParams p = game_params(kToto);
    const int n = draw_on(kToto, "22.08.2026");
    NetAddresses a;
    a.lotto = "https://lotto.test";
    const auto urls = result_page_urls(p, n, a);
    ASSERT_EQ(urls.size(), 2u);
    FakeWeb web;
    web.pages[urls[0]] = page("toto.html");
    web.pages[urls[1]] = page("lotto.html");
    FetchResult r = fetch_draw(p, n, a, web.fetcher());
    ASSERT_TRUE(r.draw) << r.message;
    EXPECT_EQ(r.draw->values, (std::array<int, 7>{3, 11, 17, 25, 38, 44, 9}));
    EXPECT_EQ(r.draw->side, "0123456");
    // The Toto page of another date is not taken.
    web.pages[urls[0]] = replaced(page("toto.html"), "22.08.2026", "15.08.2026");
    r = fetch_draw(p, n, a, web.fetcher());
    EXPECT_FALSE(r.draw);
    EXPECT_EQ(r.message, kNoNumbersYet);
    // Without the Lotto page the numbers still come, without side games.
    web.pages[urls[0]] = page("toto.html");
    web.pages.erase(urls[1]);
    r = fetch_draw(p, n, a, web.fetcher());
    ASSERT_TRUE(r.draw);
    EXPECT_EQ(r.draw->side, "");
}

TEST(SwissPage, OnlyTheDrawThePageShowsIsTaken) {
    const FetchResult r = parse_swiss_page(page("swiss.html"), "19.08.2026");
    ASSERT_TRUE(r.draw) << r.message;
    EXPECT_EQ(r.draw->values, (std::array<int, 7>{15, 19, 24, 33, 34, 37, 1}));
    EXPECT_EQ(r.draw->side, "583107");
    // A draw that is not the newest on the page.
    EXPECT_EQ(parse_swiss_page(page("swiss.html"), "15.08.2026").message, kNoNumbersYet);
    const std::string no_marker =
        replaced(replaced(page("swiss.html"), "FilterDate", "Filter"), "FilterDate", "Filter");
    EXPECT_EQ(parse_swiss_page(no_marker, "19.08.2026").message, kNoNumbersYet);
}

TEST(SwissFetch, GlueckszahlBeyondSixIsRefused) {
    const GameParams p = game_params(kSwiss);
    const int n = draw_on(kSwiss, "19.08.2026");
    FakeWeb web;
    const NetAddresses a;
    web.pages[result_page_urls(p, n, a)[0]] =
        replaced(page("swiss.html"), "lucky-number__center\">1", "lucky-number__center\">7");
    EXPECT_EQ(fetch_draw(p, n, a, web.fetcher()).message, kNoNumbersYet);
}

TEST(AustriaFetch, NumbersLottoPlusAndJokerOfTheDrawsOwnDate) {
    const GameParams p = game_params(kAustria);
    const int n = draw_on(kAustria, "19.08.2026");
    NetAddresses a;
    a.austria = "https://at.test";
    const auto urls = result_page_urls(p, n, a);
    ASSERT_EQ(urls.size(), 3u);
    EXPECT_EQ(urls[2], "https://at.test/de/lotto-oesterreich/lottozahlen/joker/"
                       "lotto-6aus45-joker-ziehungen-2026.asp");
    FakeWeb web;
    web.pages[urls[0]] = page("austria_numbers.html");
    web.pages[urls[1]] = page("austria_plus.html");
    web.pages[urls[2]] = page("austria_joker.html");
    FetchResult r = fetch_draw(p, n, a, web.fetcher());
    ASSERT_TRUE(r.draw) << r.message;
    EXPECT_EQ(r.draw->values, (std::array<int, 7>{3, 5, 6, 22, 38, 40, 27}));
    EXPECT_EQ(r.draw->plus, (std::array<int, 6>{2, 9, 14, 20, 33, 44}));
    EXPECT_EQ(r.draw->side, "407182");
    // A date the pages do not have: nothing, and the further pages are not asked.
    web.asked.clear();
    r = fetch_draw(p, draw_on(kAustria, "26.08.2026"), a, web.fetcher());
    EXPECT_EQ(r.message, kNoNumbersYet);
    EXPECT_EQ(web.asked.size(), 1u);
    // A zero among the six marks failure.
    web.pages[urls[0]] = replaced(page("austria_numbers.html"), "eu'>3<", "eu'>x<");
    EXPECT_EQ(fetch_draw(p, n, a, web.fetcher()).message, kNoNumbersYet);
}

}  // namespace
}  // namespace zw
