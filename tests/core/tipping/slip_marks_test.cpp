#include "tipping/slip_marks.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "base/decimal.h"
#include "games/game_catalogue.h"
#include "games/system_catalogue.h"
#include "german_c_locale.h"
#include "tipping/slip_pdf.h"
#include "tipping/ticket.h"
#include "tipping/ticket_options.h"

using namespace zw;

namespace {

Ticket ticket_for(GameCode game, bool system = false) {
    Ticket t;
    t.set_game(game_params(game));
    t.system_mode = system;
    return t;
}

constexpr SlipCalibration kNeutral{126, 126};

// The marks of the numbers only (the option marks follow them).
std::vector<SlipMark> number_marks(const Ticket& t, const TicketOptions& o, GameCode game, int bundesland,
                                   SlipCalibration c, size_t count) {
    auto marks = slip_marks(t, o, game_params(game), bundesland, c);
    marks.resize(std::min(marks.size(), count));
    return marks;
}

void expect_at(const SlipMark& m, double x, double y) {
    EXPECT_NEAR(m.x, x, 1e-9) << "x of mark at " << m.x << "," << m.y;
    EXPECT_NEAR(m.y, y, 1e-9) << "y of mark at " << m.x << "," << m.y;
    EXPECT_EQ(m.text, "x");
}

bool has_mark(const std::vector<SlipMark>& marks, double x, double y) {
    return std::any_of(marks.begin(), marks.end(),
                       [&](const SlipMark& m) { return std::abs(m.x - x) < 1e-9 && std::abs(m.y - y) < 1e-9; });
}

}  // namespace

TEST(SlipMarks, NeutralCalibrationBytesPrintTwoTenthsBeyondTheOrigin) {
    Ticket t = ticket_for(kLottoSaturday);
    t.tick(0, 1);
    t.tick(0, 9);  // column 1, line 1
    const auto m = number_marks(t, {}, kLottoSaturday, 0, kNeutral, 2);
    ASSERT_EQ(m.size(), 2u);
    expect_at(m[0], 19.5 + 0.2, 9.5 + 0.2);
    expect_at(m[1], 19.5 + 0.2 + 3.5, 9.5 + 0.2 + 4.15);
}

TEST(SlipMarks, KnownRowLandsOnItsCellForThreeBundeslaender) {
    // Row 4 is the second field of the second line of fields; 49 is its last cell.
    Ticket t = ticket_for(kLottoSaturday);
    t.tick(3, 49);
    struct Case { int bundesland; double x, y; };
    const Case cases[] = {
        // L1 + 0.2 + (7 L3 + L7) + 6 L3,  L2 + 0.2 + (7 L4 + L6) + 6 L4
        {0, 19.7 + (24.5 + 79.5) + 21.0, 9.7 + (29.05 + 1.8) + 24.9},
        {7, 7.2 + (28.0 + 3.0) + 24.0, 25.2 + 31.5 + 27.0},
        {13, 21.0 + (26.25 + 86.5) + 22.5, 14.7 + 29.75 + 25.5},
    };
    for (const Case& c : cases) {
        const auto m = number_marks(t, {}, kLottoSaturday, c.bundesland, kNeutral, 1);
        ASSERT_EQ(m.size(), 1u);
        expect_at(m[0], c.x, c.y);
    }
}

TEST(SlipMarks, CalibrationMovesTheOriginsOnlySoNoFieldDrifts) {
    Ticket t = ticket_for(kLottoSaturday);
    for (int r = 0; r < 16; ++r) t.tick(r, 1);
    const auto plain = number_marks(t, {}, kLottoSaturday, 0, kNeutral, 16);
    const auto moved = number_marks(t, {}, kLottoSaturday, 0, {131, 121}, 16);  // +1.0 mm, -1.0 mm
    ASSERT_EQ(moved.size(), 16u);
    for (size_t i = 0; i < moved.size(); ++i) {
        EXPECT_NEAR(moved[i].x - plain[i].x, 1.0, 1e-9) << "field " << i;
        EXPECT_NEAR(moved[i].y - plain[i].y, -1.0, 1e-9) << "field " << i;
    }
    // The last field lies seven lines of fields below the first, whatever the calibration.
    EXPECT_NEAR(moved[15].y - moved[0].y, 7 * (7 * 4.15 + 1.8), 1e-9);
}

