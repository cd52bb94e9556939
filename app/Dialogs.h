#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The program's modal boxes and its save dialog. Boxes have no owner window,
// are application-modal and show no icon; while one is open its own event
// loop goes on delivering timer events, so the countdown keeps running.
namespace Dialogs {

// OK and Cancel, OK the default; true only for OK (Escape and the close box
// count as Cancel).
bool askQuestion(const QByteArray &text, const QByteArray &caption);

// One OK button.
void showInformation(const QByteArray &text, const QByteArray &caption);

// The save dialog for the exported log, pre-filled with the last path. The
// full path the user confirmed, with "txt" added to a name without a suffix;
// nothing when cancelled.
std::optional<QString> askSavePath(const QString &lastPath);

} // namespace Dialogs
