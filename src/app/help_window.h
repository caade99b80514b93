// The help window over the German help topics compiled into the program.
#pragma once

#include <QMargins>
#include <QRect>
#include <QWidget>

class QTextBrowser;

namespace zw {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
    static bool has_topic(const QString& topic);
    void show_topic(const QString& topic);
    QString current_topic() const { return topic_; }

private:
    // Beside the window it belongs to, inside the screen's free area.
    void place();

    QTextBrowser* browser_;
    QString topic_;
};

// Where the help window of `owner` goes (all rectangles with frames but the
// result, which is the inner geometry): beside the owner where a usable window
// fits, so it covers none of the owner's buttons, and always inside `screen`.
QRect help_placement(const QRect& owner, const QRect& screen, QSize wanted, QMargins frame);

}  // namespace zw
