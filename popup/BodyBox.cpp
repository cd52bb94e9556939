#include "BodyBox.h"

#include "Gbk.h"

#include <QDesktopServices>
#include <QUrl>

using namespace Qt::StringLiterals;

BodyBox::BodyBox(QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::RichText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(false);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
    // Links are handled here: address links go to the desktop, message
    // links to the popup.
    setOpenExternalLinks(false);
    setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    connect(this, &QLabel::linkActivated, this, &BodyBox::activateLink);
}

void BodyBox::setBody(const QByteArray &body)
{
    // <br> rather than a raw line break: HTML drops a line break right after
    // an opening tag, which would swallow the body's leading empty lines.
    QString html = Gbk::toUnicode(body);
    html.replace(u"\r\n"_s, u"<br>"_s);
    setText(u"<div style=\"white-space:pre\">"_s + html + u"</div>"_s);
}

void BodyBox::activateLink(const QString &target)
{
    const QUrl address(target);
    if (address.isValid() && !address.scheme().isEmpty())
        QDesktopServices::openUrl(address);
    else
        emit messageLinkActivated(Gbk::fromUnicode(target));
}
