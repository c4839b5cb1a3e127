#include <smbios/TypeBaseboard.h>

#include "decode/Decoders.h"
#include "decode/OwnedString.h"

namespace kelvo::shared::smbios {

using pimpl::AssignString;
using pimpl::DuplicateString;
using pimpl::ReleaseString;

TypeBaseboard::TypeBaseboard()
    : ManufacturerStringNumber(0),
      Manufacturer(DuplicateString("")),
      ProductStringNumber(0),
      Product(DuplicateString("")),
      VersionStringNumber(0),
      Version(DuplicateString("")),
      SerialNumberStringNumber(0),
      SerialNumber(DuplicateString("")),
      AssetTagStringNumber(0),
      AssetTag(DuplicateString("")),
      FeatureFlags(0),
      LocationInChassisStringNumber(0),
      LocationInChassis(DuplicateString("")),
      ChassisHandle(0),
      BoardType(0),
      NumberOfContainedObjectHandles(0),
      ContainedObjectHandles(nullptr) {}

// A full copy; the handle pointer is copied as it is and still points into the table.
TypeBaseboard::TypeBaseboard(const TypeBaseboard& other)
    : ManufacturerStringNumber(other.ManufacturerStringNumber),
      Manufacturer(DuplicateString(other.Manufacturer)),
      ProductStringNumber(other.ProductStringNumber),
      Product(DuplicateString(other.Product)),
      VersionStringNumber(other.VersionStringNumber),
      Version(DuplicateString(other.Version)),
      SerialNumberStringNumber(other.SerialNumberStringNumber),
      SerialNumber(DuplicateString(other.SerialNumber)),
      AssetTagStringNumber(other.AssetTagStringNumber),
      AssetTag(DuplicateString(other.AssetTag)),
      FeatureFlags(other.FeatureFlags),
      LocationInChassisStringNumber(other.LocationInChassisStringNumber),
      LocationInChassis(DuplicateString(other.LocationInChassis)),
      ChassisHandle(other.ChassisHandle),
      BoardType(other.BoardType),
      NumberOfContainedObjectHandles(other.NumberOfContainedObjectHandles),
      ContainedObjectHandles(other.ContainedObjectHandles) {}

TypeBaseboard& TypeBaseboard::operator=(const TypeBaseboard& other) {
    if (this == &other) return *this;
    ManufacturerStringNumber = other.ManufacturerStringNumber;
    AssignString(Manufacturer, other.Manufacturer);
    ProductStringNumber = other.ProductStringNumber;
    AssignString(Product, other.Product);
    VersionStringNumber = other.VersionStringNumber;
    AssignString(Version, other.Version);
    SerialNumberStringNumber = other.SerialNumberStringNumber;
    AssignString(SerialNumber, other.SerialNumber);
    AssetTagStringNumber = other.AssetTagStringNumber;
    AssignString(AssetTag, other.AssetTag);
    FeatureFlags = other.FeatureFlags;
    LocationInChassisStringNumber = other.LocationInChassisStringNumber;
    AssignString(LocationInChassis, other.LocationInChassis);
    ChassisHandle = other.ChassisHandle;
    BoardType = other.BoardType;
    NumberOfContainedObjectHandles = other.NumberOfContainedObjectHandles;
    ContainedObjectHandles = other.ContainedObjectHandles;
    return *this;
}

// The handles belong to the table buffer and are left alone.
TypeBaseboard::~TypeBaseboard() {
    ReleaseString(Manufacturer);
    ReleaseString(Product);
    ReleaseString(Version);
    ReleaseString(SerialNumber);
    ReleaseString(AssetTag);
    ReleaseString(LocationInChassis);
}

namespace pimpl {

// Every field is read whatever the structure's Length; a field past the table's end reads 0.
void DecodeBaseboard(ParseState& state, FieldCursor& fields) {
    if (state.version < SMBiosSpecVersion::V2_0) return;
    TypeBaseboard& board = state.current.baseboard;
    board.ManufacturerStringNumber = fields.Byte();
    board.ProductStringNumber = fields.Byte();
    board.VersionStringNumber = fields.Byte();
    board.SerialNumberStringNumber = fields.Byte();
    board.AssetTagStringNumber = fields.Byte();
    board.FeatureFlags = fields.Byte();
    board.LocationInChassisStringNumber = fields.Byte();
    board.ChassisHandle = fields.Word();
    board.BoardType = fields.Byte();
    board.NumberOfContainedObjectHandles = fields.Byte();

    // The handles stay in the table and are not copied; they are unaligned, so the pointer is
    // only handed on, never dereferenced here. It is null when offset 0Fh lies outside the
    // table, also with a count of 0.
    board.ContainedObjectHandles = reinterpret_cast<const std::uint16_t*>(fields.Address());
    fields.Skip(board.NumberOfContainedObjectHandles * 2u);

    AssignString(board.Manufacturer, LookupString(state, board.ManufacturerStringNumber));
    AssignString(board.Product, LookupString(state, board.ProductStringNumber));
    AssignString(board.Version, LookupString(state, board.VersionStringNumber));
    AssignString(board.SerialNumber, LookupString(state, board.SerialNumberStringNumber));
    AssignString(board.AssetTag, LookupString(state, board.AssetTagStringNumber));
    AssignString(board.LocationInChassis, LookupString(state, board.LocationInChassisStringNumber));
}

}  // namespace pimpl
}  // namespace kelvo::shared::smbios
