#pragma once

#include <QByteArray>
#include <QPlainTextEdit>

// The work log control. The user may type into it; its text is the log. Read
// and written as GBK with CR LF between lines, whatever the widget keeps.
class LogEdit : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit LogEdit(QWidget *parent = nullptr);

    QByteArray gbkText() const;
    void setGbkText(const QByteArray &text);

    // Appends at the very end whatever the user has selected, moves the caret
    // after the new text and scrolls it into view. The insertion is not
    // recorded for undo.
    void appendGbk(const QByteArray &text);
};
