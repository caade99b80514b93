// The range dialog `rahm`: two scroll bars choose range first and range last.
#pragma once

#include <QDialog>
#include <functional>

#include "session/session.h"

class QLabel;
class QLineEdit;
class QScrollBar;
class QSpinBox;

namespace zw {

class RangeDialog : public QDialog {
    Q_OBJECT
public:
    using HelpFunction = std::function<void(const QString& topic)>;
    RangeDialog(Session& session, HelpFunction help, QWidget* parent = nullptr);

    void scl2_Change(int position);
    void scl3_Change(int position);
    void cmd4_Click();  // accept
    // "die letzten N Ziehungen" up to range last.
    void choose_last_draws(int count);
    // From/to date (dd.mm.yyyy, either empty): first and last become the draws
    // on or inside the dates. False, and the range stays, when no draw falls inside.
    bool choose_dates(const QString& from, const QString& to);
    void reject() override;  // cancel, close box and Escape restore the range

signals:
    void range_chosen();

private:
    void refresh();
    QString date_text(int draw) const;

    Session& session_;
    HelpFunction help_;
    int saved_first_;
    int saved_last_;
    int limit_;
    QScrollBar* scl2_;
    QScrollBar* scl3_;
    QLabel* first_number_;
    QLabel* first_date_;
    QLabel* last_number_;
    QLabel* last_date_;
    QLabel* count_;
    QSpinBox* last_count_;
    QLineEdit* from_date_;
    QLineEdit* to_date_;
};

}  // namespace zw
