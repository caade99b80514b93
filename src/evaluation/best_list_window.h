// The list window "Bestenliste" / "Nietenliste": runs the search while it
// shows the running list and the remaining time (keys: A evaluates the rows
// found so far, D prints them, Escape or closing the window asks
// "Berechnung beenden?"), and shows a stored list. The list dialog `Dlg_1`
// "Auswahl-Konsole" offers printing and the text export.
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <chrono>
#include <functional>

#include "evaluation/backtest_list.h"
#include "evaluation/backtest_list_painter.h"
#include "ui/ui_services.h"

namespace zw {

class BestListWindow : public QDialog {
    Q_OBJECT
public:
    BestListWindow(BacktestList list, UiServices& ui, QWidget* parent = nullptr);

    // Searches the rows of `numbers` over the inputs' range, showing the list
    // as it grows; ends with the final evaluation of the rows found (also
    // after a stop). Returns the list.
    const BacktestList& run_search(const NumberList& numbers, const EvaluationInputs& in);

    const BacktestList& list() const { return list_; }
    const QString& status() const { return status_; }
    bool searching() const { return searching_; }
    // Tests poll at every innermost loop.
    void set_poll_interval(std::chrono::nanoseconds interval) { poll_interval_ = interval; }
    QSize sizeHint() const override { return painter_.size_hint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    bool poll(const SearchProgress& progress, const EvaluationInputs& in);

    BacktestList list_;
    UiServices& ui_;
    BacktestListPainter painter_;
    QString status_;
    QElapsedTimer repainted_;
    bool searching_ = false;
    bool want_evaluation_ = false, want_print_ = false, want_stop_ = false;
    std::chrono::nanoseconds poll_interval_ = std::chrono::milliseconds(50);
};

// `Dlg_1` "Auswahl-Konsole": "&OK", "&Drucken", "&TXT-Datei", "&Abbruch".
class ListDialog : public QDialog {
    Q_OBJECT
public:
    // Buttons cmd1..cmd4: OK, print, text file, cancel.
    ListDialog(const BacktestList& list, UiServices& ui, QString folder, QWidget* parent = nullptr);

public slots:
    void print();
    void export_text();

private:
    const BacktestList& list_;
    UiServices& ui_;
    QString folder_;
};

// "Liste ausdrucken?" and the print job "Bestenliste" / "Nietenliste".
void print_list(QWidget* parent, UiServices& ui, const BacktestList& list);
// The file selector "Liste als Text speichern:", the text file, and opening it.
void export_list(QWidget* parent, UiServices& ui, const BacktestList& list, const QString& folder);

}  // namespace zw
