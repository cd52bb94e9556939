#pragma once

#include <QByteArray>

// Every text the program shows, logs or writes, in GBK, byte for byte as the
// user sees it. This is the only place where they are spelled out.
struct Texts
{
    // Date-time text pieces: 2015年3月7日9时5分7秒
    QByteArray year, month, day, hour, minute, second;

    // Countdown display
    QByteArray countdownPrefix; // "倒计时： "
    QByteArray overtimePrefix; // "工作超时： "
    QByteArray displaySeparator; // " ：" between minutes and seconds
    QByteArray resetDisplay; // "倒计时： 00 ：00"

    // Log lines; each entry begins with CR LF
    QByteArray lineBreak;
    QByteArray startSuffix;
    QByteArray contentPrefix;
    QByteArray durationPrefix;
    QByteArray durationMinutes;
    QByteArray durationSeconds;
    QByteArray endSuffix;
    QByteArray pauseSuffix;
    QByteArray resumeSuffix;

    // Work log
    QByteArray initialLog; // header and CR LF, as the window starts
    QByteArray clearedLog; // header without CR LF, as Clear leaves it
    QByteArray clearQuestion;
    QByteArray questionCaption;
    QByteArray exportSucceeded;
    QByteArray exportFailed; // followed by the file's path
    QByteArray informationCaption;
    QByteArray saveDialogTitle;
    QByteArray saveDialogFilter;
    QByteArray saveDialogDefaultSuffix;

    // Notifications
    QByteArray popupTitle;
    QByteArray completionBody;
    QByteArray reminderBody;

    // Option messages
    QByteArray reminderGuardMessage;
    QByteArray reminderGuardCaption;
    QByteArray overtimeMessage;
    QByteArray overtimeCaption;

    // Main window
    QByteArray windowTitle;
    QByteArray reminderOption;
    QByteArray overtimeOption;
    QByteArray minutesLabel;
    QByteArray initialMinutes;
    QByteArray contentLabel;
    QByteArray startButton;
    QByteArray endButton;
    QByteArray pauseButton;
    QByteArray clearButton;
    QByteArray exportButton;
    QByteArray hiddenTestButton;
    QByteArray closeQuestion;

    // Notification popup
    QByteArray popupCloseLink; // the message of a body link that closes the popup
};

const Texts &texts();
