#pragma once
// Windows code page 1252, the 8-bit character set of the program's RTF files
// (\ansicpg1252): the bytes of \'hh escapes, and the raw bytes of a file that
// is not valid UTF-8.
#include <QByteArray>
#include <QString>

namespace tervalo::rtf {

// The character a cp1252 byte stands for. The five bytes that cp1252 leaves
// unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1 controls of the
// same number, as Windows itself maps them.
char16_t fromCp1252(unsigned char byte);

// The cp1252 byte of a character, or -1 when cp1252 has none for it (the five
// unassigned bytes are never produced, so that they are written as \uN).
int toCp1252(char16_t ch);

// Characters that neither the reader nor the writer keep, because a
// QTextDocument would take them as structure: the C0 controls other than tab,
// U+2029 (a paragraph break of its own), U+FDD0 and U+FDD1 (frame marks) and
// U+FFFC (an object's place).
constexpr bool isStructureCharacter(char16_t ch) {
    return (ch < 0x20 && ch != u'\t') || ch == 0x2029 || ch == 0xFDD0 || ch == 0xFDD1 || ch == 0xFFFC;
}

// A plain-text file's text: UTF-8 when the bytes are valid UTF-8 (a leading
// byte-order mark dropped), otherwise cp1252.
QString decodePlainText(const QByteArray& bytes);

}  // namespace tervalo::rtf
