// Downloads over HTTPS into memory, waiting in a local event loop with a
// timeout and a size cap; plain http:// only to loopback addresses. Every
// failure comes back at once as a German message (no connection, timeout,
// server error, connection closed half-way, answer too large).
#pragma once

#include <QNetworkAccessManager>
#include <QString>
#include <QUrl>
#include <functional>

#include "archive/net_addresses.h"
#include "base/download.h"

namespace zw {

constexpr qint64 kDownloadMaxBytes = 4 * 1024 * 1024;

class NetClient {
  public:
    explicit NetClient(int timeout_ms = 15000, qint64 max_bytes = kDownloadMaxBytes);

    Download get(const std::string& address);
    // The engine's view of this client.
    Fetcher fetcher() {
        return [this](const std::string& a) { return get(a); };
    }

    // Called while data arrives (received, total or -1).
    std::function<void(qint64, qint64)> progress;
    // Polled while waiting; true ends the download ("Abgebrochen").
    std::function<bool()> cancelled;

    // https://, or http:// to 127.0.0.1, ::1 or localhost.
    static bool address_allowed(const QUrl& url);

  private:
    QNetworkAccessManager manager_;
    int timeout_ms_;
    qint64 max_bytes_;
};

// The addresses of the Internet update from Ziehwerk.ini in the data folder
// ([NetUpdate] Address, Timeout; [Ergebnisseiten] Lotto, Schweiz, Oesterreich;
// [Quellen] Lotto6aus49, Lotto6aus45, where an empty value switches the source
// off), the built-in defaults where the file says nothing.
NetAddresses read_net_addresses(const QString& data_folder);

}  // namespace zw
