// The range dialog `rahm`: two scroll bars choose range first and range last.
#pragma once

#include <QDialog>
#include <functional>

#include "app/session.h"

class QLabel;
class QScrollBar;

namespace zw {

class RangeDialog : public QDialog {
    Q_OBJECT
public:
    using HelpFunction = std::function<void(const QString& topic)>;
    RangeDialog(Session& session, HelpFunction help, QWidget* parent = nullptr);

    void scl2_Change(int position);
    void scl3_Change(int position);
    void cmd4_Click();  // accept
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
};

}  // namespace zw
