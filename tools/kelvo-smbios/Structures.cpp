// The nine structure types as people read them: each field under its label, enumerations by the
// library's names, sizes and speeds in units. A field is shown when it lies inside the
// structure's Length; every byte is read through the bounded reader.
#include "Structures.h"

#include <smbios/kelvo_smbios_names.h>

#include <cstdio>
#include <initializer_list>
#include <tuple>
#include <utility>

#include "common/TableView.h"

namespace kelvo::smbios_tool {

namespace {

using kelvo::shared::smbios::pimpl::TableView;

constexpr const char* kOutOfSpec = "<OUT OF SPEC>";

std::string Format(const char* format, unsigned long long a, unsigned long long b = 0,
                   unsigned long long c = 0, unsigned long long d = 0) {
    char text[64];
    std::snprintf(text, sizeof text, format, a, b, c, d);
    return text;
}

std::string Hex4(std::uint64_t value) { return Format("0x%04llX", value); }

// The name of `value` in `list`, or the out-of-spec mark with the number.
std::string Name(ksmbios_name_list list, std::uint32_t value) {
    const char* name = ksmbios_name(list, value);
    return name != nullptr ? name : std::string(kOutOfSpec) + Format(" (0x%02llX)", value);
}

// The names of the bits set in `code` from bit `first` to bit `last`.
std::vector<std::string> Bits(ksmbios_name_list list, std::uint64_t code, unsigned first,
                              unsigned last) {
    std::vector<std::string> names;
    for (unsigned bit = first; bit <= last; ++bit) {
        if ((code >> bit & 1u) == 0) continue;
        if (const char* name = ksmbios_name(list, bit)) names.emplace_back(name);
    }
    return names;
}

// A size in `code` units (bytes, or kB with `shift` 1), in the largest unit that shows it
// exactly with at most two consecutive units folded together.
std::string MemorySize(std::uint64_t code, int shift) {
    static const char* const units[] = {"bytes", "kB", "MB", "GB", "TB", "PB", "EB", "ZB"};
    std::uint64_t split[7];
    for (int i = 0; i < 7; ++i) split[i] = (code >> (10 * i)) & 0x3FF;
    int i = 6;
    while (i > 0 && split[i] == 0) --i;
    std::uint64_t capacity = split[i];
    if (i > 0 && split[i - 1] != 0) {
        --i;
        capacity = split[i] + (split[i + 1] << 10);
    }
    return std::to_string(capacity) + " " + units[i + shift];
}

std::string Voltage(std::uint16_t millivolts) {
    if (millivolts == 0) return "Unknown";
    char text[32];
    std::snprintf(text, sizeof text, millivolts % 100 ? "%g V" : "%.1f V", millivolts / 1000.0);
    return text;
}

// Reads one structure and appends its fields.
class Decoder {
public:
    Decoder(const ksmbios_table* table, std::size_t index, const ksmbios_structure& structure,
            std::uint16_t version, DecodedStructure& out)
        : table_(table),
          index_(index),
          bytes_(structure.formatted, structure.formatted_size),
          length_(structure.length),
          version_(version),
          out_(out) {}

    bool Has(std::uint64_t length) const { return length_ >= length; }
    std::uint8_t U8(std::uint64_t at) const { return bytes_.U8(at); }
    std::uint16_t U16(std::uint64_t at) const { return bytes_.U16(at); }
    std::uint32_t U32(std::uint64_t at) const { return bytes_.U32(at); }
    std::uint64_t U64(std::uint64_t at) const { return bytes_.U64(at); }
    std::uint16_t Version() const { return version_; }

    // The string that the byte at `at` names, as dmidecode shows strings: "Not Specified" for
    // none, "<BAD INDEX>" for a missing one, control characters as dots.
    std::string StringAt(std::uint64_t at) const { return StringNumber(U8(at)); }
    std::string StringNumber(std::uint8_t number) const {
        if (number == 0) return "Not Specified";
        const char* text = nullptr;
        std::size_t size = 0;
        if (ksmbios_get_string(table_, index_, number, &text, &size) != KSMBIOS_OK) {
            return "<BAD INDEX>";
        }
        std::string shown(text, size);
        for (char& c : shown) {
            if (static_cast<unsigned char>(c) < 32 || c == 127) c = '.';
        }
        return shown;
    }

