#include <smbios/TypeSystemEnclosure.h>

#include <cstddef>
#include <cstring>

#include "decode/FieldOperations.h"
#include "decode/RecordDecoder.h"
#include "schema/Names.h"

namespace kelvo::shared::smbios {

namespace {

// A fresh copy of a contained elements block of `size` bytes, or null when there is none.
// Allocation failure throws.
std::uint8_t* CopyBlock(const std::uint8_t* source, std::size_t size) {
    if (source == nullptr) return nullptr;
    std::uint8_t* copy = new std::uint8_t[size];
    if (size != 0) std::memcpy(copy, source, size);
    return copy;
}

std::size_t BlockSize(const TypeSystemEnclosure::SMBios_2_3& block) {
    return static_cast<std::size_t>(block.ContainedElementCount) *
           block.ContainedElementRecordLength;
}

// The name of a chassis type that the standard does not list (00h among them).
constexpr const char* kInvalidChassisType = "Invalid";

constexpr std::uint8_t kChassisLockBit = 0x80;

}  // namespace

TypeSystemEnclosure::SMBios_2_1::SMBios_2_1() { detail::InitFields(*this); }

// The contained elements are copied whole, before anything else changes: if that allocation
// throws, the record is left as it was.
TypeSystemEnclosure::SMBios_2_3::SMBios_2_3() { detail::InitFields(*this); }

TypeSystemEnclosure::SMBios_2_3::SMBios_2_3(const SMBios_2_3& other)
    : ContainedElements(CopyBlock(other.ContainedElements, BlockSize(other))) {
    detail::CopyFields(*this, other);
}

TypeSystemEnclosure::SMBios_2_3& TypeSystemEnclosure::SMBios_2_3::operator=(
    const SMBios_2_3& other) {
    if (this == &other) return *this;
    std::uint8_t* block = CopyBlock(other.ContainedElements, BlockSize(other));
    detail::AssignFields(*this, other);
    delete[] ContainedElements;
    ContainedElements = block;
    return *this;
}

TypeSystemEnclosure::SMBios_2_3::~SMBios_2_3() { detail::ReleaseFields(*this); }

KELVO_DESCRIBED_MEMBERS(TypeSystemEnclosure::SMBios_2_7, SMBios_2_7)
KELVO_DESCRIBED_MEMBERS(TypeSystemEnclosure, TypeSystemEnclosure,
                        : V2_1(other.V2_1), V2_3(other.V2_3), V2_7(other.V2_7))

const char* TypeSystemEnclosure::GetEnclosureName() {
    const std::uint8_t code = ChassisType & static_cast<std::uint8_t>(~kChassisLockBit);
    const schema::Name* name = schema::FindName(KSMBIOS_NAMES_CHASSIS_TYPE, code);
    if (name == nullptr) return kInvalidChassisType;
    return name->record != nullptr ? name->record : name->text;
}

namespace detail {

// The SKU number follows the contained element records, at 15h + count * record length. Read by
// version, the records are not kept; read within the Length, they are.
void DecodeSpecial(const StructureReader& s, TypeSystemEnclosure& record) {
    TypeSystemEnclosure::SMBios_2_3& v23 = record.V2_3;
    const std::size_t elements = BlockSize(v23);
    if (s.withinLength && elements != 0 && s.Admits(0x0203, 0x15, elements)) {
        v23.ContainedElements = new std::uint8_t[elements];
        for (std::size_t i = 0; i < elements; ++i) {
            v23.ContainedElements[i] = s.Read<std::uint8_t>(0x15 + i);
        }
    }
    const std::uint64_t sku = 0x15 + elements;
    if (s.Admits(0x0207, sku, 1)) {
        record.V2_7.SKUNumberStringNumber = s.Read<std::uint8_t>(sku);
        SetText(record.V2_7.SKUNumber, s.String(record.V2_7.SKUNumberStringNumber));
    }
}

}  // namespace detail
}  // namespace kelvo::shared::smbios
