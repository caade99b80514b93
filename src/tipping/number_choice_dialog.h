// The number-choice console: the number grid with frequencies, the TOP 18
// lists of the most frequent numbers and of the longest gaps, and OK/cancel.
// The partner statistics choose their fixed numbers in it.
#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "session/session.h"
#include "stats/stat_tables.h"
#include "tipping/number_grid_widget.h"

class QLabel;

namespace zw {

class NumberChoiceDialog : public QDialog {
    Q_OBJECT
public:
    // Statistics over the session's draw range; `title` and `prompt` as shown.
    NumberChoiceDialog(Session& session, const QString& title, const QString& prompt,
                       QWidget* parent = nullptr);

    // The chosen numbers in ascending order.
    std::vector<int> chosen() const;
    void toggle(int n);
    NumberGridWidget* grid() const { return grid_; }

    // Runs the console; the numbers when OK was pressed, nullopt on cancel.
    static std::optional<std::vector<int>> choose(Session& session, const QString& title,
                                                  const QString& prompt, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int highest_;
    NumberGridWidget* grid_;
    QLabel* typed_;
    TypedNumber typed_number_;
};

}  // namespace zw
