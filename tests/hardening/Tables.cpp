#include "hardening/Tables.h"

#include <string>

namespace kelvo::test::tables {

namespace {

std::string Numbered(const char* text, int instance) {
    return std::string(text) + " " + std::to_string(instance);
}

// Each decoded type with every field up to its newest version block.
void AddBios(TableBuilder& b, std::uint16_t handle, int n) {
    const std::string day = std::to_string(10 + n % 18);
    b.Add(0, handle)
        .Bytes({1, 2})
        .Word(0xF000)
        .Bytes({3, 0xFF})
        .Qword(0x000000000B7C9880ULL)
        .Bytes({0x03, 0x0D, 5, 17, 0xFF, 0xFF})
        .String("American Megatrends International, LLC.")
        .String(Numbered("F", n))
        .String("06/" + day + "/2021");
}

void AddSystem(TableBuilder& b, std::uint16_t handle, int n) {
    b.Add(1, handle)
        .Bytes({1, 2, 3, 4})
        .Qword(0x4CCF2B5303020100ULL + static_cast<unsigned>(n))
        .Qword(0x0F0E0D0C0B0A0908ULL)
        .Bytes({6, 5, 6})
        .String("Micro-Star International Co., Ltd.")
        .String("MS-7C56")
        .String("1.0")
        .String(Numbered("Serial", n))
        .String("To be filled by O.E.M.")
        .String("Desktop");
}

void AddBaseboard(TableBuilder& b, std::uint16_t handle, int n) {
    b.Add(2, handle)
        .Bytes({1, 2, 3, 4, 5, 0x09, 6})
        .Word(3)
        .Bytes({0x0A, 2})
        .Word(0x0030)
        .Word(0x0031)
        .String("Micro-Star International Co., Ltd.")
        .String("B550-A PRO (MS-7C56)")
        .String("2.0")
        .String(Numbered("Board", n))
        .String("Default string")
        .String("Default string");
}

void AddEnclosure(TableBuilder& b, std::uint16_t handle, int n) {
    b.Add(3, handle)
        .Bytes({1, 0x03, 2, 3, 4})
        .Bytes({3, 3, 3, 2})
        .Dword(0)
        .Bytes({0, 1, 2, 3})
        .Bytes({0x91, 0, 1, 0x92, 0, 2})  // two contained element records of 3 bytes
        .Byte(5)
        .String("Micro-Star International Co., Ltd.")
        .String("1.0")
        .String(Numbered("Chassis", n))
        .String("Default string")
        .String("Default string");
}

void AddProcessor(TableBuilder& b, std::uint16_t handle, int n) {
    b.Add(4, handle)
        .Bytes({1, 3, 0x6B, 2})
        .Qword(0x178BFBFF00A20F10ULL)
        .Bytes({3, 0x8B})
        .Word(100)
        .Word(4650)
        .Word(3700)
        .Bytes({0x41, 0x40})
        .Word(0x0040)
        .Word(0x0041)
        .Word(0x0042)
        .Bytes({4, 5, 6})
        .Bytes({8, 8, 16})
        .Word(0x00FC)
        .Word(0x006B)
        .Word(8)
        .Word(8)
        .Word(16)
        .String(Numbered("AM4", n))
        .String("Advanced Micro Devices, Inc.")
        .String("AMD Ryzen 7 5800X 8-Core Processor")
        .String("Unknown")
        .String("Unknown")
        .String("Unknown");
}

void AddSlot(TableBuilder& b, std::uint16_t handle, int n) {
    b.Add(9, handle)
        .Bytes({1, 0xB6, 0x0D, 3, 4})
        .Word(static_cast<std::uint16_t>(n))
        .Bytes({0x04, 0x03})
        .Word(0)
        .Bytes({static_cast<std::uint8_t>(n), 0x08})
        .String(Numbered("PCIE", n));
}

void AddOemStrings(TableBuilder& b, std::uint16_t handle, int n) {
    b.Add(11, handle)
        .Byte(3)
        .String("Default string")
        .String(Numbered("OEM", n))
        .String("To be filled by O.E.M.");
}

void AddMemoryArray(TableBuilder& b, std::uint16_t handle, int) {
    b.Add(16, handle)
        .Bytes({0x03, 0x03, 0x03})
        .Dword(0x80000000)
        .Word(0xFFFE)
        .Word(4)
        .Qword(0x0000000200000000ULL);
}

void AddMemoryDevice(TableBuilder& b, std::uint16_t handle, int n) {
    b.Add(17, handle)
        .Word(0x0050)
        .Word(0xFFFE)
        .Word(64)
        .Word(64)
        .Word(0x4000)
        .Bytes({0x09, 0, 1, 2, 0x1A})
        .Word(0x0080)
        .Word(3200)
        .Bytes({3, 4, 5, 6})
        .Byte(2)
        .Dword(0)
        .Word(3200)
        .Word(1200)
        .Word(1200)
        .Word(1200)
        .String(Numbered("DIMM", n))
        .String(Numbered("BANK", n))
        .String("Kingston")
        .String("1A2B3C4D")
        .String("Not Specified")
        .String("KHX3200C16D4/16GX");
}

// A structure of a type the library does not decode: `length` formatted bytes and strings.
void AddOther(TableBuilder& b, std::uint8_t type, std::uint16_t handle, std::uint8_t length,
              int strings, int n) {
    StructureBuilder& s = b.Add(type, handle);
    for (std::size_t offset = 4; offset < length; ++offset)
        s.ByteAt(offset, static_cast<std::uint8_t>(offset * 7 + type));
    for (int i = 1; i <= strings; ++i) s.String(Numbered("Designation", n * 4 + i));
}

void Add(TableBuilder& b, std::uint8_t type, std::uint16_t handle, int n) {
    switch (type) {
        case 0:
            return AddBios(b, handle, n);
        case 1:
            return AddSystem(b, handle, n);
        case 2:
            return AddBaseboard(b, handle, n);
        case 3:
            return AddEnclosure(b, handle, n);
        case 4:
            return AddProcessor(b, handle, n);
        case 9:
            return AddSlot(b, handle, n);
        case 11:
            return AddOemStrings(b, handle, n);
        case 16:
            return AddMemoryArray(b, handle, n);
        case 17:
            return AddMemoryDevice(b, handle, n);
        case 7:
            return AddOther(b, type, handle, 0x1B, 1, n);  // cache
        case 8:
            return AddOther(b, type, handle, 0x09, 2, n);  // port connector
        case 12:
        case 14:
            return AddOther(b, type, handle, 0x08, 1, n);  // options, group association
        case 13:
            return AddOther(b, type, handle, 0x16, 1, n);  // BIOS language
        case 19:
            return AddOther(b, type, handle, 0x1F, 0, n);  // array mapped address
        case 20:
            return AddOther(b, type, handle, 0x23, 0, n);  // device mapped address
        case 26:
        case 28:
        case 29:
            return AddOther(b, type, handle, 0x16, 1, n);  // probes
        case 27:
            return AddOther(b, type, handle, 0x0F, 1, n);  // cooling device
        case 32:
            return AddOther(b, type, handle, 0x0B, 0, n);  // system boot
        case 41:
            return AddOther(b, type, handle, 0x0B, 1, n);  // onboard device
        case 43:
            return AddOther(b, type, handle, 0x1F, 1, n);  // TPM
        default:
            return AddOther(b, type, handle, 0x0C, 2, n);  // vendor specific
    }
}

// The desktop's structure types in table order.
const std::vector<std::uint8_t>& DesktopTypes() {
    static const std::vector<std::uint8_t> types = [] {
        const std::pair<std::uint8_t, int> runs[] = {
            {0, 1},  {1, 1},  {2, 1},  {3, 1},  {7, 3},  {4, 1},  {7, 3},  {4, 1},  {8, 24},
            {9, 6},  {41, 4}, {11, 1}, {12, 1}, {13, 1}, {14, 1}, {16, 1}, {17, 8}, {19, 1},
            {20, 8}, {26, 1}, {27, 3}, {28, 3}, {29, 1}, {32, 1}, {43, 1}, {221, 2}};
        std::vector<std::uint8_t> all;
        for (const auto& run : runs) all.insert(all.end(), run.second, run.first);
        return all;
    }();
    return types;
}

}  // namespace

std::uint16_t AddEveryType(TableBuilder& builder, std::uint16_t handle, int instance) {
    for (std::uint8_t type : {0, 1, 2, 3, 4, 9, 11, 16, 17}) Add(builder, type, handle++, instance);
    return handle;
}

std::vector<std::uint8_t> EveryType(std::uint8_t major, std::uint8_t minor, int instances) {
    TableBuilder builder(major, minor);
    std::uint16_t handle = 0;
    for (int i = 0; i < instances; ++i) handle = AddEveryType(builder, handle, i);
    builder.End();
    return builder.Raw();
}

std::vector<std::uint8_t> Desktop() { return Sized(DesktopTypes().size()); }

std::vector<std::uint8_t> Sized(std::size_t structures) {
    const std::vector<std::uint8_t>& types = DesktopTypes();
    TableBuilder builder(3, 3);
    for (std::size_t i = 0; i < structures; ++i) {
        Add(builder, types[i % types.size()], static_cast<std::uint16_t>(i), static_cast<int>(i));
    }
    builder.End();
    return builder.Raw();
}

}  // namespace kelvo::test::tables
