// "Scheindruck": prints the ticket in progress onto the paper slip of the
// chosen Bundesland, with the feed orientation, a print preview and the
// calibration form "anpass" for small offsets of the printer.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>

#include "tipping/slip_marks.h"

class QComboBox;
class QLabel;
class QPrinter;
class QScrollBar;

namespace zw {

class Host;
class Session;
struct UiServices;

// What the dialog needs of its host.
struct SlipPrintHost {
    std::function<void()> use_seven_by_seven;  // switches the ticket picture to 7 x 7
    std::function<void()> changed;             // the ticket or the Bundesland changed
    std::function<void(const QString&)> help;
};

class SlipPrintDialog : public QDialog {
    Q_OBJECT
public:
    SlipPrintDialog(Session& session, UiServices& ui, SlipPrintHost host, QWidget* parent = nullptr);
    ~SlipPrintDialog() override;

    // Takes a Bundesland chosen in cb1: converts the system names of the
    // ticket, stores the choice and shows the orientation.
    void cb1_Click(int index);
    void info_ausrichtung();
    void cmd18_Click();  // print
    void cmd19_Click();  // keep the choice and close
    void cmd20_Click();  // calibration
    void cmd39_Click();  // help
    void preview();

private:
    // Steps before any output: the 7 x 7 layout, the refusals; nullopt when refused.
    std::optional<SlipSheet> prepare();
    bool store_header();

    Session& session_;
    UiServices& ui_;
    SlipPrintHost host_;
    QComboBox* cb1_ = nullptr;
    QLabel* orientation_ = nullptr;
    std::unique_ptr<QPrinter> preview_printer_;
};

// "anpass": the calibration of the slip print, kept in the draw file's header.
class CalibrationDialog : public QDialog {
    Q_OBJECT
public:
    CalibrationDialog(Session& session, UiServices& ui, QWidget* parent = nullptr);

    void scl4_Change(int position);
    void scl5_Change(int position);
    void cmd16_Click();  // store and save
    void cmd17_Click();  // close

private:
    void show_offsets();

    Session& session_;
    UiServices& ui_;
    QScrollBar* scl4_ = nullptr;
    QScrollBar* scl5_ = nullptr;
    QLabel* current_ = nullptr;
    QLabel* x_value_ = nullptr;
    QLabel* y_value_ = nullptr;
};

// "&Print Tipp" of the console.
void open_slip_print(Host& host);

}  // namespace zw
