#pragma once

#include <ostream>
#include <sstream>
#include <string>
#include <type_traits>
#include <utility>

#include <plog/Severity.h>
#include <plog/Util.h>

namespace plog {
namespace detail {

inline void operator<<(util::nostringstream& stream, const char* data) {
    data = data ? data : "(null)";
#if defined(_WIN32)
    std::operator<<(stream, util::toWide(data));
#else
    std::operator<<(stream, data);
#endif
}

inline void operator<<(util::nostringstream& stream, char* data) {
    plog::detail::operator<<(stream, const_cast<const char*>(data));
}

inline void operator<<(util::nostringstream& stream, const std::string& data) {
    plog::detail::operator<<(stream, data.c_str());
}

#if defined(_WIN32)
inline void operator<<(util::nostringstream& stream, const wchar_t* data) {
    std::operator<<(stream, data ? data : L"(null)");
}

inline void operator<<(util::nostringstream& stream, wchar_t* data) {
    plog::detail::operator<<(stream, const_cast<const wchar_t*>(data));
}

namespace meta {
template <class T, class Stream, class = void>
struct isStreamable : std::false_type {};
template <class T, class Stream>
struct isStreamable<T, Stream, decltype(void(std::declval<Stream&>() << std::declval<const T&>()))>
    : std::true_type {};
}  // namespace meta

// A type that only has a narrow stream operator is rendered narrow, then converted.
template <class T>
inline typename std::enable_if<meta::isStreamable<T, std::ostream>::value &&
                                   !meta::isStreamable<T, std::wostream>::value,
                               void>::type
operator<<(std::wostringstream& stream, const T& data) {
    std::ostringstream narrow;
    narrow << data;
    plog::detail::operator<<(stream, narrow.str());
}
#endif

}  // namespace detail

class Record {
public:
    Record(Severity severity, const char* func, size_t line, const char* file, const void* object,
           int instanceId)
        : m_severity(severity),
          m_tid(util::gettid()),
          m_object(object),
          m_line(line),
          m_func(func),
          m_file(file),
          m_instanceId(instanceId) {
        util::ftime(&m_time);
    }

    Record& ref() { return *this; }

    Record& operator<<(char data) {
        char str[] = {data, 0};
        return *this << str;
    }

    template <typename T>
    Record& operator<<(const T& data) {
        using namespace plog::detail;
        m_message << data;
        return *this;
    }

    // The virtual functions stand in plog 1.1.x's order, so that a host built against the
    // real plog reads these records through the same table.
    virtual const util::Time& getTime() const { return m_time; }
    virtual Severity getSeverity() const { return m_severity; }
    virtual unsigned int getTid() const { return m_tid; }
    virtual const void* getObject() const { return m_object; }
    virtual size_t getLine() const { return m_line; }

    virtual const util::nchar* getMessage() const {
        m_messageStr = m_message.str();
        return m_messageStr.c_str();
    }

    // plog strips a signature down to the function's name; the names written here carry no
    // signature, so they are handed out as they are.
    virtual const char* getFunc() const { return m_func; }
    virtual const char* getFile() const { return m_file; }
    virtual ~Record() {}
    virtual int getInstanceId() const { return m_instanceId; }

private:
    util::Time m_time;
    const Severity m_severity;
    const unsigned int m_tid;
    const void* const m_object;
    const size_t m_line;
    util::nostringstream m_message;
    const char* const m_func;
    const char* const m_file;
    const int m_instanceId;
    mutable util::nstring m_messageStr;
};

}  // namespace plog
