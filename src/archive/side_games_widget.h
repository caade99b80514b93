// The boxes of the draw entry for the side games: "sp77" with Spiel 77 and
// Super 6 (German games) or the Joker (Austria, Switzerland), and "Lplus"
// with the six Austrian LottoPlus numbers. RETURN moves to the next box.
// The side-game boxes take complete numbers only: a box left with fewer
// digits than its game has is refused with a message under the boxes and
// shows its last number again.
#pragma once

#include <QFrame>
#include <array>

class QLabel;
class QLineEdit;

namespace zw {

class SideGamesWidget : public QFrame {
    Q_OBJECT
public:
    // `german`: Spiel 77 and Super 6; otherwise the Joker box.
    SideGamesWidget(bool german, QWidget* parent = nullptr);

    QLineEdit* side_box() const { return side_; }
    QLineEdit* super6_box() const { return super6_; }  // nullptr for the Joker games
    // Shows the texts without reporting them as typed.
    void load(const QString& side, const QString& super6, bool side_usable, bool super6_usable);
    // The refusal shown under the boxes (empty when there is none).
    QString refusal() const;

signals:
    void edited(const QString& side, const QString& super6);
    // RETURN in the last box: the typing goes back to the number fields.
    void finished();

private:
    // RETURN or leaving `box`: true when it is empty or complete; otherwise
    // the refusal is shown and the box gets its last number back.
    bool check(QLineEdit* box);
    void report();

    bool german_;
    QLineEdit* side_ = nullptr;
    QLineEdit* super6_ = nullptr;
    QLabel* refusal_ = nullptr;
    QString last_side_, last_super6_;
};

class LottoPlusWidget : public QFrame {
    Q_OBJECT
public:
    explicit LottoPlusWidget(QWidget* parent = nullptr);

    const std::array<QLineEdit*, 6>& boxes() const { return boxes_; }
    void load(const std::array<QString, 6>& values, bool usable);

signals:
    void edited(int box, const QString& text);
    void finished();

private:
    std::array<QLineEdit*, 6> boxes_{};
};

}  // namespace zw
