// The help window over the German help topics compiled into the program.
#pragma once

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
    QTextBrowser* browser_;
    QString topic_;
};

}  // namespace zw
