#include <QCoreApplication>
#include <iostream>

#include "cli.h"
#include "net/net_client.h"

int main(int argc, char** argv) {
    // A file larger than the process may write fails as a write error.
    zw::report_oversized_writes_as_errors();
    // The downloads of "update" and "fetch" wait in Qt's event loop.
    int qt_argc = 1;
    QCoreApplication app(qt_argc, argv);
    zw::cli::Network network;
    network.get = [](const std::string& url, int timeout_seconds) {
        zw::NetClient client(timeout_seconds * 1000);
        return client.get(url);
    };
    network.addresses = [](const std::filesystem::path& folder) {
        return zw::read_net_addresses(QString::fromStdString(folder.string()));
    };
    return zw::cli::run(argc, argv, std::cout, std::cerr, &network);
}