TEST(SlipMarks, CalibrationBytesStayWithinOneByteAndRoundTripThroughTheScrollBar) {
    EXPECT_EQ(calibration_byte(0.0), 126);
    EXPECT_EQ(calibration_byte(1.0), 131);
    EXPECT_EQ(calibration_byte(25.8), 255);
    EXPECT_EQ(calibration_byte(30.0), 255);  // would wrap to 20 when masked
    EXPECT_EQ(calibration_byte(-25.0), 1);
    EXPECT_EQ(calibration_byte(-40.0), 1);   // never 0, which reads as 126
    EXPECT_DOUBLE_EQ(calibration_offset(0), 0.0);
    EXPECT_DOUBLE_EQ(calibration_offset(136), 2.0);
    EXPECT_DOUBLE_EQ(calibration_shift(126), 0.2);
    EXPECT_EQ(calibration_byte_for_scroll(kCalibrationScrollMin), 1);
    EXPECT_EQ(calibration_byte_for_scroll(kCalibrationScrollMax), 255);
    EXPECT_EQ(calibration_byte_for_scroll(-100), 1);
    EXPECT_EQ(calibration_byte_for_scroll(10000), 255);
    EXPECT_EQ(calibration_scroll(126), 252);  // offset (252 - 252) / 10 = 0
    for (int b = 1; b <= 255; ++b) {
        const int p = calibration_scroll(static_cast<uint8_t>(b));
        EXPECT_EQ(calibration_byte_for_scroll(p), b);
        EXPECT_NEAR((p - 252) / 10.0, calibration_offset(static_cast<uint8_t>(b)), 1e-9);
    }
}

TEST(SlipMarks, OrientationFollowsGameBundeslandAndTicketKind) {
    for (int b = 0; b < kBundeslandCount; ++b) {
        EXPECT_TRUE(slip_upside_down(kSwiss, b, false));
        EXPECT_TRUE(slip_upside_down(kSwiss, b, true));
        EXPECT_EQ(slip_upside_down(kAustria, b, false), b == 12);
    }
    for (GameCode g : {kLottoSaturday, kLottoWednesday, kToto, kLottoBoth}) {
        EXPECT_TRUE(slip_upside_down(g, 7, true));
        EXPECT_TRUE(slip_upside_down(g, 15, false));
        EXPECT_TRUE(slip_upside_down(g, 2, false));
        EXPECT_FALSE(slip_upside_down(g, 2, true));
        EXPECT_FALSE(slip_upside_down(g, 0, false));
    }
    EXPECT_EQ(orientation_text(true), "Der Scheindruck erfolgt in kopfstehender Ausrichtung von unten nach oben!");
    EXPECT_EQ(orientation_text(false), "Der Scheindruck erfolgt in normaler Ausrichtung von oben nach unten!");
}

TEST(SlipMarks, RefusedBundeslaenderAndClampedIndex) {
    const std::string normal = "Das Bedrucken von Tipp-Scheinen ist leider|für dieses Bundesland noch nicht möglich!";
    const std::string system = "Das Bedrucken von System-Scheinen ist|für dieses Bundesland noch nicht möglich!";
    for (GameCode g : kGames) {
        EXPECT_EQ(slip_refusal(g, 16, false), normal);
        for (int b : {11, 12, 15, 16}) EXPECT_EQ(slip_refusal(g, b, true), system);
        EXPECT_EQ(slip_refusal(g, 0, false), "");
        EXPECT_EQ(slip_refusal(g, 0, true), "");
    }
    EXPECT_EQ(slip_refusal(kToto, 1, true), system);
    EXPECT_EQ(slip_refusal(kLottoSaturday, 1, true), "");
    EXPECT_EQ(slip_refusal(kToto, 1, false), "");
    // A header value outside 0..18 is clamped before any look-up.
    EXPECT_DOUBLE_EQ(slip_layout(300, false).l1, slip_layout(18, false).l1);
    EXPECT_DOUBLE_EQ(slip_layout(-5, false).l7, slip_layout(0, false).l7);
    EXPECT_EQ(slip_refusal(kLottoSaturday, 1000, false), "");
    // Berlin and Swisslos have their own system slips.
    EXPECT_DOUBLE_EQ(slip_layout(2, true).l1, 4.2);
    EXPECT_DOUBLE_EQ(slip_layout(17, true).l4, 5.33);
    EXPECT_DOUBLE_EQ(slip_layout(17, false).l4, 4.0);
    EXPECT_TRUE(slip_needs_seven_by_seven(0, false));
    EXPECT_FALSE(slip_needs_seven_by_seven(15, false));
    EXPECT_FALSE(slip_needs_seven_by_seven(0, true));
}

