// Writes the benchmarks' twenty-year planner (bench/LargeDocument.h) as a data file, for the
// start-up measure: WriteLargeFile PATH.

#include "../LargeDocument.h"
#include "model/DataFile.h"

#include <cstdio>
#include <fstream>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: WriteLargeFile PATH\n");
        return 2;
    }
    const std::string bytes = planova::WriteDataFile(planova::bench::LargeDocument());
    std::ofstream out(argv[1], std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
