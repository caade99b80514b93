// The main display: the selected game's banner on white.
#pragma once

#include <QWidget>

namespace zw {

class Session;

class BannerView : public QWidget {
    Q_OBJECT
public:
    BannerView(const Session& session, QWidget* parent = nullptr);
    // Draws the banner into a rectangle of the given size.
    static void paint(QPainter& p, const QSize& size, int game);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Session& session_;
};

}  // namespace zw
