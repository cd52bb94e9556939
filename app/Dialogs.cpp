#include "Dialogs.h"

#include "Gbk.h"
#include "Texts.h"

#include <QFileDialog>
#include <QMessageBox>

using namespace Qt::Literals::StringLiterals;

namespace Dialogs {

static QMessageBox::StandardButton execBox(const QByteArray &text, const QByteArray &caption,
                                           QMessageBox::StandardButtons buttons)
{
    QMessageBox box(QMessageBox::NoIcon, Gbk::toUnicode(caption), Gbk::toUnicode(text), buttons);
    box.setWindowModality(Qt::ApplicationModal);
    box.setDefaultButton(QMessageBox::Ok);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

bool askQuestion(const QByteArray &text, const QByteArray &caption)
{
    return execBox(text, caption, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

void showInformation(const QByteArray &text, const QByteArray &caption)
{
    execBox(text, caption, QMessageBox::Ok);
}

std::optional<QString> askSavePath(const QString &lastPath)
{
    // Qt's own dialog rather than the desktop's: it takes the control skin
    // and behaves the same everywhere. It accepts names of files that do not
    // exist yet and asks before replacing one that does.
    QFileDialog dialog(nullptr, Gbk::toUnicode(texts().saveDialogTitle));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setWindowModality(Qt::ApplicationModal);
    // "txt|*": one entry, described "txt", matching every file.
    const QList<QByteArray> filter = texts().saveDialogFilter.split('|');
    dialog.setNameFilter(u"%1 (%2)"_s.arg(QString::fromLatin1(filter.value(0)),
                                          QString::fromLatin1(filter.value(1))));
    dialog.setDefaultSuffix(QString::fromLatin1(texts().saveDialogDefaultSuffix));
    if (!lastPath.isEmpty())
        dialog.selectFile(lastPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace Dialogs
