#include "app/banner_view.h"

#include <QPainter>

#include "app/session.h"
#include "ui/draw_helpers.h"
#include "ui/fonts.h"

namespace zw {

BannerView::BannerView(const Session& session, QWidget* parent)
    : QWidget(parent), session_(session) {
    setObjectName(QStringLiteral("main_display"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
}

void BannerView::paint(QPainter& p, const QSize& size, int game) {
    p.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    const GameInfo& g = game_info(game);
    // Banner plate: a raised box in the game's colour with the captions.
    const int fill = game == kAustria ? 4 : (game == kSwiss ? 12 : (game == kToto ? 2 : 14));
    const QRect plate(size.width() / 2 - 260, 60, 520, 170);
    r_box(p, plate, fill, true);
    const QColor text = (fill == 14) ? palette_colour(4) : palette_colour(15);
    p.setPen(text);
    QFont big = ui_font(20);
    big.setPixelSize(64);
    big.setWeight(QFont::Bold);
    p.setFont(big);
    p.drawText(plate.adjusted(0, 10, 0, -70), Qt::AlignHCenter | Qt::AlignVCenter,
               QString::fromUtf8(g.banner[0].data(), static_cast<int>(g.banner[0].size())));
    QFont sub = ui_font(18);
    sub.setPixelSize(30);
    p.setFont(sub);
    QString second = QString::fromUtf8(g.banner[1].data(), static_cast<int>(g.banner[1].size()));
    if (!g.banner[2].empty())
        second += QStringLiteral("  ") +
                  QString::fromUtf8(g.banner[2].data(), static_cast<int>(g.banner[2].size()));
    p.drawText(plate.adjusted(0, 100, 0, -10), Qt::AlignHCenter | Qt::AlignVCenter, second);
    p.setPen(palette_colour(8));
    p.setFont(ui_font(4));
    p.drawText(QRect(0, plate.bottom() + 30, size.width(), 24), Qt::AlignHCenter,
               QString::fromUtf8(g.name.data(), static_cast<int>(g.name.size())));
}

void BannerView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paint(p, size(), session_.params.code);
    p.setPen(palette_colour(8));
    p.setFont(ui_font(4));
    const int newest = session_.archive.newest();
    QString info = QStringLiteral("Ziehungen im Archiv: %1").arg(std::max(newest, 0));
    if (session_.params.austria)
        info += QStringLiteral("   Bonus-Ziehungen: %1").arg(session_.archive.bonus_count());
    p.drawText(QRect(0, height() - 40, width(), 24), Qt::AlignHCenter, info);
}

}  // namespace zw
