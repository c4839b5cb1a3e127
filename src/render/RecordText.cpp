#include "render/RecordText.h"

#include <cstdint>
#include <exception>
#include <memory>

#include "common/FailureCapture.h"
#include "decode/OwnedString.h"
#include "logging/LogSites.h"

namespace kelvo::shared::smbios {

namespace {

constexpr const char* kOperatorName = "kelvo::shared::smbios::operator <<";
constexpr std::uint64_t kRefused = UINT64_MAX;

// Writes the members of one record: "{ ", "key": value pairs separated by ", ", then " }".
class Members {
public:
    explicit Members(std::ostream& os) : os_(os) { os_ << "{ "; }

    Members& Text(const char* key, const char* value) {
        Key(key);
        // A null text only follows a failed allocation; it is written as a bare null.
        if (value == nullptr) {
            os_ << "null";
        } else {
            os_ << '"' << value << '"';
        }
        return *this;
    }

    Members& Number(const char* key, unsigned value) {
        Key(key);
        os_ << value;
        return *this;
    }

    void Close() { os_ << " }"; }

private:
    void Key(const char* key) {
        if (!first_) os_ << ", ";
        first_ = false;
        os_ << '"' << key << "\": ";
    }

    std::ostream& os_;
    bool first_ = true;
};

// The catch-all of every operator: a warning record with the error's text.
void ReportFailure(std::size_t line, const char* prefix) noexcept {
    const kelvo::shared::error::Error error = ErrorFromException(std::current_exception());
    try {
        logging::LogFailure(logging::Severity::Warning, line, kOperatorName, prefix, error);
    } catch (...) {
        // Nothing may leave a text renderer, not even a failed log write.
    }
}

// The copies that GetOemStrings hands out, released with their array.
struct OemCopies {
    explicit OemCopies(std::size_t size) : strings(new char*[size]) {}
    ~OemCopies() {
        for (std::uint64_t i = 0; i < count; ++i) detail::ReleaseString(strings[i]);
    }
    std::unique_ptr<char*[]> strings;
    std::uint64_t count = 0;
};

}  // namespace

std::ostream& operator<<(std::ostream& os, const TypeBios& value) {
    try {
        Members(os)
            .Text("Vendor", value.Vendor)
            .Text("BIOSVersion", value.BIOSVersion)
            .Number("BIOSStartingSegment", value.BIOSStartingSegment)
            .Text("BIOSReleaseDate", value.BIOSReleaseDate)
            .Number("ExtensionByte1", value.ExtensionByte1)
            .Number("ExtensionByte2", value.ExtensionByte2)
            .Number("SystemBIOSMajorRelease", value.SystemBIOSMajorRelease)
            .Number("SystemBIOSMinorRelease", value.SystemBIOSMinorRelease)
            .Number("EmbeddedFirmwareMajorRelease", value.EmbeddedFirmwareMajorRelease)
            .Number("EmbeddedFirmwareMinorRelease", value.EmbeddedFirmwareMinorRelease)
            .Close();
    } catch (...) {
        ReportFailure(41, "Exception converting TypeBios to string: ");
    }
    return os;
}

std::ostream& operator<<(std::ostream& os, const TypeSysInfo& value) {
    try {
        Members(os)
            .Text("Manufacturer", value.Manufacturer)
            .Text("ProductName", value.ProductName)
            .Text("Version", value.Version)
            .Text("SerialNumber", value.SerialNumber)
            .Close();
    } catch (...) {
        ReportFailure(59, "Exception converting TypeSysInfo to string: ");
    }
    return os;
}

std::ostream& operator<<(std::ostream& os, const TypeOemStrings& value) {
    try {
        if (value.Strings == nullptr) return os;
        os << "{ \"Values\": [ ";
        OemCopies copies(value.Count);
        const std::uint64_t count = value.GetOemStrings(copies.strings.get());
        // A refused call is no count of strings: the area is listed as empty.
        copies.count = count == kRefused ? 0 : count;
        for (std::uint64_t i = 0; i < copies.count; ++i) {
            os << (i == 0 ? "\"" : ", \"") << copies.strings[i] << '"';
        }
        os << " ] }";
    } catch (...) {
        ReportFailure(85, "Exception converting TypeOemStrings to string: ");
    }
    return os;
}

}  // namespace kelvo::shared::smbios
