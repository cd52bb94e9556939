#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>

// The value conversions every display text and log line is built from. All
// texts are GBK byte strings; all of these are pure functions.

// "2015年3月7日9时5分7秒"; the time tail shrinks when seconds, minutes and
// hours are zero ("2015年3月7日9时5分", "2015年3月7日9时", "2015年3月7日").
QByteArray dateTimeText(const QDateTime &wallClock);

// Decimal with a leading "-", no padding, no grouping.
QByteArray integerText(qint64 value);

// "0" in front of a text shorter than two bytes; the value is never looked at.
QByteArray twoDigitText(const QByteArray &text);

// The floor of a value, after a fraction within 1e-12 of a whole number has
// been rounded away from zero. Saturates at the 32-bit limits; NaN gives 0.
qint32 floorToInteger(double value);

// Remainder of the division truncating towards zero: the sign of the dividend.
double remainderOf(double dividend, double divisor);

struct MinuteSecondTexts
{
    QByteArray minutes;
    QByteArray seconds;
};

// Minutes floored towards minus infinity, seconds with the sign of the count:
// -61 gives "-2" and "-1". Takes 64 bits so the sums of two 32-bit counters
// fit without overflow.
MinuteSecondTexts minuteSecondTexts(qint64 seconds);

// The leading integer of an entry, after full-width GBK forms (digits, signs,
// the ideographic space) have been folded to ASCII. Text without leading
// digits gives 0; values beyond 32 bits saturate at the nearest limit.
qint32 textToInteger(QByteArrayView text);
