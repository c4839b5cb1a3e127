#pragma once

// Export macro of the kelvo-shared-error-v2 library.
#if defined(_WIN32)
#if defined(KELVO_ERROR_EXPORTS)
#define KELVO_ERROR_API __declspec(dllexport)
#else
#define KELVO_ERROR_API __declspec(dllimport)
#endif
#else
#define KELVO_ERROR_API __attribute__((visibility("default")))
#endif
