#include "ui/fonts.h"

#include <QFontDatabase>
#include <array>

namespace zw {
namespace {

QFont make_font(const QString& family, int pixel_height, int weight) {
    QFont f(family);
    f.setPixelSize(pixel_height);
    f.setWeight(static_cast<QFont::Weight>(weight));
    f.setStyleHint(family.contains(QLatin1String("Mono")) ? QFont::Monospace : QFont::SansSerif);
    return f;
}

}  // namespace

QFont ui_font(int code) {
    const QString sans = QStringLiteral("Liberation Sans");
    const QString terminal = QStringLiteral("DejaVu Sans Mono");
    switch (code) {
        case 4: return make_font(sans, 16, 200);
        case 8:
        case 12: return make_font(terminal, 12, 400);
        case 14: {
            QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
            f.setFamily(terminal);
            return f;
        }
        case 17: return make_font(sans, 16, 700);
        case 18: return make_font(sans, 22, 500);
        case 20: return make_font(sans, 44, 200);
        default: return QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    }
}

QColor palette_colour(int index) {
    static constexpr std::array<QRgb, 16> colours = {
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xc0c0c0,
        0x808080, 0x0000ff, 0x00ff00, 0x00ffff, 0xff0000, 0xff00ff, 0xffff00, 0xffffff};
    return QColor(colours[static_cast<size_t>(index & 15)]);
}

}  // namespace zw
