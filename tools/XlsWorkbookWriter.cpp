#include "XlsWorkbookWriter.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <map>
#include <stdexcept>

namespace tervalo::tools {

namespace {

constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kFreeSector = 0xFFFFFFFF;
constexpr std::uint32_t kFatSector = 0xFFFFFFFD;
constexpr std::uint32_t kNoStream = 0xFFFFFFFF;
constexpr std::size_t kSector = 512;
constexpr std::size_t kMiniSector = 64;
constexpr std::size_t kMiniCutoff = 4096;
constexpr std::size_t kMaxRecord = 8224;

class Bytes {
public:
    void u8(unsigned v) { m_s.push_back(char(v & 0xFF)); }
    void u16(unsigned v) {
        u8(v);
        u8(v >> 8);
    }
    void u32(std::uint32_t v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    }
    void f64(double v) {
        std::uint64_t bits;
        std::memcpy(&bits, &v, 8);
        u32(std::uint32_t(bits));
        u32(std::uint32_t(bits >> 32));
    }
    void raw(const std::string& s) { m_s += s; }
    void zeros(std::size_t n) { m_s.append(n, '\0'); }
    void padTo(std::size_t n) {
        if (m_s.size() < n) zeros(n - m_s.size());
    }
    void put32(std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            m_s[at + i] = char((v >> (8 * i)) & 0xFF);
    }
    std::size_t size() const { return m_s.size(); }
    const std::string& str() const { return m_s; }

private:
    std::string m_s;
};

void record(Bytes& out, unsigned type, const Bytes& body) {
    if (body.size() > kMaxRecord) throw std::length_error("BIFF record too long");
    out.u16(type);
    out.u16(unsigned(body.size()));
    out.raw(body.str());
}

std::u16string utf16(const std::string& s) {
    std::u16string out;
    for (std::size_t i = 0; i < s.size();) {
        unsigned char c = s[i];
        std::uint32_t cp = c;
        int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
        if (extra) cp = c & (0x3F >> extra);
        ++i;
        for (int k = 0; k < extra && i < s.size(); ++k, ++i)
            cp = (cp << 6) | (static_cast<unsigned char>(s[i]) & 0x3F);
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(char16_t(0xD800 + (cp >> 10)));
            out.push_back(char16_t(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(char16_t(cp));
        }
    }
    return out;
}

// A BIFF8 string: character count, flags, then 8-bit or UTF-16 characters.
void biffString(Bytes& out, const std::string& text, bool countIsByte) {
    const std::u16string wide = utf16(text);
    const bool compressed = std::all_of(wide.begin(), wide.end(), [](char16_t c) { return c < 0x100; });
    countIsByte ? out.u8(unsigned(wide.size())) : out.u16(unsigned(wide.size()));
    out.u8(compressed ? 0 : 1);
    for (char16_t c : wide)
        compressed ? out.u8(c) : out.u16(c);
}

void bof(Bytes& out, unsigned kind) {
    Bytes b;
    b.u16(0x0600);
    b.u16(kind);
    b.u16(0x0DBB);
    b.u16(0x07CC);
    b.u32(0);
    b.u32(6);
    record(out, 0x0809, b);
}

// A cell format: font 0, number format `format` (0 General, 21 h:mm:ss).
void cellFormat(Bytes& out, unsigned format) {
    Bytes xf;
    xf.u16(0);
    xf.u16(format);
    xf.u16(0x0001);
    xf.u16(0x0020);
    xf.zeros(12);
    record(out, 0x00E0, xf);
}

std::string workbookStream(const std::vector<XlsCell>& cells, const std::string& sheetName, unsigned codePage) {
    std::vector<std::string> strings;
    std::map<std::string, unsigned> index;
    for (const XlsCell& c : cells)
        if (const auto* s = std::get_if<std::string>(&c.value); s && !index.count(*s)) {
            index[*s] = unsigned(strings.size());
            strings.push_back(*s);
        }

    Bytes out;
    bof(out, 0x0005);
    Bytes codepage;
    codepage.u16(codePage);
    record(out, 0x0042, codepage);
    Bytes datemode;
    datemode.u16(0);
    record(out, 0x0022, datemode);
    cellFormat(out, 0);   // 0: General
    cellFormat(out, 21);  // 1: a time of day
    Bytes sheet;
    sheet.u32(0);  // the sheet's offset, set below
    sheet.u16(0);
    biffString(sheet, sheetName, true);
    const std::size_t sheetRecord = out.size();
    record(out, 0x0085, sheet);
    Bytes sst;
    sst.u32(std::uint32_t(cells.size()));
    sst.u32(std::uint32_t(strings.size()));
    for (const std::string& s : strings)
        biffString(sst, s, false);
    record(out, 0x00FC, sst);
    record(out, 0x000A, Bytes());

    out.put32(sheetRecord + 4, std::uint32_t(out.size()));
    bof(out, 0x0010);
    unsigned rowMin = 0, rowMax = 0, colMin = 0, colMax = 0;
    if (!cells.empty()) {
        rowMin = colMin = ~0u;
        for (const XlsCell& c : cells) {
            rowMin = std::min(rowMin, c.row);
            rowMax = std::max(rowMax, c.row + 1);
            colMin = std::min(colMin, c.column);
            colMax = std::max(colMax, c.column + 1);
        }
    }
    Bytes dim;
    dim.u32(rowMin);
    dim.u32(rowMax);
    dim.u16(colMin);
    dim.u16(colMax);
    dim.u16(0);
    record(out, 0x0200, dim);
    for (const XlsCell& c : cells) {
        const auto* time = std::get_if<XlsTime>(&c.value);
        Bytes cell;
        cell.u16(c.row);
        cell.u16(c.column);
        cell.u16(time ? 1 : 0);
        if (const auto* s = std::get_if<std::string>(&c.value)) {
            cell.u32(index[*s]);
            record(out, 0x00FD, cell);
        } else {
            cell.f64(time ? time->days : std::get<double>(c.value));
            record(out, 0x0203, cell);
        }
    }
    record(out, 0x000A, Bytes());
    return out.str();
}

void directoryEntry(Bytes& out, const std::string& name, unsigned type, std::uint32_t child, std::uint32_t start,
                    std::uint32_t size) {
    const std::size_t at = out.size();
    for (char c : name)
        out.u16(static_cast<unsigned char>(c));
    out.padTo(at + 64);
    out.u16(name.empty() ? 0 : unsigned(name.size() + 1) * 2);
    out.u8(type);
    out.u8(1);  // black
    out.u32(kNoStream);
    out.u32(kNoStream);
    out.u32(child);
    out.zeros(16 + 4 + 16);
    out.u32(start);
    out.u32(size);
    out.u32(0);
}

// The compound file holding one stream named "Workbook".
std::string compoundFile(const std::string& stream) {
    const bool mini = stream.size() < kMiniCutoff;
    const std::size_t miniSectors = mini ? (stream.size() + kMiniSector - 1) / kMiniSector : 0;
    const std::size_t miniBytes = miniSectors * kMiniSector;
    const std::size_t miniFatSectors = mini ? (miniSectors + 127) / 128 : 0;
    const std::size_t dataSectors = ((mini ? miniBytes : stream.size()) + kSector - 1) / kSector;
    const std::size_t others = 1 + miniFatSectors + dataSectors;
    std::size_t fatSectors = 1;
    while (fatSectors * 128 < fatSectors + others)
        ++fatSectors;
    if (fatSectors > 109) throw std::length_error("workbook too large");

    const std::uint32_t dirSector = std::uint32_t(fatSectors);
    const std::uint32_t miniFatStart = dirSector + 1;
    const std::uint32_t dataStart = miniFatStart + std::uint32_t(miniFatSectors);

    std::vector<std::uint32_t> fat(fatSectors * 128, kFreeSector);
    for (std::size_t i = 0; i < fatSectors; ++i)
        fat[i] = kFatSector;
    fat[dirSector] = kEndOfChain;
    auto chain = [&fat](std::uint32_t first, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i)
            fat[first + i] = i + 1 < count ? std::uint32_t(first + i + 1) : kEndOfChain;
    };
    chain(miniFatStart, miniFatSectors);
    chain(dataStart, dataSectors);

    Bytes out;
    out.raw(std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8));
    out.zeros(16);
    out.u16(0x003E);
    out.u16(0x0003);
    out.u16(0xFFFE);
    out.u16(9);
    out.u16(6);
    out.zeros(6);
    out.u32(0);
    out.u32(std::uint32_t(fatSectors));
    out.u32(dirSector);
    out.u32(0);
    out.u32(kMiniCutoff);
    out.u32(mini ? miniFatStart : kEndOfChain);
    out.u32(std::uint32_t(miniFatSectors));
    out.u32(kEndOfChain);
    out.u32(0);
    for (std::size_t i = 0; i < 109; ++i)
        out.u32(i < fatSectors ? std::uint32_t(i) : kFreeSector);

