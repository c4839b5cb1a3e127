// Writes the example table (the support library's table of every decoded type, SMBIOS 3.2) in
// every format that kelvo-smbios reads, into the given folder.
#include <cstdio>
#include <exception>

#include "TableFiles.h"
#include "support/Tables.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    try {
        kelvo::test::WriteTableFiles(kelvo::test::tables::EveryType(3, 2), argv[1], "example");
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    std::printf("wrote %s/example.rsmb, example.bin and example-sysfs/\n", argv[1]);
    return 0;
}