TEST(SlipMarks, SystemBoxesAndSwissLuckyNumbers) {
    Ticket t = ticket_for(kLottoSaturday, true);
    t.set_full_system(1, 7);
    for (int n : {10, 20, 30, 40, 41, 42, 43}) t.tick_box(1, n);
    // Berlin's system slip: box 2 stands beside box 1; 10 is column 2, line 1.
    const auto m = number_marks(t, {}, kLottoSaturday, 2, kNeutral, 7);
    ASSERT_EQ(m.size(), 7u);
    expect_at(m[0], 4.4 + (7 * 3.8 + 88.0) + 2 * 3.8, 12.7 + 4.7);

    Ticket s = ticket_for(kSwiss, true);
    s.set_full_system(0, 7);
    for (int n : {1, 2, 3, 4, 5, 6, 42}) s.tick_box(0, n);
    s.set_box_lucky(0, 3);  // cell 45: column 2, the line under the numbers
    const auto sm = number_marks(s, {}, kSwiss, 17, kNeutral, 8);
    ASSERT_EQ(sm.size(), 8u);
    expect_at(sm[6], 10.2 + 6 * 4.5, 24.2 + 5 * 5.33);  // 42
    expect_at(sm[7], 10.2 + 2 * 4.5, 24.2 + 6 * 5.33);

    Ticket r = ticket_for(kSwiss);
    r.set_row(0, {1, 2, 3, 4, 5, 6, 6});
    const auto rm = number_marks(r, {}, kSwiss, 17, kNeutral, 7);
    ASSERT_EQ(rm.size(), 7u);
    expect_at(rm[6], 10.2 + 5 * 3.36, 24.2 + 6 * 4.0);
}

TEST(SlipMarks, SystemTypeMarkNamesEachBoxsSystemBesideNoNumberCell) {
    Ticket t = ticket_for(kLottoSaturday, true);
    t.set_full_system(0, 10);
    t.set_partial_system(1, 6, 12);  // 12/22 in the Teil-Systeme family
    t.set_partial_system(2, 16, 22);
    EXPECT_EQ(system_type_mark(t.box(0), kLottoSaturday, 0), "010");
    EXPECT_EQ(system_type_mark(t.box(1), kLottoSaturday, 0), "12/22");
    EXPECT_EQ(system_type_mark(t.box(3), kLottoSaturday, 0), "");
    ASSERT_TRUE(convert_systems_for_bundesland(t, kLottoSaturday, 0, 7));
    EXPECT_EQ(system_type_mark(t.box(2), kLottoSaturday, 7), "622");
    ASSERT_TRUE(convert_systems_for_bundesland(t, kLottoSaturday, 7, 0));

    for (int bundesland : {0, 2, 7, 9, 17}) {
        const GameCode game = bundesland == 17 ? kSwiss : kLottoSaturday;
        Ticket s = ticket_for(game, true);
        s.set_full_system(0, 7);
        if (game != kSwiss) s.set_partial_system(1, 6, 12);
        s.set_full_system(2, 8);  // the first box of the second line
        const SlipSheet sheet = slip_sheet(s, {}, game_params(game), bundesland, kNeutral);
        std::vector<SlipMark> named;
        for (const SlipMark& m : sheet.marks)
            if (m.text != "x") named.push_back(m);
        ASSERT_EQ(named.size(), game == kSwiss ? 2u : 3u) << bundesland;
        EXPECT_EQ(named.front().text, "007");
        EXPECT_EQ(named.back().text, "008");
        for (const SlipMark& m : named) {
            // Under every number and option cell, inside the slip, and on no cell.
            for (const SlipPoint& c : sheet.cells) {
                EXPECT_GT(m.y, c.y + 0.2) << bundesland << " " << m.text;
            }
            EXPECT_LT(m.y, sheet.height);
            EXPECT_LT(m.x, sheet.width);
        }
        EXPECT_GT(named.back().y, named.front().y) << "a line of boxes per line of system fields";
    }
    // A normal ticket carries none.
    Ticket n = ticket_for(kLottoSaturday);
    n.set_row(0, {1, 2, 3, 4, 5, 6});
    for (const SlipMark& m : slip_marks(n, {}, game_params(kLottoSaturday), 0, kNeutral)) EXPECT_EQ(m.text, "x");
}

