// The number grid of the row generator and the number-choice console: one
// cell per number with its frequency in parentheses; a click toggles it.
#pragma once

#include <QWidget>
#include <vector>

class QToolButton;

namespace zw {

class NumberGridWidget : public QWidget {
    Q_OBJECT
public:
    enum class Mark { kNone, kTip, kBanker };

    // Cells 1..cells in rows of `columns`; `frequency[n]` is shown as "(f)".
    NumberGridWidget(int cells, int columns, QWidget* parent = nullptr);
    void set_frequency(int n, int frequency);
    // Caption line of cell n (default: the number itself).
    void set_label(int n, const QString& label);
    void set_mark(int n, Mark mark);
    Mark mark(int n) const;
    int cells() const { return static_cast<int>(buttons_.size()); }
    QToolButton* cell(int n) const;

signals:
    void cell_clicked(int n);

private:
    void refresh(int n);
    std::vector<QToolButton*> buttons_;  // index n - 1
    std::vector<Mark> marks_;
    std::vector<QString> labels_;
    std::vector<int> frequencies_;
};

}  // namespace zw
