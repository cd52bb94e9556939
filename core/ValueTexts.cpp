#include "ValueTexts.h"

#include "Int32.h"
#include "Texts.h"

#include <charconv>
#include <cmath>
#include <limits>

QByteArray dateTimeText(const QDateTime &wallClock)
{
    const Texts &t = texts();
    const QDate date = wallClock.date();
    const QTime time = wallClock.time();

    QByteArray text = integerText(date.year()) + t.year + integerText(date.month()) + t.month
        + integerText(date.day()) + t.day;
    if (time.second() != 0) {
        text += integerText(time.hour()) + t.hour + integerText(time.minute()) + t.minute
            + integerText(time.second()) + t.second;
    } else if (time.minute() != 0) {
        text += integerText(time.hour()) + t.hour + integerText(time.minute()) + t.minute;
    } else if (time.hour() != 0) {
        text += integerText(time.hour()) + t.hour;
    }
    return text;
}

QByteArray integerText(qint64 value)
{
    return QByteArray::number(value);
}

QByteArray twoDigitText(const QByteArray &text)
{
    return text.size() < 2 ? '0' + text : text;
}

qint32 floorToInteger(double value)
{
    if (std::isnan(value))
        return 0;
    double integerPart = 0;
    const double fraction = std::modf(value, &integerPart);
    if (std::fabs(fraction) > 0.999999999999)
        value = integerPart < 0 ? integerPart - 1 : integerPart + 1;
    const double floored = std::floor(value);
    if (floored >= 2147483647.0)
        return std::numeric_limits<qint32>::max();
    if (floored <= -2147483648.0)
        return std::numeric_limits<qint32>::min();
    return static_cast<qint32>(floored);
}

double remainderOf(double dividend, double divisor)
{
    return std::fmod(dividend, divisor);
}

MinuteSecondTexts minuteSecondTexts(qint64 seconds)
{
    const auto x = static_cast<double>(seconds);
    return {twoDigitText(integerText(floorToInteger(x / 60.0))),
            twoDigitText(integerText(floorToInteger(remainderOf(x, 60.0))))};
}

// Full-width forms of GBK folded to their ASCII counterparts; every other
// double-byte character is kept, a lone lead byte at the end is dropped.
// Written out because the rule is the program's own: Unicode compatibility
// folding would also fold other characters and would not turn ☆ and ★ into *.
static QByteArray foldFullWidth(QByteArrayView text)
{
    QByteArray folded;
    folded.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            folded += char(lead);
            continue;
        }
        if (i + 1 == text.size())
            break;
        const auto trail = static_cast<unsigned char>(text[++i]);
        if (lead == 0xA1 && trail == 0xA1)
            folded += ' ';
        else if (lead == 0xA1 && trail == 0xAB)
            folded += '~';
        else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF))
            folded += '*';
        else if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE)
            folded += char(trail - 0x80);
        else
            folded += char(lead), folded += char(trail);
    }
    return folded;
}

static bool isCSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

qint32 textToInteger(QByteArrayView text)
{
    const QByteArray folded = foldFullWidth(text);
    const char *first = folded.cbegin();
    const char *const last = folded.cend();
    while (first != last && isCSpace(*first))
        ++first;
    bool negative = false;
    if (first != last && (*first == '+' || *first == '-'))
        negative = *first++ == '-';
    if (first == last || *first < '0' || *first > '9')
        return 0;

    // Digits beyond any 64-bit value are out of range; both cases saturate.
    quint64 magnitude = 0;
    if (std::from_chars(first, last, magnitude).ec == std::errc::result_out_of_range)
        magnitude = std::numeric_limits<quint64>::max();
    const qint64 bounded = qint64(qMin<quint64>(magnitude, quint64(1) << 32));
    return Int32::saturate(negative ? -bounded : bounded);
}
