// The Net-Update window "frm4": first brings every archive up to date from
// the configured CSV sources (differing draws only when the user says so),
// then downloads the update bundle, checks it whole, swaps in every data file
// that grew and reloads the archive; progress while downloading,
// "&Abbrechen" to stop. Also the per-draw fetch of the draw entry.
#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "archive/bundle.h"
#include "archive/draw_update.h"
#include "archive/result_pages.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace zw {

class DrawEntry;
class Host;
class NetClient;
class Session;
struct UiServices;

class NetUpdateDialog : public QDialog {
    Q_OBJECT
public:
    enum class Outcome { kRunning, kCancelled, kFailed, kNothingNewer, kUpdated };

    NetUpdateDialog(Session& session, UiServices& ui, NetAddresses addresses,
                    QWidget* parent = nullptr);

    std::function<void(const QString&)> show_help;

    // Downloads, checks and swaps; returns with the closing texts shown (or
    // the window closed after a cancel or a failure, which is reported).
    Outcome run();
    Outcome outcome() const { return outcome_; }
    const UpdatePlan& plan() const { return plan_; }
    // What the CSV sources brought (empty when none is configured).
    const UpdateResult& sources() const { return sources_; }

    void cmd40_Click();  // help "Net-Update.htm"
    void cmd41_Click();  // "&Abbrechen" while running, "&OK" at the end

    // The four texts as shown (soft hyphens at the hyphenations).
    QStringList texts() const;

protected:
    void reject() override;

private:
    void show_texts(const std::array<const char*, 4>& texts);
    void fail(const std::string& message);
    // The CSV step; false when the window ended (failed or cancelled).
    bool update_sources(NetClient& client);
    // Loads the updated archive and card indexes; the card indexes book the
    // new draws and what their tickets won in them is told.
    void reload();

    Session& session_;
    UiServices& ui_;
    NetAddresses addresses_;
    Outcome outcome_ = Outcome::kRunning;
    int booked_to_ = 0;  // the newest draw the card indexes had booked before the update
    bool cancel_ = false;
    UpdatePlan plan_;
    UpdateResult sources_;
    QLabel* sources_label_ = nullptr;
    std::array<QLabel*, 4> labels_{};
    QProgressBar* progress_ = nullptr;
    QPushButton* cmd40_ = nullptr;
    QPushButton* cmd41_ = nullptr;
};

// Menu id 70: unsaved draws are guarded first.
void net_update(Host& host);

// The fetch of the entry draw from its result page ("U" in the draw entry):
// fills the seven fields (cursor after the last) and the side-game boxes, or
// reports "Keine Zahlen verfügbar!" / "Noch keine Zahlen verfügbar!".
// The answer only ever fills the draw it was fetched for: when the entry
// shows another draw by then, it is dropped with a message. A fetch that
// `cancelled` stopped changes nothing and says nothing.
// Returns true when the fields were filled and both German side boxes too.
bool fetch_into_entry(DrawEntry& entry, const NetAddresses& addresses, const Fetcher& get,
                      UiServices& ui, QWidget* parent, const std::function<bool()>& cancelled = {});
// The same with the addresses of the data folder's Ziehwerk.ini and a real
// download, which `cancelled` can stop while it waits.
std::function<bool(DrawEntry&, const std::function<bool()>& cancelled)> draw_fetcher(Session& session,
                                                                                   UiServices& ui,
                                                                                   QWidget* parent);

}  // namespace zw
