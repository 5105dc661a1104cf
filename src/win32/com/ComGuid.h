// Conversions between the portable Guid and the Windows GUID.
#pragma once

#include <windows.h>

#include <cstring>

#include "host/Guid.h"

namespace win32 {

inline GUID ToNativeGuid(const host::Guid& guid) {
    GUID native;
    native.Data1 = guid.data1;
    native.Data2 = guid.data2;
    native.Data3 = guid.data3;
    std::memcpy(native.Data4, guid.data4.data(), 8);
    return native;
}

inline host::Guid FromNativeGuid(const GUID& native) {
    host::Guid guid;
    guid.data1 = native.Data1;
    guid.data2 = native.Data2;
    guid.data3 = native.Data3;
    std::memcpy(guid.data4.data(), native.Data4, 8);
    return guid;
}

}  // namespace win32
