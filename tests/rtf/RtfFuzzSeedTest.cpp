// A short seeded pass of the RTF fuzz harness in the ordinary test run: the
// harness's entry point (fuzz/RtfReaderFuzz.cpp, built here with the normal
// compiler and without libFuzzer) on the sample files and on a few thousand
// mutations of them made by a fixed pseudo-random sequence, so that every run
// tries the same inputs. Each must pass the harness's check (see
// fuzz/RtfFuzzCheck.h): read, write and read again give the same document.
#include <gtest/gtest.h>

#include <QDir>
#include <random>
#include <vector>

#include "../../fuzz/RtfReaderFuzz.cpp"
#include "RtfDescribe.h"

namespace {

// Pieces the mutations insert: the control words and destinations the reader knows.
// clang-format off
const std::vector<QByteArray> kTokens = {
    "{", "}", "\\", "\\par", "\\pard", "\\line", "\\tab", "\\b", "\\b0", "\\i", "\\ul", "\\ulnone", "\\v",
    "\\plain", "\\f1", "\\fs", "\\cf2", "\\qc", "\\qr", "\\qj", "\\uc0", "\\uc3", "\\u8364?", "\\u-10179?",
    "\\u-8704?", "\\'e4", "\\'8", "\\bin2 ", "{\\*", "{\\fonttbl{\\f1 X;}}", "{\\colortbl;\\red9;}", "\\deff1",
    "\\~", "\\{", "\\}", "\\\\", ";", "-", "99999999999", "\\\n", "\xff", QByteArray(1, '\0')};
// clang-format on

QByteArray mutate(QByteArray data, std::mt19937& rng) {
    const int steps = 1 + static_cast<int>(rng() % 4);
    for (int s = 0; s < steps; ++s) {
        const qsizetype size = data.size();
        const qsizetype at = size > 0 ? static_cast<qsizetype>(rng() % static_cast<unsigned>(size + 1)) : 0;
        switch (rng() % 6) {
            case 0:  // flip a byte
                if (at < size) data[at] = static_cast<char>(rng() % 256);
                break;
            case 1:  // insert a token
                data.insert(at, kTokens[rng() % kTokens.size()]);
                break;
            case 2:  // delete a stretch
                data.remove(at, static_cast<qsizetype>(rng() % 16));
                break;
            case 3:  // repeat a stretch
                data.insert(at, data.mid(at, static_cast<qsizetype>(rng() % 32)));
                break;
            case 4:  // cut the end
                data.truncate(at);
                break;
            default:  // a digit run
                data.insert(at,
                            QByteArray(static_cast<qsizetype>(1 + rng() % 12), static_cast<char>('0' + rng() % 10)));
                break;
        }
    }
    return data;
}

std::vector<QByteArray> seeds() {
    std::vector<QByteArray> out;
    const QStringList names = QDir(tervalo::test::rtfFixturePath("")).entryList(QDir::Files, QDir::Name);
    for (const QString& name : names)
        out.push_back(tervalo::test::rtfFixture(name));
    out.push_back("{\\rtf1 Hello {\\b world}}");
    out.push_back("{\\rtf1\\ansi{\\fonttbl{\\f0 A;}{\\f1 B;}}{\\colortbl;\\red255\\green0\\blue0;}\\f1\\cf1 x\\par y}");
    return out;
}

}  // namespace

TEST(RtfFuzzSeeds, SamplesPassTheHarness) {
    const std::vector<QByteArray> inputs = seeds();
    ASSERT_GE(inputs.size(), 9u);
    for (const QByteArray& input : inputs) {
        const auto* data = reinterpret_cast<const std::uint8_t*>(input.constData());
        const std::string failure =
            tervalo::fuzz::rtfFuzzCheck(data, static_cast<std::size_t>(input.size())).toStdString();
        EXPECT_EQ(failure, "") << input.constData();
        if (!failure.empty()) continue;  // the entry point would trap
        EXPECT_EQ(LLVMFuzzerTestOneInput(data, static_cast<std::size_t>(input.size())), 0);
    }
}

TEST(RtfFuzzSeeds, DeterministicMutationsPassTheHarness) {
    const std::vector<QByteArray> inputs = seeds();
    std::mt19937 rng(20240611);
    int failures = 0;
    for (int n = 0; n < 3000 && failures < 5; ++n) {
        const QByteArray input = mutate(inputs[static_cast<std::size_t>(n) % inputs.size()], rng);
        const QString failure = tervalo::fuzz::rtfFuzzCheck(reinterpret_cast<const std::uint8_t*>(input.constData()),
                                                            static_cast<std::size_t>(input.size()));
        if (!failure.isEmpty()) {
            ++failures;
            ADD_FAILURE() << "mutation " << n << ": " << input.toPercentEncoding().constData() << "\n"
                          << qPrintable(failure);
        }
    }
}
