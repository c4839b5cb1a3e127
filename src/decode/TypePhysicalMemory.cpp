#include <smbios/TypePhysicalMemory.h>

#include "decode/Decoders.h"

namespace kelvo::shared::smbios {

// The record owns no memory: copies are member-wise and destruction releases nothing.

TypePhysicalMemory::SMBios_2_1::SMBios_2_1()
    : Location(0),
      Use(0),
      MemoryErrorCorrection(0),
      MaximumCapacity(0),
      MemoryErrorInformationHandle(0),
      NumberOfMemoryDevices(0) {}
TypePhysicalMemory::SMBios_2_1::SMBios_2_1(const SMBios_2_1& other) = default;
TypePhysicalMemory::SMBios_2_1& TypePhysicalMemory::SMBios_2_1::operator=(const SMBios_2_1& other) =
    default;
TypePhysicalMemory::SMBios_2_1::~SMBios_2_1() = default;

TypePhysicalMemory::SMBios_2_7::SMBios_2_7() : ExtendedMaximumCapacity(0) {}
TypePhysicalMemory::SMBios_2_7::SMBios_2_7(const SMBios_2_7& other) = default;
TypePhysicalMemory::SMBios_2_7& TypePhysicalMemory::SMBios_2_7::operator=(const SMBios_2_7& other) =
    default;
TypePhysicalMemory::SMBios_2_7::~SMBios_2_7() = default;

TypePhysicalMemory::TypePhysicalMemory() = default;
TypePhysicalMemory::TypePhysicalMemory(const TypePhysicalMemory& other) = default;
TypePhysicalMemory& TypePhysicalMemory::operator=(const TypePhysicalMemory& other) = default;
TypePhysicalMemory::~TypePhysicalMemory() = default;

namespace pimpl {

void DecodePhysicalMemory(ParseState& state, FieldCursor& fields) {
    // The structure type exists from 2.1 on; in a 2.0 table the record keeps its defaults.
    if (state.version < SMBiosSpecVersion::V2_1) return;
    TypePhysicalMemory& record = state.current.physicalMemory;

    TypePhysicalMemory::SMBios_2_1& v21 = record.V2_1;
    v21.Location = fields.Byte();
    v21.Use = fields.Byte();
    v21.MemoryErrorCorrection = fields.Byte();
    v21.MaximumCapacity = fields.Dword();
    v21.MemoryErrorInformationHandle = fields.Word();
    v21.NumberOfMemoryDevices = fields.Word();

    if (state.version >= SMBiosSpecVersion::V2_7) {
        record.V2_7.ExtendedMaximumCapacity = fields.Qword();
    }
}

}  // namespace pimpl
}  // namespace kelvo::shared::smbios
