// The smallest host: read the running machine's SMBIOS table and say what came of it.
#include <cstdio>

#include <smbios/SMBiosInfo.h>

int main() {
    using kelvo::shared::error::Error;
    using kelvo::shared::smbios::SMBiosInfo;

    const SMBiosInfo info;  // no reader: the machine's own firmware table
    if (info.GetError()) {
        char text[1024];
        if (Error::ToString(info.GetError(), nullptr) < static_cast<int>(sizeof text)) {
            Error::ToString(info.GetError(), text);
            std::printf("SMBIOS table not decoded: %s\n", text);
        }
        return 0;
    }
    const int version = static_cast<int>(info.GetSMBiosVersion());
    std::printf("SMBIOS %d.%d\n", version >> 8, version & 0xFF);
    return 0;
}
