// One tick on the ticket picture as the main window repaints it: the ticket
// operation, the cached background and the ticket's own marks over it, in an
// image of the main window's size (HiDPI factor 2 too); and, for comparison,
// the whole slip drawn from nothing (the printer's way).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "games/game_catalogue.h"
#include "games/money_tables.h"
#include "tipping/ticket.h"
#include "tipping/ticket_layout.h"
#include "tipping/ticket_options.h"
#include "tipping/ticket_picture_painter.h"

namespace {

void tick_and_paint(benchmark::State& state, bool cached) {
    const int ratio = static_cast<int>(state.range(0));
    const zw::GameParams params = zw::game_params(zw::kLottoSaturday);
    const zw::MoneyTables money = zw::default_money_tables();
    zw::Ticket ticket;
    ticket.set_game(params);
    zw::TicketOptions options;
    QImage image(1304 * ratio, 474 * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    QImage background = image;
    {
        QPainter p(&background);
        const zw::TicketLayout layout(params, false, true);
        zw::TicketPictureInput in{params, ticket, options, money, 0, 0, QString(), QString()};
        in.layer = zw::PictureLayer::kBackground;
        zw::TicketPicturePainter().paint(p, layout, in);
    }
    int n = 0;
    for (auto _ : state) {
        const int row = (n / 6) % 16;
        if (!ticket.tick(row, 1 + (n * 7) % 49)) ticket.clear_row(row);
        ++n;
        const zw::TicketLayout layout(params, ticket.system_mode, ticket.seven_by_seven);
        zw::TicketPictureInput in{params, ticket, options, money, 0, 0, QString(), QString()};
        QPainter p(&image);
        if (cached) {
            p.drawImage(0, 0, background);
            in.layer = zw::PictureLayer::kForeground;
        }
        zw::TicketPicturePainter().paint(p, layout, in);
        p.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_TickAndRepaint(benchmark::State& state) { tick_and_paint(state, true); }
void BM_WholeSlip(benchmark::State& state) { tick_and_paint(state, false); }
BENCHMARK(BM_TickAndRepaint)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WholeSlip)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
