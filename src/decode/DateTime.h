#pragma once

namespace kelvo::shared::smbios::pimpl::testing {

// Replaces the name of the locale that BIOS release dates are formatted with ("en_US"), so
// that tests can see what a missing locale does; returns the previous name.
const char* SetDateLocaleName(const char* name);

}  // namespace kelvo::shared::smbios::pimpl::testing
