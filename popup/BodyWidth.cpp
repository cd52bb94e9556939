#include "BodyWidth.h"

#include "Gbk.h"

#include <QFontMetricsF>
#include <QtMath>

#include <boost/regex.hpp>

#include <stdexcept>
#include <string>

static QByteArray removeTags(QByteArrayView body)
{
    if (body.isEmpty())
        return {};
    try {
        // "." matches CR and LF as well, so a tag that runs across lines is
        // removed with its line breaks. Matching on bytes is safe for GBK:
        // its second bytes never take the values of "<" and ">".
        const boost::regex tag("<(.*?)>", boost::regex::perl | boost::regex::icase);
        const std::string text(body.data(), static_cast<std::size_t>(body.size()));
        const std::string stripped = boost::regex_replace(text, tag, "", boost::format_all);
        return QByteArray(stripped.data(), static_cast<qsizetype>(stripped.size()));
    } catch (const std::runtime_error &) {
        // The engine gives up on pathological input (it counts its work);
        // such a body is measured as empty rather than failing the popup.
        return {};
    }
}

// Hand-written rather than QByteArray::split: a separator counts only at a
// character boundary (a byte of 0x80 or more starts a two-byte character),
// and a trailing separator adds no empty line.
static QList<QByteArray> splitAtLineBreaks(QByteArrayView text)
{
    QList<QByteArray> lines;
    qsizetype lineStart = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x80) {
            i += 2;
        } else if (byte == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            lines.append(text.sliced(lineStart, i - lineStart).toByteArray());
            i += 2;
            lineStart = i;
        } else {
            ++i;
        }
    }
    if (lineStart < text.size())
        lines.append(text.sliced(lineStart).toByteArray());
    return lines;
}

QList<QByteArray> bodyLines(QByteArrayView body)
{
    return splitAtLineBreaks(removeTags(body));
}

int measureBodyWidth(QByteArrayView body, const QFontMetricsF &metrics)
{
    // Glyph advances are fractional with unhinted fonts; a width rounded to
    // the nearest pixel could cut the last fraction of a pixel off the line.
    qreal widest = 0;
    for (const QByteArray &line : bodyLines(body))
        widest = qMax(widest, metrics.horizontalAdvance(Gbk::toUnicode(line)));
    return qCeil(widest);
}
