// The prize distribution ("Gewinn-Verteilung für den ..."): one line per
// winning ticket of a comparison in list `lv1`, printed with `cmd30`.
#pragma once

#include <QDialog>

#include "cardindex/comparison.h"
#include "games/game_catalogue.h"

class QPrinter;
class QTreeWidget;

namespace zw {

struct UiServices;

class PrizeDistributionDialog : public QDialog {
    Q_OBJECT
public:
    PrizeDistributionDialog(const Comparison& comparison, GameCode game, UiServices& ui, QWidget* parent = nullptr);

    QTreeWidget* list() const { return list_; }
    // The printout onto a printer that is set up; false on a printer failure.
    bool print_distribution(QPrinter& printer) const;

    void gwinvrt_Load();
    void cmd29_Click();  // close
    void cmd30_Click();  // print after the question
    void cmd31_Click();  // close

private:
    const Comparison& comparison_;
    GameCode game_;
    UiServices& ui_;
    QTreeWidget* list_ = nullptr;
};

}  // namespace zw
