#include "net/net_client.h"

#include <QDir>
#include <QEventLoop>
#include <QHostAddress>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QSettings>
#include <QTimer>

#include "base/file_io.h"

namespace zw {
namespace {

bool is_loopback(const QUrl& url) {
    const QString host = url.host();
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0) return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

std::string s(const QString& text) {
    return text.toStdString();
}

}  // namespace

NetClient::NetClient(int timeout_ms, qint64 max_bytes)
    : timeout_ms_(timeout_ms), max_bytes_(max_bytes) {}

bool NetClient::address_allowed(const QUrl& url) {
    if (!url.isValid() || url.host().isEmpty()) return false;
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("https") ||
           (scheme == QLatin1String("http") && is_loopback(url));
}

Download NetClient::get(const std::string& address) {
    Download result;
    const QUrl url(QString::fromStdString(address));
    const QString host = url.host().isEmpty() ? QString::fromStdString(address) : url.host();
    if (!address_allowed(url)) {
        result.error = "Die Adresse \"" + address +
                       "\" wird nicht verwendet:|nur sichere Adressen (https://) sind erlaubt.";
        return result;
    }
    // Loopback needs no proxy; everything else uses the system's settings.
    manager_.setProxy(is_loopback(url) ? QNetworkProxy(QNetworkProxy::NoProxy)
                                       : QNetworkProxy(QNetworkProxy::DefaultProxy));
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::UserVerifiedRedirectPolicy);
    QNetworkReply* reply = manager_.get(request);
    QEventLoop loop;
    bool timed_out = false, too_large = false, stopped = false, redirect_refused = false;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(reply, &QNetworkReply::redirected, reply, [&](const QUrl& target) {
        if (address_allowed(target)) {
            emit reply->redirectAllowed();
        } else {
            redirect_refused = true;
            reply->abort();
        }
    });
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply,
                     [&](qint64 received, qint64 total) {
                         if (received > max_bytes_ || total > max_bytes_) {
                             too_large = true;
                             reply->abort();
                             return;
                         }
                         if (progress) progress(received, total);
                     });
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, reply, [&] {
        timed_out = true;
        reply->abort();
    });
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, reply, [&] {
        if (cancelled && cancelled()) {
            stopped = true;
            reply->abort();
        }
    });
    timeout.start(timeout_ms_);
    poll.start(50);
    if (!reply->isFinished()) loop.exec();
    timeout.stop();
    poll.stop();

    const QByteArray body = reply->isOpen() ? reply->readAll() : QByteArray();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QNetworkReply::NetworkError error = reply->error();
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    reply->deleteLater();

    if (stopped) {
        result.error = "Abgebrochen.";
    } else if (timed_out) {
        result.error =
            s(QStringLiteral("Zeitüberschreitung: %1 antwortet nicht|innerhalb von %2 Sekunden.")
                  .arg(host)
                  .arg(timeout_ms_ / 1000.0, 0, 'g', 3));
    } else if (too_large || body.size() > max_bytes_) {
        const QString limit = max_bytes_ >= 1024 * 1024
                                  ? QStringLiteral("%1 MB").arg(max_bytes_ / (1024 * 1024))
                                  : QStringLiteral("%1 KB").arg(max_bytes_ / 1024);
        result.error = s(QStringLiteral("Die Antwort von %1 ist größer als %2|und wird verworfen.")
                             .arg(host, limit));
    } else if (redirect_refused) {
        result.error =
            s(QStringLiteral(
                  "%1 leitet auf eine unsichere Adresse um;|der Download wurde abgebrochen.")
                  .arg(host));
    } else if (status >= 400) {
        result.error =
            s(QStringLiteral("Der Server %1 meldet den Fehler %2.").arg(host).arg(status));
    } else if (error == QNetworkReply::ConnectionRefusedError ||
               error == QNetworkReply::HostNotFoundError ||
               error == QNetworkReply::UnknownNetworkError ||
               error == QNetworkReply::TemporaryNetworkFailureError ||
               error == QNetworkReply::NetworkSessionFailedError ||
               error == QNetworkReply::ProxyConnectionRefusedError ||
               error == QNetworkReply::ProxyNotFoundError) {
        result.error =
            s(QStringLiteral("Keine Verbindung zu %1.|Bitte prüfen Sie die Internetverbindung.")
                  .arg(host));
    } else if (error == QNetworkReply::SslHandshakeFailedError) {
        result.error =
            s(QStringLiteral("Die sichere Verbindung zu %1 ist fehlgeschlagen.").arg(host));
    } else if (error == QNetworkReply::RemoteHostClosedError ||
               (error == QNetworkReply::NoError && length.isValid() &&
                length.toLongLong() != body.size())) {
        result.error =
            s(QStringLiteral("Die Verbindung zu %1 wurde vorzeitig getrennt.").arg(host));
    } else if (error != QNetworkReply::NoError) {
        result.error = s(QStringLiteral("Der Download von %1 ist fehlgeschlagen.").arg(host));
    } else {
        result.ok = true;
        result.body.assign(body.begin(), body.end());
    }
    return result;
}

NetAddresses read_net_addresses(const QString& data_folder) {
    NetAddresses a;
    const auto ini = find_file(data_folder.toStdString(), "Ziehwerk.ini");
    if (!ini) return a;
    QSettings settings(QString::fromStdString(ini->string()), QSettings::IniFormat);
    auto value = [&](const char* key, std::string& into) {
        const QString v = settings.value(QLatin1String(key)).toString().trimmed();
        if (!v.isEmpty()) into = v.toStdString();
    };
    value("NetUpdate/Address", a.bundle);
    value("Ergebnisseiten/Lotto", a.lotto);
    value("Ergebnisseiten/Schweiz", a.swiss);
    value("Ergebnisseiten/Oesterreich", a.austria);
    // A source key given without a value switches that source off.
    auto source = [&](const char* key, std::string& into) {
        if (settings.contains(QLatin1String(key)))
            into = settings.value(QLatin1String(key)).toString().trimmed().toStdString();
    };
    source("Quellen/Lotto6aus49", a.source_lotto);
    source("Quellen/Lotto6aus45", a.source_austria);
    bool ok = false;
    const int timeout = settings.value(QStringLiteral("NetUpdate/Timeout")).toInt(&ok);
    if (ok && timeout >= 1 && timeout <= 120) a.timeout_seconds = timeout;
    return a;
}

}  // namespace zw
