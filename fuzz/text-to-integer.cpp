// textToInteger over arbitrary bytes, as a minutes entry may hold anything:
// besides never failing, it agrees with an independent reading of the same
// entry by the C library.

#include "Expect.h"
#include "ValueTexts.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>
#include <limits>

// Only what can change the value matters to the reference: digits, signs and
// white space. Their full-width GBK forms become ASCII; any other character,
// one byte or two, stays what it is or becomes "x", which ends a number just
// as well. A lead byte (0x80 or more) takes the next byte with it.
static QByteArray numericCharacters(const QByteArray &text)
{
    QByteArray plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            plain += char(lead);
            continue;
        }
        const auto trail = i + 1 < text.size() ? static_cast<unsigned char>(text[++i]) : 0;
        if (lead == 0xA1 && trail == 0xA1)
            plain += ' '; // the ideographic space
        else if (lead == 0xA3 && trail >= 0xB0 && trail <= 0xB9)
            plain += char('0' + trail - 0xB0);
        else if (lead == 0xA3 && trail == 0xAB)
            plain += '+';
        else if (lead == 0xA3 && trail == 0xAD)
            plain += '-';
        else
            plain += 'x';
    }
    return plain;
}

// strtoll reads the same leading integer: C white space, one sign, decimal
// digits, saturating at the 64-bit limits, which lie beyond the 32-bit ones.
static qint32 referenceValue(const QByteArray &text)
{
    const QByteArray plain = numericCharacters(text);
    // Base 10 reads no "0x"; the fuzzer never sets a locale, so white space
    // is the "C" locale's six characters, as in the entry's rule.
    const long long value = std::strtoll(plain.constData(), nullptr, 10);
    if (value > std::numeric_limits<qint32>::max())
        return std::numeric_limits<qint32>::max();
    if (value < std::numeric_limits<qint32>::min())
        return std::numeric_limits<qint32>::min();
    return qint32(value);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray text(reinterpret_cast<const char *>(data), qsizetype(size));
    const qint32 value = textToInteger(text);
    FUZZ_EXPECT(value == referenceValue(text));
    // Blanks in front never change the value, whatever follows them.
    FUZZ_EXPECT(textToInteger(" \t" + text) == value);
    return 0;
}
