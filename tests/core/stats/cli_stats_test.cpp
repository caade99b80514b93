#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "cli_runner.h"
#include "session/session.h"
#include "stats/combination_chart_model.h"
#include "stats/stat_table_export.h"
#include "stats/statistic_codes.h"
#include "temp_folder.h"

namespace zw {
namespace {

using test::TempFolder;

using test::CliRun;

CliRun stats(const TempFolder& dir, std::vector<std::string> args) {
    args.insert(args.begin(), {"--data", dir.path().string()});
    return test::run_cli(std::move(args));
}

void write_draws(const TempFolder& dir, const std::string& name,
                 const std::vector<std::vector<uint8_t>>& records) {
    std::vector<uint8_t> file = {126, 126, 0, 0};
    for (const auto& r : records) file.insert(file.end(), r.begin(), r.end());
    dir.write(name, file);
}

TEST(CliStats, FrequencyAndGapsAsJsonInDisplayOrder) {
    TempFolder dir;
    write_draws(dir, "Toto.Dat", {{1, 2, 3, 4, 5, 6, 7}, {2, 4, 6, 8, 10, 12, 9}});
    CliRun r = stats(dir, {"--game", "2", "--json", "stats", "frequency"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.rfind("{\"kind\":\"frequency\",\"range\":[1,2],\"values\":{\"1\":1,\"2\":2,\"3\":1,", 0), 0u)
        << r.out;
    EXPECT_NE(r.out.find("\"order\":[2,4,6,1,3,5,8,10,12,7,9,11,13,"), std::string::npos) << r.out;
    r = stats(dir, {"--game", "2", "--range", "1..1", "--json", "stats", "gaps"});
    EXPECT_NE(r.out.find("\"range\":[1,1],\"values\":{\"1\":0,"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"45\":1}"), std::string::npos) << r.out;
    r = stats(dir, {"--game", "2", "--json", "stats", "extra-gaps"});
    EXPECT_NE(r.out.find("\"7\":1,\"8\":2,\"9\":0,"), std::string::npos) << r.out;
}

TEST(CliStats, RunsDistributionsAndProbability) {
    TempFolder dir;
    write_draws(dir, "Toto.Dat", {{1, 2, 3, 4, 5, 6, 7}, {2, 4, 6, 8, 10, 12, 9}});
    CliRun r = stats(dir, {"--game", "2", "--json", "stats", "triplets"});
    EXPECT_NE(r.out.find("\"values\":{\"1\":1,\"2\":1,\"3\":1,\"4\":1,\"5\":0,"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"43\":0},\"order\":[1,2,3,4,5,"), std::string::npos) << r.out;
    r = stats(dir, {"--game", "2", "--json", "stats", "even-odd"});
    EXPECT_EQ(r.out, "{\"kind\":\"even-odd\",\"range\":[1,2],\"counts\":[0,0,0,1,0,0,1],"
                     "\"expected\":[0,0,1,1,0,0,0]}\n");
    r = stats(dir, {"--game", "2", "--json", "stats", "probability"});
    EXPECT_EQ(r.out.rfind("{\"kind\":\"probability\",\"range\":[1,2],\"mean\":0.2666666667,\"sd\":", 0), 0u)
        << r.out;
    EXPECT_NE(r.out.find("\"mean_gap\":"), std::string::npos);
}

TEST(CliStats, SuperNumbersShowZeroAndSwissDefaultsToItsFirstLuckyDraw) {
    TempFolder dir;
    std::vector<std::vector<uint8_t>> lotto(1887, {1, 2, 3, 4, 5, 6, 3});
    lotto.back()[6] = 10;  // draw 1887: Superzahl 0
    write_draws(dir, "Lotto.Dat", lotto);
    CliRun r = stats(dir, {"--game", "0", "--json", "stats", "extra-frequency"});
    EXPECT_NE(r.out.find("\"9\":0,\"0\":1},\"order\":[0,1,2,"), std::string::npos) << r.out;

    std::vector<std::vector<uint8_t>> swiss(3075, {1, 2, 3, 4, 5, 6, 4, 0});
    write_draws(dir, "Swiss.Dat", swiss);
    r = stats(dir, {"--game", "5", "--json", "stats", "extra-frequency"});
    EXPECT_EQ(r.out, "{\"kind\":\"extra-frequency\",\"range\":[3074,3075],\"values\":{\"1\":0,\"2\":0,"
                     "\"3\":0,\"4\":2,\"5\":0,\"6\":0},\"order\":[4,1,2,3,5,6]}\n");
}

TEST(CliStats, RefusesUnknownKindsAndLottoPlusOutsideAustria) {
    TempFolder dir;
    write_draws(dir, "Toto.Dat", {{1, 2, 3, 4, 5, 6, 7}});
    CliRun r = stats(dir, {"--game", "2", "stats", "plus-frequency"});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("nur im Spiel 3"), std::string::npos);
    r = stats(dir, {"--game", "2", "stats", "quintets"});
    EXPECT_EQ(r.code, 2);
    // The refusal names the valid kinds and short forms are taken.
    EXPECT_NE(r.err.find("Unbekannte Statistik \"quintets\". Gültig sind: frequency, gaps,"), std::string::npos)
        << r.err;
    EXPECT_EQ(stats(dir, {"--game", "2", "stats", "freq"}).out, stats(dir, {"--game", "2", "stats", "frequency"}).out);
    r = stats(dir, {"--game", "2", "stats"});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("Gültig sind: frequency"), std::string::npos) << r.err;
    r = stats(dir, {"--game", "2", "stats", "frequency"});
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.out.find("Reihenfolge: 1 2 3 4 5 6 7"), std::string::npos) << r.out;
}

