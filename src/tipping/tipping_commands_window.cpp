// Connects the menu entries of this subsystem to its windows.
#include "app/main_window.h"
#include "tipping/fees_dialog.h"
#include "tipping/quota_dialog.h"

namespace zw {

void install_tipping_commands(MainWindow& window) {
    // The settings dialogs and the save leave the main display as it is.
    window.set_command(39, [&window] {
        window.set_no_relayout();
        QuotaDialog dialog(window.session(), window.ui(), &window);
        dialog.exec();
    });
    window.set_command(40, [&window] {
        window.set_no_relayout();
        FeesDialog dialog(window.session(), window.ui(), &window);
        dialog.exec();
    });
    window.set_command(2, [&window] {
        window.set_no_relayout();
        if (Status s = window.session().save_money_tables(); !s)
            window.ui().message(&window, kWarning, QString::fromStdString(s.message()));
    });
}

}  // namespace zw
