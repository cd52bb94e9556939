#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// What Clear and Export need from outside: the log's text, a question box, the
// save dialog and an information box. The program binds it to widgets, the
// scenario runner to a simulation.
class WorkLogView
{
public:
    virtual ~WorkLogView() = default;

    // The log's whole text in GBK, with CR LF between lines.
    virtual QByteArray logText() const = 0;
    virtual void setLogText(const QByteArray &text) = 0;

    // A modal question with OK and Cancel; true only for OK.
    virtual bool askQuestion(const QByteArray &text, const QByteArray &caption) = 0;

    // The save dialog, pre-filled with the last chosen path when there is one.
    // The full path the user confirmed, or nothing when the dialog was cancelled.
    virtual std::optional<QString> askSavePath(const QString &lastPath) = 0;

    // A modal information box with one OK button.
    virtual void showMessage(const QByteArray &text, const QByteArray &caption) = 0;
};
