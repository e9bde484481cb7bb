// make_sample_workbook IN.txt OUT.xcl: the sample workbook of an import text
// file. Line r of the text ("name,value") becomes row r of the first sheet:
// the name in column A, the value in column B, as a number when it is one.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "XlsWorkbookWriter.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_sample_workbook IN.txt OUT.xcl\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "make_sample_workbook: cannot read %s\n", argv[1]);
        return 1;
    }
    std::vector<tervalo::tools::XlsCell> cells;
    std::string line;
    unsigned row = 0;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        const std::size_t comma = line.find(',');
        const std::string name = line.substr(0, comma);
        const std::string value = comma == std::string::npos ? std::string() : line.substr(comma + 1);
        cells.push_back({row, 0, name});
        char* end = nullptr;
        const double number = std::strtod(value.c_str(), &end);
        if (!value.empty() && end && *end == '\0')
            cells.push_back({row, 1, number});
        else if (!value.empty())
            cells.push_back({row, 1, value});
        ++row;
    }
    if (!tervalo::tools::writeXlsWorkbook(argv[2], cells)) {
        std::fprintf(stderr, "make_sample_workbook: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
