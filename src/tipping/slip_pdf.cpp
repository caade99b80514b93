#include "tipping/slip_pdf.h"

#include <cstdio>
#include <vector>

#include "base/decimal.h"

namespace zw {
namespace {

constexpr double kPointsPerMm = 72.0 / 25.4;
// Courier: every glyph is 0.6 em wide; the x-height is about 0.42 em.
constexpr double kHalfGlyph = 0.3 * kSlipMarkPoints;
constexpr double kHalfXHeight = 0.21 * kSlipMarkPoints;

// PDF numbers always take a point, whatever the locale.
std::string number(double v) { return decimal_text(v, 2); }

}  // namespace

std::string slip_pdf(const SlipSheet& sheet) {
    const double w = sheet.width * kPointsPerMm, h = sheet.height * kPointsPerMm;
    std::string content;
    for (const SlipMark& m : sheet.marks) {
        // Centred on its point; on an upside-down feed the text is turned with
        // the slip, so that it reads right on the slip.
        const SlipPoint at = page_position(sheet, m.x, m.y);
        const double half_w = kHalfGlyph * static_cast<double>(m.text.size());
        const double x = at.x * kPointsPerMm, y = h - at.y * kPointsPerMm;
        const std::string matrix = sheet.upside_down
                                       ? "-1 0 0 -1 " + number(x + half_w) + " " + number(y + kHalfXHeight)
                                       : "1 0 0 1 " + number(x - half_w) + " " + number(y - kHalfXHeight);
        content += "BT /F1 " + number(kSlipMarkPoints) + " Tf " + matrix + " Tm (" + m.text + ") Tj ET\n";
    }
    const std::vector<std::string> objects = {
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + number(w) + " " + number(h) +
            "] /Resources << /Font << /F1 4 0 R >> >> /Contents 5 0 R >>",
        "<< /Type /Font /Subtype /Type1 /BaseFont /Courier /Encoding /WinAnsiEncoding >>",
        "<< /Length " + std::to_string(content.size()) + " >>\nstream\n" + content + "endstream",
        "<< /Title (Scheindruck) /Producer (ziehwerk-cli) >>",
    };
    std::string pdf = "%PDF-1.4\n";
    std::vector<size_t> offsets;
    for (size_t i = 0; i < objects.size(); ++i) {
        offsets.push_back(pdf.size());
        pdf += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const size_t xref = pdf.size();
    pdf += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (size_t o : offsets) {
        char line[24];
        std::snprintf(line, sizeof line, "%010zu 00000 n \n", o);
        pdf += line;
    }
    pdf += "trailer\n<< /Size " + std::to_string(objects.size() + 1) + " /Root 1 0 R /Info 6 0 R >>\nstartxref\n" +
           std::to_string(xref) + "\n%%EOF\n";
    return pdf;
}

Status write_slip_pdf(const fs::path& path, const SlipSheet& sheet) {
    return write_file_atomic(path, slip_pdf(sheet));
}

}  // namespace zw
