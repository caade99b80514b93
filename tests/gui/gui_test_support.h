// Support for the window tests: a fixed environment, scripted answers for
// message boxes, file selectors and popup lists, and small data folders.
#pragma once

#include <QApplication>
#include <QLocale>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <deque>
#include <fstream>
#include <memory>
#include <vector>

#include "session/session.h"
#include "ui/ui_services.h"

namespace zw::test {

// Records every blocking call and answers from queues (default: first
// button, cancel, no choice).
struct ScriptedUi {
    std::deque<int> message_answers;
    std::deque<QString> file_answers;  // an empty answer cancels
    std::deque<int> popup_answers;
    std::vector<MessageRequest> messages;
    std::vector<FileRequest> file_requests;
    std::vector<QString> popups;
    std::vector<QUrl> opened_urls;
    std::vector<QStringList> started_programs;
    bool print_accepts = true;
    UiServices services;

    ScriptedUi() {
        services.message_box = [this](QWidget*, const MessageRequest& r) {
            messages.push_back(r);
            if (message_answers.empty()) return r.default_button;
            const int a = message_answers.front();
            message_answers.pop_front();
            return a;
        };
        services.file_dialog = [this](QWidget*, const FileRequest& r) -> std::optional<QString> {
            file_requests.push_back(r);
            if (file_answers.empty()) return std::nullopt;
            const QString a = file_answers.front();
            file_answers.pop_front();
            if (a.isEmpty()) return std::nullopt;
            return a;
        };
        services.popup_list = [this](QWidget*, const QString& items, QPoint) {
            popups.push_back(items);
            if (popup_answers.empty()) return -1;
            const int a = popup_answers.front();
            popup_answers.pop_front();
            return a;
        };
        services.open_url = [this](const QUrl& url) {
            opened_urls.push_back(url);
            return true;
        };
        services.start_program = [this](const QString& program, const QStringList& args) {
            started_programs.push_back(QStringList{program} + args);
            return true;
        };
        services.print_dialog = [this](QWidget*, QPrinter&) { return print_accepts; };
        services.now = [] { return QDateTime(QDate(2026, 12, 9), QTime(12, 0)); };
        services.random_seed = [] { return 12345u; };
    }
    QString last_message() const { return messages.empty() ? QString() : messages.back().text; }
    // The next print jobs go into this PDF file instead of a printer.
    void print_to_pdf(const QString& path) {
        services.print_dialog = [path](QWidget*, QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            return true;
        };
    }
};

// A session on `dir` after start-up, with `game` selected.
inline std::unique_ptr<Session> started_session(const QTemporaryDir& dir, GameCode game) {
    auto session = std::make_unique<Session>(dir.path().toStdString());
    session->start_up();
    session->select_game(game);
    return session;
}

// The text of a printed PDF file, by default with its layout kept.
inline QString pdf_text(const QString& path, bool layout = true) {
    QProcess p;
    QStringList args{path, QStringLiteral("-")};
    if (layout) args.prepend(QStringLiteral("-layout"));
    p.start(QStringLiteral("pdftotext"), args);
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Answers the next modal dialog from the event loop.
template <typename F>
void when_modal(F f) {
    QTimer::singleShot(0, [f] { f(QApplication::activeModalWidget()); });
}

inline void write_bytes(const QString& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path.toStdString(), std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A draw file with `draws` records of ascending numbers.
inline void write_draw_file(const QString& path, int draws, int record_length = 7) {
    std::vector<uint8_t> bytes = {126, 126, 0, 0};
    for (int n = 0; n < draws; ++n)
        for (int k = 0; k < record_length; ++k)
            bytes.push_back(static_cast<uint8_t>(k < 6 ? 1 + (n + k * 7) % 42 : 3));
    write_bytes(path, bytes);
}

}  // namespace zw::test

// main() for a window test: offscreen, German locale, isolated standard paths.
#define ZW_GUI_TEST_MAIN(TestClass)                                  \
    int main(int argc, char** argv) {                                \
        qputenv("QT_QPA_PLATFORM", "offscreen");                     \
        qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");               \
        QApplication app(argc, argv);                                \
        QApplication::setApplicationName(QStringLiteral("ziehwerk")); \
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); \
        QStandardPaths::setTestModeEnabled(true);                    \
        TestClass t;                                                 \
        return QTest::qExec(&t, argc, argv);                         \
    }
