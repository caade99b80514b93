// One tick on the ticket picture: the ticket operation and the full repaint
// of the slip into an image of the main window's size (HiDPI factor 2 too).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "games/game_catalogue.h"
#include "tipping/money_tables.h"
#include "tipping/ticket.h"
#include "tipping/ticket_layout.h"
#include "tipping/ticket_options.h"
#include "tipping/ticket_picture_painter.h"

namespace {

void BM_TickAndRepaint(benchmark::State& state) {
    const int ratio = static_cast<int>(state.range(0));
    const zw::GameParams params = zw::game_params(zw::kLottoSaturday);
    const zw::MoneyTables money = zw::default_money_tables();
    zw::Ticket ticket;
    ticket.set_game(params);
    zw::TicketOptions options;
    QImage image(1304 * ratio, 474 * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    int n = 0;
    for (auto _ : state) {
        const int row = (n / 6) % 16;
        if (!ticket.tick(row, 1 + (n * 7) % 49)) ticket.clear_row(row);
        ++n;
        const zw::TicketLayout layout(params, ticket.system_mode, ticket.seven_by_seven);
        QPainter p(&image);
        zw::TicketPicturePainter().paint(p, layout, {params, ticket, options, money, 0, QString(), QString()});
        p.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_TickAndRepaint)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