TEST(SlipMarks, OptionFieldsOfEachGame) {
    Ticket t = ticket_for(kLottoBoth);
    TicketOptions o;
    o.extra_weeks = 2;  // three weeks
    o.draw_days = 2;    // Mi+Sa, offered in the game of both draw days
    o.spiel77 = o.super6 = o.gluecksspirale = o.siegerchance = true;
    auto m = slip_marks(t, o, game_params(kLottoBoth), 0, kNeutral);
    // Eight lines of fields, then one L4; the option fields are indented by L5.
    const double x = 19.7 + 1.8, y = 9.7 + 8 * (7 * 4.15 + 1.8) + 4.15;
    ASSERT_EQ(m.size(), 6u);
    EXPECT_TRUE(has_mark(m, x + 2 * 3.5, y));               // 3 weeks
    EXPECT_TRUE(has_mark(m, x + 2 * 3.5, y + 4.15));        // Mi+Sa
    EXPECT_TRUE(has_mark(m, x, y + 2 * 4.15));              // Spiel 77 ja
    EXPECT_TRUE(has_mark(m, x + 3 * 3.5, y + 2 * 4.15));    // Super 6 ja
    EXPECT_TRUE(has_mark(m, x, y + 3 * 4.15));              // GlücksSpirale ja
    EXPECT_TRUE(has_mark(m, x + 3 * 3.5, y + 3 * 4.15));    // SiegerChance ja
    o.spiel77 = false;
    m = slip_marks(t, o, game_params(kLottoBoth), 0, kNeutral);
    EXPECT_TRUE(has_mark(m, x + 3.5, y + 2 * 4.15));        // Spiel 77 nein

    Ticket a = ticket_for(kAustria);
    TicketOptions ao;
    ao.joker_count = 3;
    ao.lotto_plus = true;
    const auto am = slip_marks(a, ao, game_params(kAustria), 12, kNeutral);
    const double ax = 5.2, ay = 7.7 + 7 * (7 * 3.9) + 3.9;  // 14 rows: seven lines
    ASSERT_EQ(am.size(), 3u);
    EXPECT_TRUE(has_mark(am, ax, ay));                      // one week
    EXPECT_TRUE(has_mark(am, ax + 3 * 3.8, ay + 3.9));      // Joker field "3"
    EXPECT_TRUE(has_mark(am, ax, ay + 2 * 3.9));            // LottoPlus ja

    Ticket s = ticket_for(kSwiss);
    TicketOptions so;
    so.swiss_joker_bits = 0x06;  // the first two Joker fields
    const auto sm = slip_marks(s, so, game_params(kSwiss), 17, kNeutral);
    const double sx = 10.2 + 1.5, sy = 24.2 + 7 * (7 * 4.0 + 11.0) + 4.0;
    ASSERT_EQ(sm.size(), 3u);
    EXPECT_TRUE(has_mark(sm, sx, sy + 4.0));
    EXPECT_TRUE(has_mark(sm, sx + 3.36, sy + 4.0));
    EXPECT_FALSE(has_mark(sm, sx + 3 * 3.36, sy + 4.0));    // "nein"
}

TEST(SlipMarks, StripLayoutPrintsOnlyTheRowsTheSlipHolds) {
    Ticket t = ticket_for(kLottoSaturday);
    t.seven_by_seven = false;
    t.tick(0, 49);
    t.tick(1, 1);
    t.tick(14, 5);  // beyond the twelve strips: not on this slip
    const auto m = number_marks(t, {}, kLottoSaturday, 15, kNeutral, 3);
    expect_at(m[0], 22.2 + 48 * 3.8, 27.7);
    expect_at(m[1], 22.2, 27.7 + 4.75);
    EXPECT_GT(m[2].y, 27.7 + 12 * 4.75);  // the third mark is already an option field
}

