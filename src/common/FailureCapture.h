#pragma once

#include <exception>

#include <kelvo/error/Error.h>

namespace kelvo::shared::smbios {

// Component name that every Error of this library carries.
constexpr const char* kComponentName = "kelvo-shared-smbios.dll";

// Turns a captured exception into an Error value. Never throws.
kelvo::shared::error::Error ErrorFromException(std::exception_ptr exception) noexcept;

}  // namespace kelvo::shared::smbios
