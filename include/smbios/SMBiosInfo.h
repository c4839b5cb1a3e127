#pragma once

#include <kelvo/error/Error.h>
#include <smbios/Export.h>
#include <smbios/IFirmwareReader.h>
#include <smbios/SystemSlot.h>
#include <smbios/TableVersion.h>
#include <smbios/TypeBaseboard.h>
#include <smbios/TypeBios.h>
#include <smbios/TypeMemoryDevice.h>
#include <smbios/TypeOemStrings.h>
#include <smbios/TypePhysicalMemory.h>
#include <smbios/TypeProcessor.h>
#include <smbios/TypeSysInfo.h>
#include <smbios/TypeSystemEnclosure.h>

namespace kelvo::shared::smbios {

namespace pimpl {
class SystemFirmware;
}

// The library's entry point. The constructor reads, validates and decodes the SMBIOS table;
// afterwards the object only answers. Nothing is ever thrown: test GetError() first.
class KELVO_SMBIOS_API SMBiosInfo {
public:
    // Reads the table through `reader`, which is only borrowed and must stay valid until the
    // constructor returns (its bytes as long as TypeBaseboard::ContainedObjectHandles is
    // used). Without a reader the running machine's firmware table is read.
    explicit SMBiosInfo(const IFirmwareReader* reader = nullptr);

    // A copy holds its own parse result (and its own copy of a table that the library read
    // itself), so the original and the copy can be destroyed in any order.
    SMBiosInfo(const SMBiosInfo& other);
    SMBiosInfo& operator=(const SMBiosInfo& other);
    virtual ~SMBiosInfo();

    // The last structure of each type in the table, or a default record when there was none
    // (also when construction failed before the table was read).
    virtual const TypeBios& GetTypeBios() const;
    virtual const TypeSysInfo& GetTypeSysInfo() const;
    virtual const TypeBaseboard& GetTypeBaseboard() const;
    virtual const TypeSystemEnclosure& GetTypeSystemEnclosure() const;
    virtual const TypeProcessor& GetTypeProcessor() const;
    virtual const SystemSlot& GetSystemSlot() const;
    virtual const TypePhysicalMemory& GetTypePhysicalMemory() const;
    virtual const TypeMemoryDevice& GetTypeMemoryDevice() const;
    virtual const TypeOemStrings& GetTypeOemStrings() const;

    // The accepted table version, or None when the table was rejected or not fully walked.
    virtual SMBiosSpecVersion GetSMBiosVersion() const;

    // A default-constructed Error when construction succeeded, otherwise the first failure.
    const kelvo::shared::error::Error& GetError() const;

private:
    void CopyFrom(const SMBiosInfo& other);
    void Release();

    kelvo::shared::error::Error error;
    pimpl::SystemFirmware* firmware;
    IFirmwareReader* ownedReader;
};

}  // namespace kelvo::shared::smbios
