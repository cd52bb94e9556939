#pragma once

#include <QByteArray>

// What the work period asks the notification popup to show. Title and body
// are GBK texts; the popup shows nothing when either is empty.
// How long the program's notifications stay before they fade out.
inline constexpr int notificationDisplayMs = 10000;

struct PopupRequest
{
    QByteArray title;
    QByteArray body; // lines separated by CR LF
    int displayMs = 0; // time on screen before the fade-out begins
};
