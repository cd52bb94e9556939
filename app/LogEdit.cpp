#include "LogEdit.h"

#include "Gbk.h"


using namespace Qt::Literals::StringLiterals;

static QString fromLogBytes(const QByteArray &text)
{
    return Gbk::toUnicode(text).replace(u"\r\n"_s, u"\n"_s);
}

LogEdit::LogEdit(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(false);
}

QByteArray LogEdit::gbkText() const
{
    return Gbk::fromUnicode(toPlainText().replace(u'\n', u"\r\n"_s));
}

void LogEdit::setGbkText(const QByteArray &text)
{
    setPlainText(fromLogBytes(text));
}

void LogEdit::appendGbk(const QByteArray &text)
{
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    // Switching undo off for the insertion keeps it off the undo stack (and,
    // as with any unrecorded change, drops the history before it).
    document()->setUndoRedoEnabled(false);
    cursor.insertText(fromLogBytes(text));
    document()->setUndoRedoEnabled(true);
    setTextCursor(cursor);
    ensureCursorVisible();
}