    DecodedField& Add(std::string label, std::string value) {
        out_.fields.push_back({std::move(label), std::move(value), {}, std::nullopt, false});
        return out_.fields.back();
    }
    DecodedField& Add(std::string label, std::string value, std::uint64_t raw) {
        DecodedField& field = Add(std::move(label), std::move(value));
        field.raw = raw;
        return field;
    }
    void String(const char* label, std::uint64_t at) { Add(label, StringAt(at), U8(at)); }
    void Named(const char* label, ksmbios_name_list list, std::uint64_t at) {
        Add(label, Name(list, U8(at)), U8(at));
    }
    // A list of bit names, or `none` when no bit in `mask` is set.
    void Flags(const char* label, std::vector<std::string> items, std::uint64_t raw,
               const char* none) {
        DecodedField& field = Add(label, items.empty() ? none : "", raw);
        field.items = std::move(items);
    }
    void Reference(const char* label, std::string value, std::uint64_t raw) {
        Add(label, std::move(value), raw).reference = true;
    }

private:
    const ksmbios_table* table_;
    std::size_t index_;
    TableView bytes_;
    std::uint8_t length_;
    std::uint16_t version_;
    DecodedStructure& out_;
};

void Bios(Decoder& d) {
    if (!d.Has(0x12)) return;
    d.String("Vendor", 0x04);
    d.String("Version", 0x05);
    d.String("Release Date", 0x08);
    // UEFI firmware has no real-mode segment: no address and no runtime size.
    if (const std::uint16_t segment = d.U16(0x06)) {
        d.Add("Address", Format("0x%04llX0", segment), segment);
        const std::uint32_t runtime = (0x10000u - segment) << 4;
        d.Add("Runtime Size",
              runtime & 0x3FF ? Format("%llu bytes", runtime) : Format("%llu kB", runtime >> 10));
    }
    const std::uint8_t rom = d.U8(0x09);
    if (rom != 0xFF) {
        d.Add("ROM Size", MemorySize((rom + 1ull) << 6, 1), rom);
    } else {
        const std::uint16_t extended = d.Has(0x1A) ? d.U16(0x18) : 16;
        const char* units[] = {"MB", "GB", kOutOfSpec, kOutOfSpec};
        d.Add("ROM Size", Format("%llu ", extended & 0x3FFu) + units[extended >> 14], extended);
    }
    const std::uint64_t characteristics = d.U64(0x0A);
    std::vector<std::string> items;
    if (characteristics & (1u << 3)) {
        items = Bits(KSMBIOS_NAMES_BIOS_CHARACTERISTICS_BITS, characteristics, 3, 3);
    } else {
        items = Bits(KSMBIOS_NAMES_BIOS_CHARACTERISTICS_BITS, characteristics, 4, 31);
    }
    if (d.Has(0x13)) {
        for (auto& name : Bits(KSMBIOS_NAMES_BIOS_EXTENSION1_BITS, d.U8(0x12), 0, 7))
            items.push_back(name);
    }
    if (d.Has(0x14)) {
        for (auto& name : Bits(KSMBIOS_NAMES_BIOS_EXTENSION2_BITS, d.U8(0x13), 0, 7))
            items.push_back(name);
    }
    d.Flags("Characteristics", std::move(items), characteristics, "");
    if (!d.Has(0x18)) return;
    if (d.U8(0x14) != 0xFF && d.U8(0x15) != 0xFF) {
        d.Add("BIOS Revision", Format("%llu.%llu", d.U8(0x14), d.U8(0x15)));
    }
    if (d.U8(0x16) != 0xFF && d.U8(0x17) != 0xFF) {
        d.Add("Firmware Revision", Format("%llu.%llu", d.U8(0x16), d.U8(0x17)));
    }
}

// The UUID as text; from 2.6 on its first three fields are little-endian.
std::string Uuid(const Decoder& d, std::uint64_t at) {
    bool zeros = true;
    bool ones = true;
    std::uint8_t b[16];
    for (unsigned i = 0; i < 16; ++i) {
        b[i] = d.U8(at + i);
        zeros = zeros && b[i] == 0x00;
        ones = ones && b[i] == 0xFF;
    }
    if (ones) return "Not Present";
    if (zeros) return "Not Settable";
    static const unsigned swapped[] = {3, 2, 1, 0, 5, 4, 7, 6};
    std::string text;
    for (unsigned i = 0; i < 16; ++i) {
        const unsigned from = d.Version() >= 0x0206 && i < 8 ? swapped[i] : i;
        text += Format("%02llx", b[from]);
        if (i == 3 || i == 5 || i == 7 || i == 9) text += '-';
    }
    return text;
}

void System(Decoder& d) {
    if (!d.Has(0x08)) return;
    d.String("Manufacturer", 0x04);
    d.String("Product Name", 0x05);
    d.String("Version", 0x06);
    d.String("Serial Number", 0x07);
    if (!d.Has(0x19)) return;
    d.Add("UUID", Uuid(d, 0x08));
    d.Named("Wake-up Type", KSMBIOS_NAMES_WAKE_UP_TYPE, 0x18);
    if (!d.Has(0x1B)) return;
    d.String("SKU Number", 0x19);
    d.String("Family", 0x1A);
}

void Baseboard(Decoder& d) {
    if (!d.Has(0x08)) return;
    d.String("Manufacturer", 0x04);
    d.String("Product Name", 0x05);
    d.String("Version", 0x06);
    d.String("Serial Number", 0x07);
    if (!d.Has(0x09)) return;
    d.String("Asset Tag", 0x08);
    if (!d.Has(0x0A)) return;
    const std::uint8_t features = d.U8(0x09);
    d.Flags("Features", Bits(KSMBIOS_NAMES_BOARD_FEATURE_BITS, features, 0, 4), features, "None");
    if (!d.Has(0x0E)) return;
    d.String("Location In Chassis", 0x0A);
    d.Reference("Chassis Handle", Hex4(d.U16(0x0B)), d.U16(0x0B));
    d.Named("Type", KSMBIOS_NAMES_BOARD_TYPE, 0x0D);
    const std::uint8_t count = d.U8(0x0E);
    if (!d.Has(0x0F) || !d.Has(0x0F + 2u * count)) return;
    std::vector<std::string> handles;
    for (unsigned i = 0; i < count; ++i) handles.push_back(Hex4(d.U16(0x0F + 2u * i)));
    DecodedField& field = d.Add("Contained Object Handles", std::to_string(count), count);
    field.items = std::move(handles);
    field.reference = true;
}

std::string ChassisState(const Decoder& d, std::uint64_t at) {
    return Name(KSMBIOS_NAMES_CHASSIS_STATE, d.U8(at));
}

void Chassis(Decoder& d) {
    if (!d.Has(0x09)) return;
    const std::uint8_t type = d.U8(0x05);
    d.String("Manufacturer", 0x04);
    d.Add("Type", Name(KSMBIOS_NAMES_CHASSIS_TYPE, type & 0x7Fu), type & 0x7Fu);
    d.Add("Lock", type & 0x80 ? "Present" : "Not Present", type >> 7);
    d.String("Version", 0x06);
    d.String("Serial Number", 0x07);
    d.String("Asset Tag", 0x08);
    if (!d.Has(0x0D)) return;
    d.Add("Boot-up State", ChassisState(d, 0x09), d.U8(0x09));
    d.Add("Power Supply State", ChassisState(d, 0x0A), d.U8(0x0A));
    d.Add("Thermal State", ChassisState(d, 0x0B), d.U8(0x0B));
    d.Named("Security Status", KSMBIOS_NAMES_CHASSIS_SECURITY_STATUS, 0x0C);
    if (!d.Has(0x11)) return;
    d.Add("OEM Information", Format("0x%08llX", d.U32(0x0D)), d.U32(0x0D));
    if (!d.Has(0x13)) return;
    const std::uint8_t height = d.U8(0x11);
    const std::uint8_t cords = d.U8(0x12);
    d.Add("Height", height ? Format("%llu U", height) : "Unspecified", height);
    d.Add("Number Of Power Cords", cords ? std::to_string(cords) : "Unspecified", cords);
    const unsigned count = d.U8(0x13);
    const unsigned size = d.U8(0x14);
    if (!d.Has(0x15) || !d.Has(0x15 + count * size)) return;
    std::vector<std::string> elements;
    for (unsigned i = 0; i < count && size >= 3; ++i) {
        const std::uint64_t at = 0x15 + i * size;
        const std::uint8_t element = d.U8(at);
        const std::string kind = element & 0x80
                                     ? Name(KSMBIOS_NAMES_STRUCTURE_TYPE, element & 0x7Fu)
                                     : Name(KSMBIOS_NAMES_BOARD_TYPE, element & 0x7Fu);
        const std::uint8_t low = d.U8(at + 1);
        const std::uint8_t high = d.U8(at + 2);
        elements.push_back(
            kind + (low == high ? Format(" (%llu)", low) : Format(" (%llu-%llu)", low, high)));
    }
    d.Add("Contained Elements", std::to_string(count), count).items = std::move(elements);
    if (!d.Has(0x16 + count * size)) return;
    d.String("SKU Number", 0x15 + count * size);
}

// The processor family, from the byte at 06h or, when it says so, the word at 28h.
std::uint16_t ProcessorFamily(const Decoder& d) {
    return d.U8(0x06) == 0xFE && d.Has(0x2A) ? d.U16(0x28) : d.U8(0x06);
}

bool InRanges(std::uint16_t value, std::initializer_list<std::pair<int, int>> ranges) {
    for (const auto& [low, high] : ranges) {
        if (value >= low && value <= high) return true;
    }
    return false;
}

// The CPUID signature of x86 processors, and its feature flags.
void ProcessorId(Decoder& d) {
    std::string id;
    for (unsigned i = 0; i < 8; ++i) id += Format(i ? " %02llX" : "%02llX", d.U8(0x08 + i));
    d.Reference("ID", id, d.U64(0x08));
    const std::uint16_t family = ProcessorFamily(d);
    const bool intel = InRanges(family, {{0x0B, 0x15},
                                         {0x28, 0x2F},
                                         {0xA1, 0xB3},
                                         {0xB5, 0xB5},
                                         {0xB9, 0xC7},
                                         {0xCD, 0xCF},
                                         {0xD2, 0xDB},
                                         {0xDD, 0xE0}});
    const bool amd = InRanges(family, {{0x18, 0x1D},
                                       {0x1F, 0x1F},
                                       {0x38, 0x3F},
                                       {0x46, 0x4F},
                                       {0x66, 0x6B},
                                       {0x83, 0x8F},
                                       {0xB6, 0xB7},
                                       {0xE4, 0xEF}});
    if (!intel && !amd) return;
    const std::uint32_t eax = d.U32(0x08);
    if (intel) {
        d.Add("Signature", Format("Type %llu, Family %llu, Model %llu, Stepping %llu",
                                  (eax >> 12) & 0x3, ((eax >> 20) & 0xFF) + ((eax >> 8) & 0x0F),
                                  ((eax >> 12) & 0xF0) + ((eax >> 4) & 0x0F), eax & 0xF));
    } else {
        const std::uint32_t base = (eax >> 8) & 0xF;
        d.Add("Signature",
              Format("Family %llu, Model %llu, Stepping %llu",
                     base + (base == 0xF ? (eax >> 20) & 0xFF : 0),
                     ((eax >> 4) & 0xF) | (base == 0xF ? (eax >> 12) & 0xF0 : 0), eax & 0xF));
    }
    const std::uint32_t edx = d.U32(0x0C);
    d.Flags("Flags",
            (edx & 0xBFEFFBFF) == 0 ? std::vector<std::string>{}
                                    : Bits(KSMBIOS_NAMES_PROCESSOR_ID_FLAG_BITS, edx, 0, 31),
            edx, "None");
}

std::string ProcessorVoltage(std::uint8_t code) {
    if (code & 0x80) {
        char text[16];
        std::snprintf(text, sizeof text, "%.1f V", (code & 0x7F) / 10.0);
        return text;
    }
    if ((code & 0x07) == 0) return "Unknown";
    static const char* const levels[] = {"5.0 V", "3.3 V", "2.9 V"};
    std::string text;
    for (unsigned i = 0; i < 3; ++i) {
        if (code & (1u << i)) text += (text.empty() ? "" : " ") + std::string(levels[i]);
    }
    return text;
}

void Processor(Decoder& d) {
    if (!d.Has(0x1A)) return;
    d.String("Socket Designation", 0x04);
    d.Named("Type", KSMBIOS_NAMES_PROCESSOR_TYPE, 0x05);
    const std::uint16_t family = ProcessorFamily(d);
    d.Add("Family", Name(KSMBIOS_NAMES_PROCESSOR_FAMILY, family), family);
    d.String("Manufacturer", 0x07);
    ProcessorId(d);
    d.String("Version", 0x10);
    d.Add("Voltage", ProcessorVoltage(d.U8(0x11)), d.U8(0x11));
    for (const auto& [label, at] : {std::pair("External Clock", 0x12), std::pair("Max Speed", 0x14),
                                    std::pair("Current Speed", 0x16)}) {
        const std::uint16_t mhz = d.U16(at);
        d.Add(label, mhz ? Format("%llu MHz", mhz) : "Unknown", mhz);
    }
    const std::uint8_t status = d.U8(0x18);
    d.Add("Status",
          status & 0x40 ? "Populated, " + Name(KSMBIOS_NAMES_PROCESSOR_STATUS, status & 0x07u)
                        : "Unpopulated",
          status);
    d.Named("Upgrade", KSMBIOS_NAMES_PROCESSOR_UPGRADE, 0x19);
    if (!d.Has(0x20)) return;
    for (const auto& [label, at, level] :
         {std::tuple("L1 Cache Handle", 0x1A, "L1"), std::tuple("L2 Cache Handle", 0x1C, "L2"),
          std::tuple("L3 Cache Handle", 0x1E, "L3")}) {
        const std::uint16_t handle = d.U16(at);
        d.Reference(label,
                    handle != 0xFFFF        ? Hex4(handle)
                    : d.Version() >= 0x0203 ? "Not Provided"
                                            : "No " + std::string(level) + " Cache",
                    handle);
    }
    if (!d.Has(0x23)) return;
    d.String("Serial Number", 0x20);
    d.String("Asset Tag", 0x21);
    d.String("Part Number", 0x22);
    if (!d.Has(0x28)) return;
    // A count of FFh says that the 3.0 word holds it.
    for (const auto& [label, at, wide, needs] :
         {std::tuple("Core Count", 0x23, 0x2A, 0x2C), std::tuple("Core Enabled", 0x24, 0x2C, 0x2E),
          std::tuple("Thread Count", 0x25, 0x2E, 0x30)}) {
        const std::uint8_t count = d.U8(at);
        if (count == 0) continue;
        const std::uint16_t value = d.Has(needs) && count == 0xFF ? d.U16(wide) : count;
        d.Add(label, std::to_string(value), value);
    }
    const std::uint16_t characteristics = d.U16(0x26);
    d.Flags("Characteristics",
            Bits(KSMBIOS_NAMES_PROCESSOR_CHARACTERISTIC_BITS, characteristics, 2, 9),
            characteristics, "None");
}

// The slot types whose ID byte is a plain number (MCA, EISA, PCI, AGP, PCI-X, PCI Express).
bool SlotIdIsNumber(std::uint8_t type) {
    return InRanges(type, {{0x04, 0x06}, {0x0E, 0x13}, {0x1F, 0x23}, {0xA5, 0xB6}, {0xB8, 0xC4}});
}

void Slot(Decoder& d) {
    if (!d.Has(0x0C)) return;
    d.String("Designation", 0x04);
    d.Named("Type", KSMBIOS_NAMES_SLOT_TYPE, 0x05);
    d.Named("Data Bus Width", KSMBIOS_NAMES_SLOT_WIDTH, 0x06);
    d.Named("Current Usage", KSMBIOS_NAMES_SLOT_USAGE, 0x07);
    d.Named("Length", KSMBIOS_NAMES_SLOT_LENGTH, 0x08);
    const std::uint8_t type = d.U8(0x05);
    if (SlotIdIsNumber(type)) {
        d.Add("ID", std::to_string(d.U8(0x09)), d.U16(0x09));
    } else if (type == 0x07) {
        d.Add("ID", Format("Adapter %llu, Socket %llu", d.U8(0x09), d.U8(0x0A)), d.U16(0x09));
    }
    const std::uint8_t first = d.U8(0x0B);
    const std::uint8_t second = d.Has(0x0D) ? d.U8(0x0C) : 0;
    std::vector<std::string> items = Bits(KSMBIOS_NAMES_SLOT_CHARACTERISTICS1_BITS, first, 1, 7);
    for (auto& name : Bits(KSMBIOS_NAMES_SLOT_CHARACTERISTICS2_BITS, second, 0, 7))
        items.push_back(name);
    if (first & 1u) items.clear();
    d.Flags("Characteristics", std::move(items), first | second << 8,
            first & 1u ? "Unknown" : "None");
    if (!d.Has(0x11)) return;
    const std::uint16_t segment = d.U16(0x0D);
    const std::uint8_t bus = d.U8(0x0F);
    const std::uint8_t function = d.U8(0x10);
    if (!(segment == 0xFFFF && bus == 0xFF && function == 0xFF)) {
        d.Add("Bus Address",
              Format("%04llx:%02llx:%02llx.%llx", segment, bus, function >> 3, function & 0x7u));
    }
    if (!d.Has(0x13)) return;
    d.Add("Data Bus Width (Base)", std::to_string(d.U8(0x11)), d.U8(0x11));
    const unsigned peers = d.U8(0x12);
    d.Add("Peer Devices", std::to_string(peers), peers);
    if (!d.Has(0x13 + peers * 5)) return;
    for (unsigned i = 0; i < peers; ++i) {
        const std::uint64_t at = 0x13 + i * 5;
        d.Add("Peer Device " + std::to_string(i + 1),
              Format("%04llx:%02llx:%02llx.%llx", d.U16(at), d.U8(at + 2), d.U8(at + 3) >> 3,
                     d.U8(at + 3) & 0x7u) +
                  Format(" (Width %llu)", d.U8(at + 4)));
    }
}

void OemStrings(Decoder& d) {
    if (!d.Has(0x05)) return;
    for (unsigned i = 1; i <= d.U8(0x04); ++i) {
        d.Add("String " + std::to_string(i), d.StringNumber(static_cast<std::uint8_t>(i)), i);
    }
}

std::string ErrorHandle(std::uint16_t handle) {
    return handle == 0xFFFE ? "Not Provided" : handle == 0xFFFF ? "No Error" : Hex4(handle);
}

void MemoryArray(Decoder& d) {
    if (!d.Has(0x0F)) return;
    d.Named("Location", KSMBIOS_NAMES_MEMORY_ARRAY_LOCATION, 0x04);
    d.Named("Use", KSMBIOS_NAMES_MEMORY_ARRAY_USE, 0x05);
    d.Named("Error Correction Type", KSMBIOS_NAMES_MEMORY_ERROR_CORRECTION, 0x06);
    const std::uint32_t capacity = d.U32(0x07);
    if (capacity != 0x80000000u) {
        d.Add("Maximum Capacity", MemorySize(capacity, 1), capacity);
    } else if (!d.Has(0x17)) {
        d.Add("Maximum Capacity", "Unknown", capacity);
    } else {
        d.Add("Maximum Capacity", MemorySize(d.U64(0x0F), 0), d.U64(0x0F));
    }
    d.Reference("Error Information Handle", ErrorHandle(d.U16(0x0B)), d.U16(0x0B));
    d.Add("Number Of Devices", std::to_string(d.U16(0x0D)), d.U16(0x0D));
}

std::string Width(std::uint16_t bits) {
    return bits == 0xFFFF || bits == 0 ? "Unknown" : Format("%llu bits", bits);
}

// The size: in MB, or in kB when bit 15 says so; 7FFFh hands over to the extended size in MB.
std::string MemoryDeviceSize(const Decoder& d, std::uint64_t& raw) {
    const std::uint16_t size = d.U16(0x0C);
    raw = size;
    if (d.Has(0x20) && size == 0x7FFF) {
        const std::uint32_t extended = d.U32(0x1C) & 0x7FFFFFFFu;
        raw = extended;
        if (extended & 0x3FFu) return Format("%llu MB", extended);
        if (extended & 0xFFC00u) return Format("%llu GB", extended >> 10);
        return Format("%llu TB", extended >> 20);
    }
    if (size == 0) return "No Module Installed";
    if (size == 0xFFFF) return "Unknown";
    const std::uint64_t kilobytes = size & 0x8000u ? size & 0x7FFFu : (size & 0x7FFFull) << 10;
    return MemorySize(kilobytes, 1);
}

std::string Speed(std::uint16_t speed, std::uint32_t extended) {
    if (speed == 0xFFFF) return extended ? Format("%llu MT/s", extended) : "Unknown";
    return speed ? Format("%llu MT/s", speed) : "Unknown";
}

void MemoryDevice(Decoder& d) {
    if (!d.Has(0x15)) return;
    d.Reference("Array Handle", Hex4(d.U16(0x04)), d.U16(0x04));
    d.Reference("Error Information Handle", ErrorHandle(d.U16(0x06)), d.U16(0x06));
    d.Add("Total Width", Width(d.U16(0x08)), d.U16(0x08));
    d.Add("Data Width", Width(d.U16(0x0A)), d.U16(0x0A));
    std::uint64_t size = 0;
    const std::string sizeText = MemoryDeviceSize(d, size);
    d.Add("Size", sizeText, size);
    d.Named("Form Factor", KSMBIOS_NAMES_MEMORY_FORM_FACTOR, 0x0E);
    const std::uint8_t set = d.U8(0x0F);
    d.Add("Set", set == 0 ? "None" : set == 0xFF ? "Unknown" : std::to_string(set), set);
    d.String("Locator", 0x10);
    d.String("Bank Locator", 0x11);
    d.Named("Type", KSMBIOS_NAMES_MEMORY_TYPE, 0x12);
    const std::uint16_t detail = d.U16(0x13);
    std::string details;
    for (const std::string& name : Bits(KSMBIOS_NAMES_MEMORY_TYPE_DETAIL_BITS, detail, 1, 15))
        details += (details.empty() ? "" : " ") + name;
    d.Add("Type Detail", (detail & 0xFFFE) == 0 ? "None" : details, detail);
    // An empty slot's remaining fields say nothing.
    if (!d.Has(0x17) || d.U16(0x0C) == 0) return;
    const bool extendedSpeeds = d.Has(0x5C);
    d.Add("Speed", Speed(d.U16(0x15), extendedSpeeds ? d.U32(0x54) : 0), d.U16(0x15));
    if (!d.Has(0x1B)) return;
    d.String("Manufacturer", 0x17);
    d.String("Serial Number", 0x18);
    d.String("Asset Tag", 0x19);
    d.String("Part Number", 0x1A);
    if (!d.Has(0x1C)) return;
    const std::uint8_t rank = d.U8(0x1B) & 0x0F;
    d.Add("Rank", rank ? std::to_string(rank) : "Unknown", d.U8(0x1B));
    if (!d.Has(0x22)) return;
    d.Add("Configured Memory Speed", Speed(d.U16(0x20), extendedSpeeds ? d.U32(0x58) : 0),
          d.U16(0x20));
    if (!d.Has(0x28)) return;
    d.Add("Minimum Voltage", Voltage(d.U16(0x22)), d.U16(0x22));
    d.Add("Maximum Voltage", Voltage(d.U16(0x24)), d.U16(0x24));
    d.Add("Configured Voltage", Voltage(d.U16(0x26)), d.U16(0x26));
}

}  // namespace

bool DecodeStructure(const ksmbios_table* table, std::size_t index, std::uint16_t version,
                     DecodedStructure& out) {
    ksmbios_structure structure{};
    structure.struct_size = sizeof structure;
    if (ksmbios_get_structure(table, index, &structure) != KSMBIOS_OK) return false;
    void (*decode)(Decoder&) = nullptr;
    switch (structure.type) {
        case 0:
            decode = Bios;
            break;
        case 1:
            decode = System;
            break;
        case 2:
            decode = Baseboard;
            break;
        case 3:
            decode = Chassis;
            break;
        case 4:
            decode = Processor;
            break;
        case 9:
            decode = Slot;
            break;
        case 11:
            decode = OemStrings;
            break;
        case 16:
            decode = MemoryArray;
            break;
        case 17:
            decode = MemoryDevice;
            break;
        default:
            return false;
    }
    out = DecodedStructure{};
    out.handle = structure.handle;
    out.type = structure.type;
    out.length = structure.length;
    out.title = ksmbios_name(KSMBIOS_NAMES_STRUCTURE_TITLE, structure.type);
    Decoder decoder(table, index, structure, version, out);
    decode(decoder);
    return true;
}

}  // namespace kelvo::smbios_tool
