#pragma once

// Export macro of the kelvo-shared-smbios library.
#if defined(_WIN32)
#if defined(KELVO_SMBIOS_EXPORTS)
#define KELVO_SMBIOS_API __declspec(dllexport)
#else
#define KELVO_SMBIOS_API __declspec(dllimport)
#endif
#else
#define KELVO_SMBIOS_API __attribute__((visibility("default")))
#endif
