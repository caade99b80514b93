// The comparison window ("VERGLEICH: NRM-Scheine" / "VERGLEICH: SYS-Scheine"):
// every ticket of a card index compared with one draw, stepped over the
// archive with "-" and "+", with the prize distribution of the winning
// tickets.
#pragma once

#include <QDialog>
#include <vector>

#include "cardindex/comparison.h"

class QLabel;
class QPushButton;

namespace zw {

class Session;
struct UiServices;

class ComparisonDialog : public QDialog {
    Q_OBJECT
public:
    ComparisonDialog(Session& session, UiServices& ui, CardKind kind, QWidget* parent = nullptr);

    // Compares the index with draw `draw` (kept within the archive) and shows it.
    void set_draw(int draw);
    int draw() const { return comparison_.draw; }
    const Comparison& comparison() const { return comparison_; }
    std::vector<QLabel*> count_labels() const { return counts_; }

    // The buttons: one draw back, one draw on, the prize distribution.
    void previous_draw();
    void next_draw();
    void show_distribution();

private:
    void show_comparison();
    void place_counts();

    Session& session_;
    UiServices& ui_;
    CardKind kind_;
    Comparison comparison_;
    QWidget* counts_box_ = nullptr;
    QLabel* header_ = nullptr;   // lb3
    QLabel* plus_label_ = nullptr;  // lb9
    std::vector<QLabel*> counts_;   // "gw"
    QLabel* date_ = nullptr;     // lb505
    QLabel* tickets_ = nullptr;
    QLabel* stake_ = nullptr;    // lb532
    QLabel* winnings_ = nullptr; // lb540
    QLabel* side_ = nullptr;
    QLabel* problems_ = nullptr;
};

// Menu ids 52 and 53: the comparison of the normal or system card index;
// an empty index is refused with its message.
void show_comparison(QWidget* parent, Session& session, UiServices& ui, CardKind kind);

}  // namespace zw
