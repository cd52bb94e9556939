#include "WorkLog.h"

#include "Gbk.h"
#include "Texts.h"
#include "WorkLogView.h"

#include <QDir>
#include <QSaveFile>

WorkLog::WorkLog(WorkLogView &view)
    : m_view(view)
{
}

void WorkLog::clearLog()
{
    if (m_view.askQuestion(texts().clearQuestion, texts().questionCaption))
        m_view.setLogText(texts().clearedLog);
}

void WorkLog::exportLog()
{
    const std::optional<QString> path = m_view.askSavePath(m_lastPath);
    if (!path)
        return;
    m_lastPath = *path;

    // Read after the dialog has closed: entries appended while it was open
    // belong to the export.
    const QByteArray log = m_view.logText();
    if (writeFileAtomically(m_lastPath, log)) {
        m_view.showMessage(texts().exportSucceeded, texts().informationCaption);
    } else {
        m_view.showMessage(texts().exportFailed + Gbk::fromUnicode(QDir::toNativeSeparators(m_lastPath)),
                           texts().informationCaption);
    }
}

bool writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    // Unbuffered, so a short write (a full disk stops a write part-way without
    // an error) shows in write()'s count: through the buffer, Qt's flush at
    // commit() loses it and renames a truncated file over the target. An
    // uncommitted QSaveFile removes its temporary file when destroyed.
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
        && file.write(bytes) == bytes.size() && file.commit();
}
