// The number grid of the row generator and the number-choice console: one
// cell per number with its frequency in parentheses; a click toggles it.
#pragma once

#include <QWidget>
#include <vector>

#include "stats/stat_tables.h"

class QKeyEvent;
class QLabel;
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

// A "TOP 18" list: the head ("HAUF", "RUCK") and each number with its value.
QLabel* top_list_label(QWidget* parent, const char* name, const QString& head, const std::vector<int>& numbers,
                       const NumberTable& values);

// A number typed on the keyboard and confirmed with Return (two digits at most).
class TypedNumber {
public:
    enum class Key { kOther, kChanged, kEntered };
    // Digits, Backspace and Return; kEntered leaves the number in value().
    Key key(const QKeyEvent& event);
    int value() const { return value_; }
    // "Zahl: 12" while digits are typed.
    QString caption() const;

private:
    QString typing_;
    int value_ = 0;
};

}  // namespace zw