    for (std::uint32_t entry : fat)
        out.u32(entry);
    const std::uint32_t dataFirst = dataSectors ? dataStart : kEndOfChain;
    directoryEntry(out, "Root Entry", 5, 1, mini ? dataFirst : kEndOfChain, std::uint32_t(miniBytes));
    directoryEntry(out, "Workbook", 2, kNoStream, mini ? 0 : dataFirst, std::uint32_t(stream.size()));
    directoryEntry(out, "", 0, kNoStream, 0, 0);
    directoryEntry(out, "", 0, kNoStream, 0, 0);
    if (mini) {
        std::vector<std::uint32_t> miniFat(miniFatSectors * 128, kFreeSector);
        for (std::size_t i = 0; i < miniSectors; ++i)
            miniFat[i] = i + 1 < miniSectors ? std::uint32_t(i + 1) : kEndOfChain;
        for (std::uint32_t entry : miniFat)
            out.u32(entry);
    }
    out.raw(stream);
    out.padTo(kSector * (1 + fatSectors + others));
    return out.str();
}

}  // namespace

std::string xlsWorkbook(const std::vector<XlsCell>& cells, const std::string& sheetName, unsigned codePage) {
    return compoundFile(workbookStream(cells, sheetName, codePage));
}

bool writeXlsWorkbook(const std::string& path, const std::vector<XlsCell>& cells, unsigned codePage) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    const std::string bytes = xlsWorkbook(cells, "Sheet1", codePage);
    file.write(bytes.data(), std::streamsize(bytes.size()));
    return bool(file);
}

}  // namespace tervalo::tools
