#include "rtf/RtfCodePage.h"

#include <QStringDecoder>

namespace tervalo::rtf {

namespace {

// 0x80-0x9F; the rest of the code page is Latin-1.
constexpr char16_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
                                0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                                0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

char16_t fromCp1252(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) return kHigh[byte - 0x80];
    return byte;
}

int toCp1252(char16_t ch) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) return ch;
    if (ch < 0xA0) return -1;  // C1 controls, including the five unassigned bytes
    for (int i = 0; i < 32; ++i) {
        if (kHigh[i] == ch) return 0x80 + i;
    }
    return -1;
}

QString decodePlainText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text;
    text.resize(bytes.size());
    QChar* out = text.data();
    for (const char byte : bytes)
        *out++ = QChar(fromCp1252(static_cast<unsigned char>(byte)));
    return text;
}

}  // namespace tervalo::rtf
