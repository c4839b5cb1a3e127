// The fields that their kind alone cannot show: each formatter is named by the schema's rows
// (schema/Formatters.def) and reads only through its FieldContext.
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <utility>

#include "decode/FieldContext.h"
#include "schema/Names.h"

namespace kelvo::shared::smbios::detail {

namespace {

constexpr const char* kOutOfSpec = "<OUT OF SPEC>";

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

bool InRanges(std::uint64_t value, std::initializer_list<std::pair<int, int>> ranges) {
    for (const auto& [low, high] : ranges) {
        if (value >= static_cast<std::uint64_t>(low) && value <= static_cast<std::uint64_t>(high)) {
            return true;
        }
    }
    return false;
}

// The processor families whose ID is an x86 CPUID signature, Intel's and AMD's.
bool IntelFamily(std::uint64_t family) {
    return InRanges(family, {{0x0B, 0x15},
                             {0x28, 0x2F},
                             {0xA1, 0xB3},
                             {0xB5, 0xB5},
                             {0xB9, 0xC7},
                             {0xCD, 0xD0},
                             {0xD2, 0xDB},
                             {0xDD, 0xE0},
                             {0x300, 0x307}});
}
bool AmdFamily(std::uint64_t family) {
    return InRanges(family, {{0x18, 0x1D},
                             {0x1F, 0x1F},
                             {0x38, 0x3F},
                             {0x46, 0x4F},
                             {0x66, 0x6B},
                             {0x83, 0x8F},
                             {0xB6, 0xB7},
                             {0xE4, 0xEF}});
}

// How a processor's ID reads, by its family: an x86 CPUID signature in Intel's or AMD's layout, the
// reset signature (DX) of an 80386 or of an 80486 without CPUID, an Arm MIDR or, when the
// processor's characteristics say so (bit 9), an Arm SoC ID and its revision, or a LoongArch
// processor identity (its CPUCFG word 0).
enum class IdKind { None, Intel, Amd, I386, I486, ArmMidr, ArmSocId, LoongArch };

IdKind ProcessorIdKind(const FieldContext& c) {
    const std::uint64_t family = c.Resolved("processor.processor_family");
    const std::uint64_t dx = c.Resolved("processor.processor_id") & 0xFFFF;
    if (family == 0x05) return IdKind::I386;
    // An 80486 with CPUID: family 4, model 4 or from 7 on, stepping from 3 on.
    if (family == 0x06) {
        const bool cpuid = (dx & 0x0F00) == 0x0400 &&
                           ((dx & 0xF0) == 0x40 || (dx & 0xF0) >= 0x70) && (dx & 0xF) >= 3;
        return cpuid ? IdKind::Intel : IdKind::I486;
    }
    if (InRanges(family, {{0x100, 0x103}, {0x118, 0x119}})) {
        return c.Resolved("processor.processor_characteristics") & (1u << 9) ? IdKind::ArmSocId
                                                                             : IdKind::ArmMidr;
    }
    // Firmware of the Pentium III to Core 2 and Opteron years often gave such processors the
    // family Other or Unknown; these versions name processors that have CPUID (dmidecode 3.4
    // reads their ID the same way).
    if (family == 0x01 || family == 0x02) {
        const std::string version = c.RawString(c.Resolved("processor.processor_version"));
        const auto starts = [&](const char* prefix) { return version.rfind(prefix, 0) == 0; };
        if (starts("Pentium III MMX") || starts("Intel(R) Core(TM)2") ||
            starts("Intel(R) Pentium(R)") || version == "Genuine Intel(R) CPU U1400") {
            return IdKind::Intel;
        }
        if (starts("AMD Athlon(TM)") || starts("AMD Opteron(tm)") ||
            starts("Dual-Core AMD Opteron(tm)")) {
            return IdKind::Amd;
        }
    }
    if (IntelFamily(family)) return IdKind::Intel;
    if (InRanges(family, {{0x258, 0x262}, {0x26C, 0x271}})) return IdKind::LoongArch;
    return AmdFamily(family) ? IdKind::Amd : IdKind::None;
}

std::string Speed(std::uint64_t speed, std::uint64_t extended) {
    if (speed == 0xFFFF) return extended ? Printf("%llu MT/s", extended) : "Unknown";
    return speed ? Printf("%llu MT/s", speed) : "Unknown";
}

// The slot types of PCI Express, from the first generation to the sixth.
bool PciExpressSlot(std::uint64_t type) {
    return InRanges(type, {{0x1F, 0x23}, {0xA5, 0xB6}, {0xB8, 0xC4}});
}

std::string PciAddress(std::uint64_t segment, std::uint64_t bus, std::uint64_t function) {
    return Printf("%04llx:%02llx:%02llx.%llx", segment, bus, function >> 3, function & 0x7u);
}

// The range that a mapped address structure covers, in bytes: its starting and ending
// addresses in kB, or its extended ones when the starting address is FFFF FFFFh and the
// structure's Length holds them.
struct MappedRange {
    bool extended;
    std::uint64_t start;
    std::uint64_t end;
};

MappedRange Mapped(const FieldContext& c) {
    const std::string type = c.Type().key;
    const auto value = [&](const char* field) { return c.Resolved((type + field).c_str()); };
    const schema::FieldDef& last =
        *schema::FindField(c.Type(), (type + ".extended_ending_address").c_str());
    const std::uint64_t start = value(".starting_address");
    if (start == 0xFFFFFFFFu && c.Length() >= last.offset + last.width) {
        return {true, value(".extended_starting_address"), value(".extended_ending_address")};
    }
    return {false, start << 10, value(".ending_address") << 10 | 0x3FF};
}

// An address as dmidecode writes it: the extended ones in 16 digits and marked "k", the
// others in 11.
std::string MappedAddress(const MappedRange& range, std::uint64_t address) {
    return range.extended ? Printf("0x%016llXk", address) : Printf("0x%011llX", address);
}

// A fixed-point number of 16 bits, signed unless told, in units of 10^-`decimals` of the
// row's unit.
void Scaled(FieldContext& c, int decimals, double divisor, bool isSigned = true) {
    const std::uint64_t code = c.Value();
    const schema::FieldDef& row = c.Row();
    if (const char* special = SpecialText(row, code)) {
        c.Add(special, code);
        return;
    }
    char number[32];
    const double value = isSigned ? static_cast<std::int16_t>(code) : static_cast<double>(code);
    std::snprintf(number, sizeof number, "%.*f", decimals, value / divisor);
    c.Add(WithUnit(number, row.unit), code);
}

// `count` bytes from the current row's offset in hex, sixteen a line.
std::vector<std::string> ByteLines(const FieldContext& c, std::uint64_t count) {
    std::vector<std::string> lines;
    for (std::uint64_t i = 0; i < count; ++i) {
        if (i % 16 == 0) lines.emplace_back();
        lines.back() += Printf(i % 16 ? " %02llX" : "%02llX", c.Read(i, 1));
    }
    return lines;
}

}  // namespace

namespace formatters {

void BiosAddress(FieldContext& c) { c.Add(Printf("0x%04llX0", c.Value()), c.Value()); }

void BiosRuntimeSize(FieldContext& c) {
    const std::uint64_t runtime = (0x10000u - c.Value()) << 4;
    c.Add(runtime & 0x3FF ? Printf("%llu bytes", runtime) : Printf("%llu kB", runtime >> 10));
}

// 64 kB units up to FEh; FFh hands over to the extended size (MB or GB), 16 MB without one.
void BiosRomSize(FieldContext& c) {
    const std::uint64_t rom = c.Value();
    if (rom != 0xFF) {
        c.Add(MemorySize((rom + 1) << 6, 1), rom);
        return;
    }
    const std::uint64_t extended = c.HasPart() ? c.PartValue() : 16;
    const char* units[] = {"MB", "GB", kOutOfSpec, kOutOfSpec};
    c.Add(Printf("%llu ", extended & 0x3FFFu) + units[extended >> 14 & 3], extended);
}

// Bit 3 says that no other bit means anything; the extension bytes follow when present.
void BiosCharacteristics(FieldContext& c) {
    const schema::FieldDef& row = c.Row();
    const std::uint64_t characteristics = c.Value();
    std::vector<std::string> items;
    if (characteristics & (1u << 3)) {
        items.emplace_back(schema::FindName(row.names, 3)->text);
    } else {
        items = BitNames(row, characteristics);
    }
    for (unsigned part = 0; part < 2; ++part) {
        if (!c.HasPart(part)) continue;
        for (std::string& name : BitNames(c.Part(part), c.PartValue(part))) {
            items.push_back(std::move(name));
        }
    }
    Field& field = c.Add(items.empty() ? row.none : "", characteristics);
    field.items = std::move(items);
}

// Major and minor release, FFh in either for none.
void Release(FieldContext& c) {
    const std::uint64_t major = c.Value();
    const std::uint64_t minor = c.PartValue();
    if (major != 0xFF && minor != 0xFF) c.Add(Printf("%llu.%llu", major, minor));
}

// All FFh: not present; all 0: not settable. From 2.6 on the first three fields are
// little-endian.
void Uuid(FieldContext& c) {
    bool zeros = true;
    bool ones = true;
    std::uint8_t b[16];
    for (unsigned i = 0; i < 16; ++i) {
        b[i] = static_cast<std::uint8_t>(c.Read(i, 1));
        zeros = zeros && b[i] == 0x00;
        ones = ones && b[i] == 0xFF;
    }
    if (ones) {
        c.Add("Not Present");
        return;
    }
    if (zeros) {
        c.Add("Not Settable");
        return;
    }
    static const unsigned swapped[] = {3, 2, 1, 0, 5, 4, 7, 6};
    std::string text;
    for (unsigned i = 0; i < 16; ++i) {
        const unsigned from = c.Version() >= 0x0206 && i < 8 ? swapped[i] : i;
        text += Printf("%02llx", b[from]);
        if (i == 3 || i == 5 || i == 7 || i == 9) text += '-';
    }
    c.Add(text);
}

// Each element: a structure type (bit 7) or a board type, and its minimum and maximum count.
void ContainedElements(FieldContext& c) {
    const std::uint64_t count = c.Count();
    const std::uint64_t size = c.Stride();
    std::vector<std::string> elements;
    for (std::uint64_t i = 0; i < count && size >= 3; ++i) {
        const std::uint64_t at = i * size;
        const std::uint64_t element = c.Read(at, 1);
        const std::string kind =
            NameOf(element & 0x80 ? KSMBIOS_NAMES_STRUCTURE_TYPE : KSMBIOS_NAMES_BOARD_TYPE,
                   element & 0x7Fu);
        const std::uint64_t low = c.Read(at + 1, 1);
        const std::uint64_t high = c.Read(at + 2, 1);
        elements.push_back(
            kind + (low == high ? Printf(" (%llu)", low) : Printf(" (%llu-%llu)", low, high)));
    }
    c.Add(std::to_string(count), count).items = std::move(elements);
}

void ProcessorId(FieldContext& c) {
    std::string id;
    for (unsigned i = 0; i < 8; ++i) id += Printf(i ? " %02llX" : "%02llX", c.Read(i, 1));
    c.Add(id, c.Value());
}

void ProcessorSignature(FieldContext& c) {
    const std::uint64_t id = c.Resolved("processor.processor_id");
    const std::uint64_t eax = id & 0xFFFFFFFF;
    const std::uint64_t base = (eax >> 8) & 0xF;
    switch (ProcessorIdKind(c)) {
        case IdKind::Intel:
            c.Add(Printf("Type %llu, Family %llu, Model %llu, Stepping %llu", (eax >> 12) & 0x3,
                         ((eax >> 20) & 0xFF) + base, ((eax >> 12) & 0xF0) + ((eax >> 4) & 0x0F),
                         eax & 0xF));
            break;
        case IdKind::Amd:
            c.Add(Printf("Family %llu, Model %llu, Stepping %llu",
                         base + (base == 0xF ? (eax >> 20) & 0xFF : 0),
                         ((eax >> 4) & 0xF) | (base == 0xF ? (eax >> 12) & 0xF0 : 0), eax & 0xF));
            break;
        case IdKind::I386:
            c.Add(Printf("Type %llu, Family %llu, Major Stepping %llu, Minor Stepping %llu",
                         (eax >> 12) & 0xF, base, (eax >> 4) & 0xF, eax & 0xF));
            break;
        case IdKind::I486:
            c.Add(Printf("Type %llu, Family %llu, Model %llu, Stepping %llu", (eax >> 12) & 0x3,
                         base, (eax >> 4) & 0xF, eax & 0xF));
            break;
        case IdKind::ArmMidr:  // an ID of zeros says nothing
            if (eax != 0) {
                c.Add(
                    Printf("Implementor 0x%02llx, Variant 0x%llx, ", eax >> 24, (eax >> 20) & 0xF) +
                    Printf("Architecture %llu, Part 0x%03llx, Revision %llu", (eax >> 16) & 0xF,
                           (eax >> 4) & 0xFFF, eax & 0xF));
            }
            break;
        case IdKind::ArmSocId:
            // The JEP-106 bank and manufacturer codes of the SoC's maker, its own ID, its revision.
            c.Add(Printf("JEP-106 Bank 0x%02llx Manufacturer 0x%02llx, ", (eax >> 24) & 0x7F,
                         (eax >> 16) & 0x7F) +
                  Printf("SoC ID 0x%04llx, SoC Revision 0x%08llx", eax & 0xFFFF, id >> 32));
            break;
        case IdKind::LoongArch:
            c.Add(Printf("Processor Identity 0x%08llx", eax));
            break;
        case IdKind::None:
            break;
    }
}

void ProcessorIdFlags(FieldContext& c) {
    const IdKind kind = ProcessorIdKind(c);
    if (kind != IdKind::Intel && kind != IdKind::Amd) return;
    const std::uint64_t edx = c.Value();
    std::vector<std::string> items;
    if ((edx & 0xBFEFFBFF) != 0) items = BitNames(c.Row(), edx);
    Field& field = c.Add(items.empty() ? c.Row().none : "", edx);
    field.items = std::move(items);
}

// Bit 7: the voltage in tenths of a volt; otherwise bits 2:0 name the voltages supported.
void ProcessorVoltage(FieldContext& c) {
    const std::uint64_t code = c.Value();
    if (code & 0x80) {
        char text[16];
        std::snprintf(text, sizeof text, "%.1f V", static_cast<double>(code & 0x7F) / 10.0);
        c.Add(text, code);
        return;
    }
    if ((code & 0x07) == 0) {
        c.Add("Unknown", code);
        return;
    }
    static const char* const levels[] = {"5.0 V", "3.3 V", "2.9 V"};
    std::string text;
    for (unsigned i = 0; i < 3; ++i) {
        if (code & (1u << i)) text += (text.empty() ? "" : " ") + std::string(levels[i]);
    }
    c.Add(text, code);
}

void ProcessorStatus(FieldContext& c) {
    const std::uint64_t status = c.Value();
    c.Add(status & 0x40 ? "Populated, " + NameOf(c.Row().names, status & 0x07u) : "Unpopulated",
          status);
}

// FFFFh: no cache of that level; from 2.3 on, that the handle is not provided.
void CacheHandle(FieldContext& c) {
    const std::uint64_t handle = c.Value();
    if (handle != 0xFFFF) {
        c.Add(Hex4(handle), handle);
    } else if (c.Version() >= 0x0203) {
        c.Add("Not Provided", handle);
    } else {
        const std::string label = c.Row().label;
        c.Add("No " + label.substr(0, label.find(' ')) + " Cache", handle);
    }
}

// The slot's type after its data bus width, the part that follows, as dmidecode words a width
// there: "x16 PCI Express 3" for 16x or x16, "8-bit ISA" for 8 bit; nothing for Other and Unknown.
void SlotType(FieldContext& c) {
    const std::uint64_t type = c.Value();
    const std::uint64_t width = c.PartValue();
    std::string prefix =
        width == 0x01 || width == 0x02 ? "" : NameOf(KSMBIOS_NAMES_SLOT_WIDTH, width) + " ";
    const std::size_t alternative = prefix.find(" or ");
    if (alternative != std::string::npos) prefix.erase(0, alternative + 4);
    const std::size_t bits = prefix.find(" bit ");
    if (bits != std::string::npos) prefix[bits] = '-';
    c.Add(prefix + NameOf(c.Row().names, type), type | width << 8);
}

// A plain number for MCA, EISA, PCI, AGP, PCI-X and PCI Express slots; adapter and socket for
// PC Card slots; nothing for the others.
void SlotId(FieldContext& c) {
    const std::uint64_t type = c.Resolved("system_slot.slot_type");
    if (InRanges(type, {{0x04, 0x06}, {0x0E, 0x13}}) || PciExpressSlot(type)) {
        c.Add(std::to_string(c.Read(0, 1)), c.Value());
    } else if (type == 0x07) {
        c.Add(Printf("Adapter %llu, Socket %llu", c.Read(0, 1), c.Read(1, 1)), c.Value());
    }
}

// Bit 0 of the first byte: the characteristics are unknown.
void SlotCharacteristics(FieldContext& c) {
    const std::uint64_t first = c.Value();
    const std::uint64_t second = c.HasPart() ? c.PartValue() : 0;
    std::vector<std::string> items = BitNames(c.Row(), first);
    for (std::string& name : BitNames(c.Part(), second)) items.push_back(std::move(name));
    if (first & 1u) items.clear();
    Field& field =
        c.Add(items.empty() ? (first & 1u ? "Unknown" : c.Row().none) : "", first | second << 8);
    field.items = std::move(items);
}

// Segment, bus, device and function; all FFh for none.
void BusAddress(FieldContext& c) {
    const std::uint64_t segment = c.Value();
    const std::uint64_t bus = c.PartValue(0);
    const std::uint64_t function = c.PartValue(1);
    if (segment == 0xFFFF && bus == 0xFF && function == 0xFF) return;
    c.Add(PciAddress(segment, bus, function));
}

// Only a PCI Express slot's information is its generation; 0 says nothing.
void PciExpressGeneration(FieldContext& c) {
    const std::uint64_t generation = c.Value();
    if (generation != 0 && PciExpressSlot(c.Resolved("system_slot.slot_type"))) {
        c.Add(std::to_string(generation), generation);
    }
}

// Each peer: its bus address and its width, a field of its own.
void PeerDevices(FieldContext& c) {
    const std::uint64_t peers = c.Count();
    for (std::uint64_t i = 0; i < peers; ++i) {
        const std::uint64_t at = i * c.Stride();
        Field& field = c.Add(PciAddress(c.Read(at, 2), c.Read(at + 2, 1), c.Read(at + 3, 1)) +
                             Printf(" (Width %llu)", c.Read(at + 4, 1)));
        field.label += " " + std::to_string(i + 1);
    }
}

// Strings 1 to the count, each a field of its own.
void OemStrings(FieldContext& c) {
    const std::uint64_t count = c.Value();
    for (std::uint64_t i = 1; i <= count; ++i) {
        c.Add(c.String(i), i).label += " " + std::to_string(i);
    }
}

void MaximumCapacity(FieldContext& c) {
    const std::uint64_t capacity = c.Value();
    if (capacity != 0x80000000u) {
        c.Add(MemorySize(capacity, 1), capacity);
    } else if (!c.HasPart()) {
        c.Add("Unknown", capacity);
    } else {
        c.Add(MemorySize(c.PartValue(), 0), c.PartValue());
    }
}

void MemoryDeviceSize(FieldContext& c) {
    const std::uint64_t size = c.Value();
    if (c.HasPart() && size == 0x7FFF) {
        const std::uint64_t extended = c.PartValue() & 0x7FFFFFFFu;
        if (extended & 0x3FFu) {
            c.Add(Printf("%llu MB", extended), extended);
        } else if (extended & 0xFFC00u) {
            c.Add(Printf("%llu GB", extended >> 10), extended);
        } else {
            c.Add(Printf("%llu TB", extended >> 20), extended);
        }
        return;
    }
    if (size == 0) {
        c.Add("No Module Installed", size);
    } else if (size == 0xFFFF) {
        c.Add("Unknown", size);
    } else {
        c.Add(MemorySize(size & 0x8000u ? size & 0x7FFFu : (size & 0x7FFFu) << 10, 1), size);
    }
}

void MemorySpeed(FieldContext& c) {
    c.Add(Speed(c.Value(), c.HasPart() ? c.PartValue() : 0), c.Value());
}

// The names of the bits set, on one line.
void NamesOnOneLine(FieldContext& c) {
    const std::uint64_t bits = c.Value();
    std::string names;
    for (const std::string& name : BitNames(c.Row(), bits)) {
        names += (names.empty() ? "" : " ") + name;
    }
    c.Add(names.empty() ? c.Row().none : names, bits);
}

void Rank(FieldContext& c) {
    const std::uint64_t rank = c.Value() & 0x0F;
    c.Add(rank ? std::to_string(rank) : "Unknown", c.Value());
}

void Millivolts(FieldContext& c) {
    const std::uint64_t millivolts = c.Value();
    if (millivolts == 0) {
        c.Add("Unknown", millivolts);
        return;
    }
    char text[32];
    std::snprintf(text, sizeof text, millivolts % 100 ? "%g V" : "%.1f V",
                  static_cast<double>(millivolts) / 1000.0);
    c.Add(text, millivolts);
}

void MappedStart(FieldContext& c) {
    const MappedRange range = Mapped(c);
    c.Add(MappedAddress(range, range.start), c.Value());
}

void MappedEnd(FieldContext& c) {
    const MappedRange range = Mapped(c);
    c.Add(MappedAddress(range, range.end), c.Value());
}

// Ending less starting address, plus one; none is shown as invalid (in kB, the 32-bit count
// wraps to 0 for the whole 4 TB).
void MappedSize(FieldContext& c) {
    const MappedRange range = Mapped(c);
    if (range.extended) {
        c.Add(range.start == range.end ? "Invalid" : MemorySize(range.end - range.start + 1, 0));
        return;
    }
    const std::uint64_t kilobytes = ((range.end >> 10) - (range.start >> 10) + 1) & 0xFFFFFFFFu;
    c.Add(kilobytes == 0 ? "Invalid" : MemorySize(kilobytes, 1), kilobytes);
}

// mWh, times the multiplier when the structure has one; 0 is unknown.
void BatteryCapacity(FieldContext& c) {
    const std::uint64_t capacity = c.Value();
    if (capacity == 0) {
        c.Add("Unknown", capacity);
        return;
    }
    c.Add(Printf("%llu mWh", capacity * (c.HasPart() ? c.PartValue() : 1)), capacity);
}

// The row's bytes in hex, in the order the table holds them: a number written MSB first.
void BytesInOrder(FieldContext& c) {
    std::string text = "0x";
    for (unsigned i = 0; i < c.Row().width; ++i) text += Printf("%02llX", c.Read(i, 1));
    c.Add(text, c.Value());
}

// Hex digits without a prefix.
void HexDigits(FieldContext& c) {
    c.Add(Printf("%0*llX", c.Row().width * 2u, c.Value()), c.Value());
}

void SbdsDate(FieldContext& c) {
    const std::uint64_t date = c.Value();
    c.Add(Printf("%llu-%02llu-%02llu", 1980 + (date >> 9), (date >> 5) & 0x0F, date & 0x1F), date);
}

// Each part as two BCD digits inside its range, or "*".
void PowerOnTime(FieldContext& c) {
    static const struct {
        unsigned low, high;
        const char* after;
    } parts[] = {{1, 12, "-"}, {1, 31, " "}, {0, 23, ":"}, {0, 59, ":"}, {0, 59, ""}};
    std::string text;
    for (unsigned i = 0; i < 5; ++i) {
        const std::uint64_t bcd = i == 0 ? c.Value() : c.PartValue(i - 1);
        const std::uint64_t value = (bcd >> 4) * 10 + (bcd & 0x0F);
        const bool valid =
            (bcd >> 4) <= 9 && (bcd & 0x0F) <= 9 && value >= parts[i].low && value <= parts[i].high;
        text += (valid ? Printf("%02llX", bcd) : "*") + parts[i].after;
    }
    c.Add(text);
}

// Signed: a probe's readings. Unsigned: a probe's resolution and accuracy, a slot's pitch.
void Milli(FieldContext& c) { Scaled(c, 3, 1000.0); }
void Deci(FieldContext& c) { Scaled(c, 1, 10.0); }
void Thousandths(FieldContext& c) { Scaled(c, 3, 1000.0, false); }
void Tenths(FieldContext& c) { Scaled(c, 1, 10.0, false); }
void Hundredths(FieldContext& c) { Scaled(c, 2, 100.0, false); }

// Whether the structure's bytes, from its header on, add up to 0.
void StructureChecksum(FieldContext& c) {
    std::uint64_t sum = 0;
    // Read counts from the row's offset: a count below it wraps back to the header's bytes.
    for (std::uint64_t i = 0; i < c.Length(); ++i) sum += c.Read(i - c.Row().offset, 1);
    c.Add((sum & 0xFF) == 0 ? "OK" : "Invalid", c.Value());
}

// A real-mode address: the segment in the high word, the offset in the low one.
void SegmentOffset(FieldContext& c) {
    const std::uint64_t address = c.Value();
    c.Add(Printf("%04llX:%04llX", address >> 16, address & 0xFFFF), address);
}

// 128 to 191 are for the vendor's own use, 192 to 255 for the product's.
void BootStatus(FieldContext& c) {
    const std::uint64_t status = c.Value();
    if (status >= 192) {
        c.Add("Product-specific", status);
    } else if (status >= 128) {
        c.Add("OEM-specific", status);
    } else {
        c.Add(NameOf(c.Row().names, status), status);
    }
}

// A two's complement number of the row's width, with the row's unit.
void Signed(FieldContext& c) {
    const std::uint64_t value = c.Value();
    const unsigned bits = 8u * c.Row().width;
    const std::uint64_t sign = 1ull << (bits - 1);
    const long long number =
        static_cast<long long>(value & (sign - 1)) - static_cast<long long>(value & sign);
    std::string text = std::to_string(number);
    if (c.Row().unit != nullptr) text += std::string(" ") + c.Row().unit;
    c.Add(text, value);
}

// A version in the byte's two nibbles: 51h is 5.1.
void NibblePair(FieldContext& c) {
    c.Add(Printf("%llu.%llu", c.Value() >> 4, c.Value() & 0xFu), c.Value());
}

void LowerHex(FieldContext& c) { c.Add(Printf("0x%02llx", c.Value()), c.Value()); }

void NvStorageDevice(FieldContext& c) {
    if (c.Value() != 0xFF) {
        c.Add(std::to_string(c.Value()), c.Value());
        return;
    }
    Field& field = c.Add("Not Present", c.Value());
    field.label = "NV Storage Device";
}

// SSIF: the SMBus target address in bits 7:1. Otherwise bit 0, with the modifier's bit 4 as
// its value where the Length holds it, says I/O space (1) or memory.
void IpmiBaseAddress(FieldContext& c) {
    const std::uint64_t address = c.Value();
    if (c.Resolved("ipmi_device.interface_type") == 4) {
        c.Add(Printf("0x%02llX (SMBus)", (address & 0xFFu) >> 1), address);
        return;
    }
    const std::uint64_t lowest = c.HasPart() ? c.PartValue() : 0;
    const std::uint64_t shown = (address & ~1ull) | lowest;
    c.Add(Printf("0x%08llX%08llX ", shown >> 32, shown & 0xFFFFFFFFu) +
              (address & 1u ? "(I/O)" : "(Memory-mapped)"),
          address);
}

void IpmiModifier(FieldContext& c) {
    if (c.Resolved("ipmi_device.interface_type") == 4) return;
    const std::uint64_t bits = c.Value();
    c.Add(NameOf(c.Row().names, bits >> 6), bits);
    if ((bits & 0x08u) == 0) return;
    c.Add(bits & 0x02u ? "Active High" : "Active Low").label = "Interrupt Polarity";
    c.Add(bits & 0x01u ? "Level" : "Edge").label = "Interrupt Trigger Mode";
}

// Bit 1: present; bits 9:7 the status.
void PowerSupplyStatus(FieldContext& c) {
    const std::uint64_t bits = c.Value();
    c.Add(bits & 0x2u ? "Present, " + NameOf(c.Row().names, bits >> 7 & 0x7u) : "Not Present",
          bits);
}

// The whole formatted area.
void HeaderAndData(FieldContext& c) { c.Add("").items = ByteLines(c, c.Length()); }

// An array of bytes.
void HexLines(FieldContext& c) { c.Add("").items = ByteLines(c, c.Count()); }

// Every string of the set, one a line; nothing without strings.
void StringSet(FieldContext& c) {
    const unsigned count = c.StringCount();
    if (count == 0) return;
    std::vector<std::string> strings;
    for (unsigned i = 1; i <= count; ++i) strings.push_back(c.String(i));
    c.Add("").items = std::move(strings);
}

// Every string of the set as its bytes, sixteen a line with its terminating zero, then as text.
void StringBytes(FieldContext& c) {
    const unsigned count = c.StringCount();
    if (count == 0) return;
    std::vector<std::string> lines;
    for (unsigned i = 1; i <= count; ++i) {
        const std::string bytes = c.RawString(i) + '\0';
        for (std::size_t at = 0; at < bytes.size(); ++at) {
            if (at % 16 == 0) lines.emplace_back();
            lines.back() +=
                Printf(at % 16 ? " %02llX" : "%02llX", static_cast<unsigned char>(bytes[at]));
        }
        lines.push_back(c.String(i));
    }
    c.Add("").items = std::move(lines);
}

// Each device: its load and its handle, two fields of their own.
void MemoryChannelDevices(FieldContext& c) {
    const std::uint64_t devices = c.Count();
    for (std::uint64_t i = 0; i < devices; ++i) {
        const std::uint64_t at = i * c.Stride();
        const std::string device = c.Row().label + (" " + std::to_string(i + 1));
        c.Add(std::to_string(c.Read(at, 1))).label = device + " Load";
        c.Add(Hex4(c.Read(at + 1, 2))).label = device + " Handle";
    }
}

// Each entry a field of its own: the field it names, its string and its value. An entry that
// is too short, or runs past the Length, ends the list.
void AdditionalInformation(FieldContext& c) {
    const std::uint64_t entries = c.Resolved("additional_information.entry_count");
    const std::uint64_t first = c.Row().offset;
    std::uint64_t at = 0;
    for (std::uint64_t i = 0; i < entries; ++i) {
        const std::uint64_t size = c.Read(at, 1);
        std::vector<std::string> lines;
        const bool whole = size >= 5 && first + at + size <= c.Length();
        if (whole) {
            lines.push_back("Referenced Handle: " + Hex4(c.Read(at + 1, 2)));
            lines.push_back(Printf("Referenced Offset: 0x%02llx", c.Read(at + 3, 1)));
            lines.push_back("String: " + c.String(c.Read(at + 4, 1)));
            const std::uint64_t width = size - 5;
            lines.push_back(width == 1   ? Printf("Value: 0x%02llx", c.Read(at + 5, 1))
                            : width == 2 ? Printf("Value: 0x%04llx", c.Read(at + 5, 2))
                            : width == 4 ? Printf("Value: 0x%08llx", c.Read(at + 5, 4))
                                         : "Value: Unexpected size");
        }
        Field& field = c.Add("");
        field.label += " " + std::to_string(i + 1);
        field.items = std::move(lines);
        if (!whole) return;
        at += size;
    }
}

// Characters up to the first NUL, others than printable ASCII as dots.
void VendorText(FieldContext& c) {
    std::string text;
    for (unsigned i = 0; i < c.Row().width; ++i) {
        const auto byte = static_cast<char>(c.Read(i, 1));
        if (byte == '\0') break;
        text += byte >= 32 && byte < 127 ? byte : '.';
    }
    c.Add(text, c.Value());
}

// Major and minor, the minor the part that follows.
void DottedPair(FieldContext& c) { c.Add(Printf("%llu.%llu", c.Value(), c.PartValue())); }

// TPM 1.2: the revision bytes of its version structure; TPM 2.0: two words.
void TpmFirmware(FieldContext& c) {
    const std::uint64_t major = c.Resolved("tpm_device.major_spec_version");
    const std::uint64_t version = c.Value();
    if (major == 1) {
        c.Add(Printf("%llu.%llu", c.Read(2, 1), c.Read(3, 1)), version);
    } else if (major == 2) {
        c.Add(Printf("%llu.%llu", version >> 16, version & 0xFFFFu), version);
    }
}

void TpmCharacteristics(FieldContext& c) {
    const schema::FieldDef& row = c.Row();
    const std::uint64_t bits = c.Value();
    std::vector<std::string> items;
    if (bits & (1u << 2)) {
        items.emplace_back(ksmbios_name(row.names, 2));
    } else {
        items = BitNames(row, bits);
    }
    Field& field = c.Add(items.empty() ? row.none : "", bits);
    field.items = std::move(items);
}

// A size in bytes, or one of the row's special values.
void ByteSize(FieldContext& c) {
    const std::uint64_t size = c.Value();
    const char* special = SpecialText(c.Row(), size);
    c.Add(special != nullptr ? special : MemorySize(size, 0), size);
}

// Every named bit, set or not: "Updatable: Yes".
void YesNoBits(FieldContext& c) {
    const schema::FieldDef& row = c.Row();
    const std::uint64_t bits = c.Value();
    std::vector<std::string> items;
    for (unsigned bit = row.firstBit; bit <= row.lastBit; ++bit) {
        items.push_back(NameOf(row.names, bit) + (bits >> bit & 1u ? ": Yes" : ": No"));
    }
    c.Add("", bits).items = std::move(items);
}

// The IDs from 8000h on are the BIOS vendor's, from C000h on the OEM's.
void StringPropertyId(FieldContext& c) {
    const std::uint64_t id = c.Value();
    if (id >= 0xC000) {
        c.Add(Printf("OEM-specific (0x%04llX)", id), id);
    } else if (id >= 0x8000) {
        c.Add(Printf("BIOS vendor-specific (0x%04llX)", id), id);
    } else {
        c.Add(NameOf(c.Row().names, id), id);
    }
}

// A network interface (40h): its device type (80h and up the OEM's) and the IDs of a USB or PCI
// device, then the ID of each protocol record that follows the data (a count, then records of a
// type, a length and that many bytes) as far as the Length holds them whole.
void HostInterfaceData(FieldContext& c) {
    if (c.Resolved("host_interface.interface_type") != 0x40 || c.Count() == 0) return;
    const std::uint64_t device = c.Read(0, 1);
    c.Add(device >= 0x80 ? "OEM" : NameOf(c.Row().names, device), device);
    static const char* const usb[] = {"idVendor", "idProduct"};
    static const char* const pci[] = {"VendorID", "DeviceID", "SubVendorID", "SubDeviceID"};
    const unsigned ids = device == 2 ? 2 : device == 3 ? 4 : 0;
    for (unsigned i = 0; i < ids && 1 + 2 * ids <= c.Count(); ++i) {
        c.Add(Printf("0x%04llx", c.Read(1 + 2 * i, 2))).label = device == 2 ? usb[i] : pci[i];
    }
    const std::uint64_t records = c.Count();
    const std::uint64_t count = c.Read(records, 1);
    std::uint64_t at = records + 1;
    for (std::uint64_t i = 0; i < count; ++i) {
        const std::uint64_t end = at + 2 + c.Read(at + 1, 1);
        if (c.Row().offset + end > c.Length()) return;
        const std::uint64_t protocol = c.Read(at, 1);
        c.Add(Printf("%02llx (", protocol) +
              NameOf(KSMBIOS_NAMES_HOST_INTERFACE_PROTOCOL, protocol) + ")")
            .label = "Protocol ID";
        at = end;
    }
}

// 2^n MB; a view of the same byte multiplies it by the number of memory slots.
void PowerOfTwoMegabytes(FieldContext& c) {
    const std::uint64_t power = c.Value();
    std::uint64_t times = 1;
    if (c.Row().view) times = c.Resolved("memory_controller.number_of_associated_memory_slots");
    c.Add(power < 64 ? Printf("%llu MB", times << power) : Printf("2^%llu MB", power), power);
}

// Bits 7:4 and 3:0 each a RAS line; Fh for none.
void BankConnections(FieldContext& c) {
    const std::uint64_t banks = c.Value();
    std::string text;
    for (const std::uint64_t bank : {banks >> 4, banks & 0xFu}) {
        if (bank != 0xF) text += (text.empty() ? "" : " ") + std::to_string(bank);
    }
    c.Add(text.empty() ? "None" : text, banks);
}

// Bits 6:0: 2^n MB, or 7Dh to 7Fh for what is not known; bit 7: both banks are connected.
void ModuleSize(FieldContext& c) {
    const std::uint64_t size = c.Value();
    const std::uint64_t power = size & 0x7F;
    if (power == 0x7F) {
        c.Add("Not Installed", size);
        return;
    }
    const std::string banks =
        size & 0x80 ? " (Double-bank Connection)" : " (Single-bank Connection)";
    if (power == 0x7D || power == 0x7E) {
        c.Add((power == 0x7D ? "Not Determinable" : "Disabled") + banks, size);
    } else {
        c.Add((power < 64 ? Printf("%llu MB", 1ull << power) : Printf("2^%llu MB", power)) + banks,
              size);
    }
}

void CacheConfiguration(FieldContext& c) {
    const std::uint64_t configuration = c.Value();
    c.Add(std::string(configuration & 0x80 ? "Enabled" : "Disabled") +
              (configuration & 0x08 ? ", Socketed" : ", Not Socketed") +
              Printf(", Level %llu", (configuration & 0x07) + 1),
          configuration);
}

// The 32-bit size when the structure holds it (bit 31 for 64K units), else the 16-bit one (bit
// 15); shown in kB or a larger unit.
void CacheSize(FieldContext& c) {
    const bool wide = c.HasPart();
    const std::uint64_t size = wide ? c.PartValue() : c.Value();
    const unsigned granularity = wide ? 31 : 15;
    const std::uint64_t units = size & ((1ull << granularity) - 1);
    c.Add(MemorySize(size >> granularity & 1u ? units << 6 : units, 1), size);
}

// Each device: its type, status and description, three fields.
void OnBoardDevices(FieldContext& c) {
    for (std::uint64_t i = 0; i < c.Count(); ++i) {
        const std::uint64_t at = i * c.Stride();
        const std::uint64_t device = c.Read(at, 1);
        const std::uint64_t description = c.Read(at + 1, 1);
        const auto place = static_cast<std::uint8_t>(c.Row().offset + at);
        c.Add(NameOf(c.Row().names, device & 0x7Fu), device & 0x7Fu).offset = place;
        Field& status = c.Add(SpecialText(c.Row(), device >> 7), device >> 7);
        status.label = "Status";
        status.offset = place;
        Field& text = c.Add(c.String(description), description);
        text.label = "Description";
        text.offset = static_cast<std::uint8_t>(place + 1);
    }
}

void LanguageFormat(FieldContext& c) {
    if (c.Version() >= 0x0201) c.Add(NameOf(c.Row().names, c.Value()), c.Value());
}

// The count, and the strings 1 to the count as its lines.
void StringList(FieldContext& c) {
    const std::uint64_t count = c.Value();
    std::vector<std::string> strings;
    for (std::uint64_t i = 1; i <= count; ++i) strings.push_back(c.String(i));
    c.Add(std::to_string(count), count).items = std::move(strings);
}

// Each item: its handle and the name of its structure type.
void GroupItems(FieldContext& c) {
    const std::uint64_t count = c.Count();
    std::vector<std::string> items;
    for (std::uint64_t i = 0; i < count; ++i) {
        const std::uint64_t at = i * c.Stride();
        items.push_back(Hex4(c.Read(at + 1, 2)) + " (" + NameOf(c.Row().names, c.Read(at, 1)) +
                        ")");
    }
    c.Add(std::to_string(count), count).items = std::move(items);
}

// From the header's start to the data's; a header that starts after the data (a broken table)
// shows its negative length as 32 bits, in the singular, as dmidecode does.
void EventLogHeaderLength(FieldContext& c) {
    const auto length =
        static_cast<std::int64_t>(c.Resolved("system_event_log.log_data_start_offset") - c.Value());
    const std::uint64_t shown = static_cast<std::uint64_t>(length) & 0xFFFFFFFFu;
    if (length != 0) c.Add(Printf(length > 1 ? "%llu bytes" : "%llu byte", shown), shown);
}

// Two I/O ports (index, data) for the indexed methods, a physical address, or a handle for the
// non-volatile data functions.
void EventLogAddress(FieldContext& c) {
    const std::uint64_t method = c.Resolved("system_event_log.access_method");
    const std::uint64_t address = c.Value();
    if (method <= 2) {
        c.Add(Printf("Index 0x%04llX, Data 0x%04llX", address & 0xFFFFu, address >> 16), address);
    } else if (method == 3) {
        c.Add(Printf("0x%08llX", address), address);
    } else if (method == 4) {
        c.Add(Hex4(address & 0xFFFFu), address);
    } else {
        c.Add("Unknown", address);
    }
}

// Each descriptor: its log type and the format of its data, two numbered fields.
void EventLogDescriptors(FieldContext& c) {
    const std::uint64_t count = c.Count();
    for (std::uint64_t i = 0; i < count; ++i) {
        const std::uint64_t at = i * c.Stride();
        const std::string number = " " + std::to_string(i + 1);
        const std::uint64_t type = c.Read(at, 1);
        const std::uint64_t format = c.Read(at + 1, 1);
        c.Add(NameOf(c.Row().names, type), type).label += number;
        Field& data = c.Add(NameOf(KSMBIOS_NAMES_EVENT_LOG_DATA_FORMAT, format), format);
        data.label = "Data Format" + number;
    }
}

// A JEDEC JEP-106 maker: its bank (bits 6:0 of the first byte, less one) and its code in that
// bank; 0 for none.
void JedecId(FieldContext& c) {
    const std::uint64_t id = c.Value();
    c.Add(id == 0 ? "Unknown" : Printf("Bank %llu, Hex 0x%02llX", (id & 0x7F) + 1, id >> 8), id);
}

}  // namespace formatters

}  // namespace kelvo::shared::smbios::detail
