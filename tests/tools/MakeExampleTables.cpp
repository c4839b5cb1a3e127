// Writes the example table in every format that kelvo-smbios reads, into the given folder.
#include <cstdio>
#include <exception>

#include "ExampleTable.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    try {
        kelvo::test::WriteTableFiles(kelvo::test::ExampleTable().Raw(), argv[1], "example");
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    std::printf("wrote %s/example.rsmb, example.bin and example-sysfs/\n", argv[1]);
    return 0;
}
