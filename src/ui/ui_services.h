// The blocking services every window uses (message box, file selector, popup
// list, opening addresses, starting programs, printing, clock, random seed).
// Each is a replaceable function so tests can script the answers.
#pragma once

#include <QDateTime>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <string_view>
#include <optional>

class QWidget;
class QPrinter;

namespace zw {

// Message box kinds.
enum MessageKind { kQuestion = 2, kWarning = 3, kInformation = 4 };

struct MessageRequest {
    int kind = kInformation;
    QString text;         // "|" starts a new line
    int default_button = 1;
    QString buttons;      // "&JA|&NEIN": "&" marks the access key
    QString title;
};

struct FileRequest {
    QString title;
    QString default_suffix;  // "dat"
    QString filter;          // "DAT-Dateien|*.DAT"
    QString preset;          // file name or path the selector starts with
    QString folder;
    bool save = false;
};

struct UiServices {
    // Returns the 1-based number of the button pressed.
    std::function<int(QWidget*, const MessageRequest&)> message_box;
    // Returns the chosen path, or nullopt when cancelled.
    std::function<std::optional<QString>(QWidget*, const FileRequest&)> file_dialog;
    // Items separated by "|"; returns the chosen position from 0, or -1.
    std::function<int(QWidget*, const QString& items, QPoint global_pos)> popup_list;
    std::function<bool(const QUrl&)> open_url;
    std::function<bool(const QString& program, const QStringList& arguments)> start_program;
    // Shows the print dialog for `printer`; false when the user cancels.
    std::function<bool(QWidget*, QPrinter&)> print_dialog;
    std::function<QDateTime()> now;
    std::function<quint32()> random_seed;

    // The real services on Qt's widgets and the desktop.
    static UiServices desktop();

    int message(QWidget* parent, int kind, const QString& text, int default_button = 1,
                const QString& buttons = QStringLiteral("&OK")) const {
        return message_box(parent, MessageRequest{kind, text, default_button, buttons, {}});
    }
};

// Opens a web address or a local file with the desktop's program for it.
// When there is none, says so in German, naming the file or the address.
// Returns whether it opened.
bool open_url_or_report(const UiServices& ui, QWidget* parent, const QUrl& url);

// Splits "&JA|&NEIN" into button texts; "|" in message texts becomes a line break.
QStringList split_items(const QString& items);
QString message_text(const QString& text);
// " _Berechne " and " _2 Reihen": the underscore marks the access key ("&" for Qt).
QString access_keys(std::string_view text);

}  // namespace zw
