// The popup body's tag removal and line splitting over arbitrary bytes, as a
// body may carry any text the program puts together. Besides never failing:
// no piece keeps a tag or a line break, and a body without tags is only cut,
// never changed.

#include "BodyWidth.h"
#include "Expect.h"

#include <QByteArray>

#include <cstdint>

// CR LF where a character starts: a byte of 0x80 or more starts a two-byte
// character, whose second byte is never a line break.
static bool hasLineBreak(const QByteArray &piece)
{
    for (qsizetype i = 0; i + 1 < piece.size(); ++i) {
        if (static_cast<unsigned char>(piece[i]) >= 0x80)
            ++i;
        else if (piece[i] == '\r' && piece[i + 1] == '\n')
            return true;
    }
    return false;
}

// A "<" with a ">" anywhere after it: the tag pattern would have taken both.
static bool hasTag(const QByteArray &text)
{
    const qsizetype open = text.indexOf('<');
    return open >= 0 && text.indexOf('>', open + 1) >= 0;
}

// The pieces taken out of the body in order, nothing added.
static bool isSubsequence(const QByteArray &pieces, const QByteArray &body)
{
    qsizetype at = 0;
    for (const char byte : pieces) {
        at = body.indexOf(byte, at);
        if (at < 0)
            return false;
        ++at;
    }
    return true;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray body(reinterpret_cast<const char *>(data), qsizetype(size));
    const QList<QByteArray> lines = bodyLines(body);

    const QByteArray joined = lines.join("\r\n");
    for (const QByteArray &line : lines)
        FUZZ_EXPECT(!hasLineBreak(line));
    FUZZ_EXPECT(!hasTag(joined));
    FUZZ_EXPECT(isSubsequence(joined, body));
    if (!body.contains('<')) {
        // Only a trailing CR LF may be gone, since it adds no line.
        FUZZ_EXPECT(joined == body || joined + "\r\n" == body);
        FUZZ_EXPECT(lines.isEmpty() == body.isEmpty());
    }
    return 0;
}
