// A host over a small data folder for the statistics window tests, with the
// statistics commands registered.
#pragma once

#include <QTemporaryDir>
#include <memory>

#include "fake_host.h"
#include "gui_test_support.h"

namespace zw::test {

// Draw n holds 1 + n % 7, 8 + n % 7, ... (six numbers spaced by 7) and the
// extra number 1 + n % 10.
inline std::vector<uint8_t> stats_draw_file(int draws, int record_length = 7) {
    std::vector<uint8_t> bytes = {126, 126, 0, 0};
    for (int n = 1; n <= draws; ++n) {
        for (int k = 0; k < 6; ++k) bytes.push_back(static_cast<uint8_t>(7 * k + 1 + n % 7));
        bytes.push_back(static_cast<uint8_t>(1 + n % 10));
        if (record_length == 8) bytes.push_back(0);
    }
    return bytes;
}

struct StatsFixture {
    QTemporaryDir dir;
    ScriptedUi ui;
    std::unique_ptr<Session> session;
    std::unique_ptr<FakeHost> host;

    // Every game's file has `draws` draws.
    explicit StatsFixture(GameCode game = kLottoSaturday, int draws = 40,
                          const QString& bonus = QString()) {
        for (const char* f : {"Lotto.Dat", "Toto.Dat", "O_Lotto.Dat", "SM_Lotto.Dat"})
            write_bytes(dir.filePath(QString::fromLatin1(f)), stats_draw_file(draws));
        write_bytes(dir.filePath(QStringLiteral("Swiss.Dat")), stats_draw_file(draws, 8));
        if (!bonus.isEmpty()) {
            QFile f(dir.filePath(QStringLiteral("OB_Lotto.Dat")));
            f.open(QIODevice::WriteOnly);
            f.write(bonus.toUtf8());
        }
        session = std::make_unique<Session>(dir.path().toStdString());
        session->start_up();
        session->select_game(game);
        host = std::make_unique<FakeHost>(*session, ui.services);
        install_stats_commands(*host, *host);
        host->frame().show();
    }
    template <class T>
    T* find(const char* name) const {
        return host->frame().findChild<T*>(QString::fromLatin1(name));
    }
};

}  // namespace zw::test
