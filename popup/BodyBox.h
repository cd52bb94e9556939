#pragma once

#include <QByteArray>
#include <QLabel>

// The popup's body: a white box that draws the body text as simple hypertext.
//
// The markup is Qt's rich-text subset of HTML. Plain text keeps its spaces
// and each CR LF starts a new line. A link whose target has a URL scheme
// ("https://...", "mailto:...", "file:...") is an address link and opens in
// the desktop's handler; any other target is a message link, e.g.
// <a href="关闭">关闭</a>, whose target text is reported in GBK.
class BodyBox : public QLabel
{
    Q_OBJECT

public:
    explicit BodyBox(QWidget *parent);

    // The body as GBK bytes, lines separated by CR LF.
    void setBody(const QByteArray &body);

signals:
    void messageLinkActivated(const QByteArray &message);

private:
    void activateLink(const QString &target);
};