TEST(SlipMarks, SheetCoversEveryCellAndTurnsUpsideDownSlips) {
    Ticket t = ticket_for(kSwiss);
    t.set_row(13, {1, 2, 3, 4, 5, 42, 1});
    const SlipSheet s = slip_sheet(t, {}, game_params(kSwiss), 17, kNeutral);
    EXPECT_TRUE(s.upside_down);
    EXPECT_EQ(s.cells.size(), 14u * 48 + 10 + 4);  // 42 numbers and 6 lucky cells per row; options
    // The preview's cell numbers: 1..42, the lucky numbers 1..6, nothing on the option fields.
    ASSERT_EQ(s.cell_labels.size(), s.cells.size());
    EXPECT_EQ(s.cell_labels[0], "1");
    EXPECT_EQ(s.cell_labels[41], "42");
    EXPECT_EQ(s.cell_labels[42], "1");
    EXPECT_EQ(s.cell_labels[47], "6");
    EXPECT_EQ(s.cell_labels[48], "1");
    EXPECT_EQ(s.cell_labels.back(), "");
    for (const SlipPoint& c : s.cells) {
        EXPECT_GT(c.x, 0);
        EXPECT_LT(c.x, s.width);
        EXPECT_GT(c.y, 0);
        EXPECT_LT(c.y, s.height);
    }
    const SlipPoint p = page_position(s, 10.0, 20.0);
    EXPECT_DOUBLE_EQ(p.x, s.width - 10.0);
    EXPECT_DOUBLE_EQ(p.y, s.height - 20.0);
    const SlipSheet upright = slip_sheet(t, {}, game_params(kLottoSaturday), 0, kNeutral);
    EXPECT_DOUBLE_EQ(page_position(upright, 10.0, 20.0).x, 10.0);
}

TEST(SlipMarks, PdfHoldsOneCourierXPerMarkOnASlipSizedPage) {
    Ticket t = ticket_for(kLottoSaturday);
    t.set_row(0, {1, 2, 3, 4, 5, 6});
    const SlipSheet s = slip_sheet(t, {}, game_params(kLottoSaturday), 0, kNeutral);
    const std::string pdf = slip_pdf(s);
    EXPECT_EQ(pdf.rfind("%PDF-1.4", 0), 0u);
    size_t count = 0;
    for (size_t at = pdf.find("Tm (x) Tj"); at != std::string::npos; at = pdf.find("Tm (x) Tj", at + 1)) ++count;
    EXPECT_EQ(count, s.marks.size());
    EXPECT_NE(pdf.find("/BaseFont /Courier"), std::string::npos);
    const std::string box =
        "/MediaBox [0 0 " + decimal_text(s.width * 72 / 25.4, 2) + " " + decimal_text(s.height * 72 / 25.4, 2) + "]";
    EXPECT_NE(pdf.find(box), std::string::npos);
    // The cross-reference table points at every object.
    const size_t xref = pdf.find("xref\n");
    EXPECT_NE(pdf.find("startxref\n" + std::to_string(xref)), std::string::npos);
}

using GermanNumbers = test::GermanCLocale;

TEST_F(GermanNumbers, PdfNumbersKeepThePoint) {
    Ticket t = ticket_for(kLottoSaturday);
    t.set_row(0, {1, 2, 3, 4, 5, 6});
    const std::string pdf = slip_pdf(slip_sheet(t, {}, game_params(kLottoSaturday), 0, kNeutral));
    const size_t box = pdf.find("/MediaBox [0 0 ");
    ASSERT_NE(box, std::string::npos);
    const std::string numbers = pdf.substr(box, pdf.find(']', box) - box);
    EXPECT_EQ(numbers.find(','), std::string::npos) << numbers;  // "464,88" is no PDF number
    EXPECT_NE(numbers.find('.'), std::string::npos) << numbers;
}

TEST(SlipMarks, BundeslandChangeRenamesSystemsOrRefuses) {
    Ticket t = ticket_for(kLottoSaturday, true);
    t.set_partial_system(0, 16, 22);  // 22/77 under the Teil-Systeme of Baden-Württemberg
    for (int n = 1; n <= 22; ++n) t.tick_box(0, n);
    ASSERT_EQ(label_family(kLottoSaturday, 2), LabelFamily::kVew);
    ASSERT_TRUE(convert_systems_for_bundesland(t, kLottoSaturday, 0, 2));
    EXPECT_EQ(system_name(LabelFamily::kVew, t.box(0).index), "622");
    EXPECT_EQ(t.box(0).ticked.size(), 22u);
    ASSERT_TRUE(convert_systems_for_bundesland(t, kLottoSaturday, 2, 18));
    EXPECT_EQ(t.box(0).index, 16);

    t.set_partial_system(1, 3, 10);  // 10/50 has no VEW name
    const Status st = convert_systems_for_bundesland(t, kLottoSaturday, 0, 2);
    ASSERT_FALSE(st);
    EXPECT_NE(st.message().find("10/50 in Feld 2"), std::string::npos);
    EXPECT_EQ(t.box(0).index, 16);  // nothing changed
    EXPECT_EQ(t.box(1).index, 3);
    EXPECT_TRUE(convert_systems_for_bundesland(t, kLottoSaturday, 0, 8));  // same family
}
