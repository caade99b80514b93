// The result window `dclick` of the statistics: the chart of the current
// statistic code, the kind switch `frm5`, "-"/"+" stepping of range last,
// hard copy and help; also hosts the gap-average diagram.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

#include "session/session.h"
#include "stats/chart_widget.h"
#include "stats/statistic_dispatch_view.h"
#include "ui/ui_services.h"

class QGroupBox;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace zw {

class ResultWindow : public QWidget {
    Q_OBJECT
public:
    using HelpFunction = std::function<void(const QString& topic)>;
    ResultWindow(Session& session, UiServices& ui, HelpFunction help, QWidget* parent = nullptr);

    // Further statistics register their codes here.
    StatisticDispatch& dispatch() { return dispatch_; }
    // The tables behind the charts; the partner statistics keep their fixed numbers here.
    StatTables& tables() { return tables_; }

    // Sets the statistic code, computes and draws it, and shows the window.
    void open_statistic(int code);
    // Shows the gap-average diagram (LottoPlus variant on request, Austria only).
    void open_gap_average(bool plus);
    // Recomputes and redraws whatever the window shows.
    void redraw_statistic();

    int code() const { return code_; }
    bool gap_average_shown() const { return gap_mode_; }
    bool gap_average_plus() const { return plus_; }
    int gap_average_end() const { return gap_end_; }
    ChartWidget* chart() const { return chart_; }
    bool kind_switch_shown() const { return switch_shown_; }

    // The window's inputs (keys, drawn buttons, kind switch, edges).
    void step_back();
    void step_forward();
    void choose_kind(int option);
    void move_gap_average(int delta);
    void hard_copy();
    // The chart's values as a sortable table under the chart.
    void show_table(bool shown);
    QTableWidget* value_table() const { return table_; }
    // Saves the table as CSV or the chart as PNG, asking for the file; false
    // when cancelled, refused or not written.
    bool export_csv();
    bool export_picture();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void chart_clicked(QPoint pos);
    void update_kind_switch();
    void leave_gap_average();
    void fill_table();
    void describe_chart();
    std::optional<QString> ask_file(const QString& title, const QString& suffix, const QString& filter);
    bool write_export(const QString& path, std::string_view bytes);
    DrawSource source() const { return DrawSource(session_.archive, session_.params); }

    Session& session_;
    UiServices& ui_;
    HelpFunction help_;
    StatisticDispatch dispatch_;
    StatTables tables_;
    int code_ = 1;
    bool gap_mode_ = false;
    bool plus_ = false;
    int gap_end_ = 0;
    int gap_limit_ = 0;
    bool switch_shown_ = false;

    ChartWidget* chart_;
    QGroupBox* frm5_;
    QRadioButton* opt1_;
    QRadioButton* opt2_;
    QRadioButton* opt3_;
    QTableWidget* table_;
    QPushButton* table_button_;
    QPushButton* csv_button_;
    QPushButton* picture_button_;
};

}  // namespace zw
