#pragma once

#include <QString>

class WorkLogView;

// Clear and Export of the work log. The log's text lives in the log control
// itself; this class keeps only the save dialog's last confirmed path, which
// the next Export proposes.
class WorkLog
{
public:
    explicit WorkLog(WorkLogView &view);

    void clearLog();
    void exportLog();

    const QString &lastPath() const { return m_lastPath; }

private:
    WorkLogView &m_view;
    QString m_lastPath;
};

// Writes the bytes to the file at path through a temporary file in the same
// folder that replaces the target only once every byte is written and flushed:
// a failure leaves an existing file as it was and no temporary file behind.
bool writeFileAtomically(const QString &path, const QByteArray &bytes);
