#pragma once

#include <cassert>
#include <chrono>
#include <cstddef>
#include <cstring>
#include <ctime>
#include <sstream>
#include <string>

#if defined(_WIN32)
// Declared here rather than through <windows.h>, as plog does, so that including the logging
// headers does not pull the whole Windows API into a translation unit.
extern "C" __declspec(dllimport) int __stdcall MultiByteToWideChar(unsigned int codePage,
                                                                   unsigned long flags,
                                                                   const char* text, int size,
                                                                   wchar_t* wide, int wideSize);
extern "C" __declspec(dllimport) unsigned long __stdcall GetCurrentThreadId();
#else
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace plog {
namespace util {

#if defined(_WIN32)
typedef wchar_t nchar;
typedef std::wstring nstring;
typedef std::wostringstream nostringstream;

struct Time {
    std::time_t time;
    unsigned short millitm;
    short timezone;
    short dstflag;
};

// Converts narrow text to wide text with the ANSI code page, as plog does.
inline std::wstring toWide(const char* text) {
    const int size = static_cast<int>(std::strlen(text));
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    if (size > 0) {
        const int length = MultiByteToWideChar(0 /* CP_ACP */, 0, text, size, &wide[0], size);
        wide.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    }
    return wide;
}

inline unsigned int gettid() { return static_cast<unsigned int>(GetCurrentThreadId()); }
#else
typedef char nchar;
typedef std::string nstring;
typedef std::ostringstream nostringstream;

struct Time {
    std::time_t time;
    unsigned short millitm;
};

inline unsigned int gettid() { return static_cast<unsigned int>(::syscall(SYS_gettid)); }
#endif

inline void ftime(Time* t) {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
    *t = Time();
    t->time = static_cast<std::time_t>(ms / 1000);
    t->millitm = static_cast<unsigned short>(ms % 1000);
}

class NonCopyable {
protected:
    NonCopyable() {}

private:
    NonCopyable(const NonCopyable&);
    NonCopyable& operator=(const NonCopyable&);
};

template <class T>
class Singleton : NonCopyable {
public:
#if defined(__clang__) || defined(__GNUC__) && __GNUC__ >= 8
    // Runs before T is constructed; the pointer is only stored, so UBSan must not check the
    // vptr it cannot have yet.
    __attribute__((no_sanitize("vptr")))
#endif
    Singleton() {
        assert(!m_instance);
        m_instance = static_cast<T*>(this);
    }

    ~Singleton() {
        assert(m_instance);
        m_instance = 0;
    }

    static T* getInstance() { return m_instance; }

private:
    static T* m_instance;
};

template <class T>
T* Singleton<T>::m_instance = 0;

}  // namespace util
}  // namespace plog