TEST(CliStats, CsvTableInChartOrderOverTheLastDrawsOrTheDates) {
    TempFolder dir;
    write_draws(dir, "Toto.Dat", {{1, 2, 3, 4, 5, 6, 7}, {2, 4, 6, 8, 10, 12, 9}, {2, 4, 6, 8, 10, 12, 9}});
    CliRun r = stats(dir, {"--game", "2", "stats", "freq", "--csv"});
    ASSERT_EQ(r.code, 0) << r.err;
    // Chart order: most frequent first; share of all frequencies in per cent.
    EXPECT_EQ(r.out.rfind("Zahl;Häufigkeit;Anteil %\n2;3;16.67\n4;3;16.67\n6;3;16.67\n8;2;11.11\n", 0), 0u)
        << r.out;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 46);
    // The last two draws: 1, 3 and 5 drop out.
    r = stats(dir, {"--game", "2", "stats", "frequency", "--csv", "--last", "2"});
    EXPECT_EQ(r.out.rfind("Zahl;Häufigkeit;Anteil %\n2;2;16.67\n", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("\n1;0;0.00\n"), std::string::npos) << r.out;
    const std::string first = stats(dir, {"--game", "2", "date", "1"}).out;
    const size_t at = first.find('.') - 2;
    ASSERT_NE(at, std::string::npos);
    r = stats(dir, {"--game", "2", "stats", "gaps", "--csv", "--to-date", first.substr(at, 10)});
    ASSERT_EQ(r.code, 0) << r.err << first;
    EXPECT_EQ(r.out.rfind("Zahl;Rückstand\n", 0), 0u) << r.out;
    EXPECT_EQ(stats(dir, {"--game", "2", "--json", "stats", "gaps", "--to-date", first.substr(at, 10)})
                  .out.rfind("{\"kind\":\"gaps\",\"range\":[1,1]", 0),
              0u);
    r = stats(dir, {"--game", "2", "stats", "gaps", "--from-date", "31.13.2001"});
    EXPECT_EQ(r.code, 2);
    r = stats(dir, {"--game", "2", "stats", "probability", "--csv"});
    EXPECT_EQ(r.code, 2);
}

TEST(CliStats, CombinationCsvIsTheTableOfTheWindowsChart) {
    TempFolder dir;
    write_draws(dir, "Toto.Dat", {{1, 2, 3, 4, 5, 6, 7}, {2, 4, 6, 8, 10, 12, 9}, {2, 4, 6, 8, 10, 12, 9}});
    Session session(dir.path());
    session.select_game(kToto);
    const DrawSource source(session.archive, session.params);
    const DrawRange all{1, 3};
    StatTables tables;

    CliRun r = stats(dir, {"--game", "2", "stats", "pairs", "--csv"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.rfind("Platz;Kombination;Häufigkeit;Rückstand\n1;2-4;3;0\n2;2-6;3;0\n", 0), 0u) << r.out;
    EXPECT_EQ(r.out, csv_text(best_list_table(*best_list_chart(kStatBestPairs, source, all))));
    r = stats(dir, {"--game", "2", "stats", "boundary-pairs", "--csv"});
    EXPECT_EQ(r.out, csv_text(best_list_table(*best_list_chart(kStatBoundaryPairs, source, all))));

    r = stats(dir, {"--game", "2", "stats", "smallest", "--csv"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.rfind("Zahl;Häufigkeit;Rückstand;Anteil %\n1;1;2;33.33\n2;2;0;66.67\n", 0), 0u) << r.out;
    EXPECT_EQ(r.out, csv_text(chart_table(*extreme_chart(kStatSmallest, source, all, tables))));

    const std::vector<int> fixed{2, 4};
    r = stats(dir, {"--game", "2", "stats", "partner-gaps", "--with", "2 4", "--csv"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, csv_text(chart_table(*partner_chart(kStatTriplePartnerGaps, source, all, fixed, tables))));
    r = stats(dir, {"--game", "2", "stats", "partners", "--with", "2 4", "--csv"});
    EXPECT_EQ(r.out, csv_text(chart_table(*partner_chart(kStatTriplePartnerOverview, source, all, fixed, tables))));
    EXPECT_EQ(stats(dir, {"--game", "2", "stats", "partners", "--csv"}).code, 2);  // no --with
    EXPECT_EQ(stats(dir, {"--game", "2", "stats", "pairs", "--plus", "--csv"}).code, 2);  // LottoPlus: Austria only
}

}  // namespace
}  // namespace zw
