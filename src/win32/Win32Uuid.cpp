#include "win32/Win32Uuid.h"

#include <rpc.h>
#include <windows.h>

#include <cstring>

namespace win32 {

namespace {

UUID ToUuid(const platform::Uuid& uuid) {
    UUID native;
    native.Data1 = uuid.data1;
    native.Data2 = uuid.data2;
    native.Data3 = uuid.data3;
    std::memcpy(native.Data4, uuid.data4.data(), 8);
    return native;
}

}  // namespace

platform::Status Win32Uuid::Create(platform::Uuid* uuid) {
    UUID native;
    RPC_STATUS status = UuidCreate(&native);
    if (status == RPC_S_OK || status == RPC_S_UUID_LOCAL_ONLY || status == RPC_S_UUID_NO_ADDRESS) {
        uuid->data1 = native.Data1;
        uuid->data2 = native.Data2;
        uuid->data3 = native.Data3;
        std::memcpy(uuid->data4.data(), native.Data4, 8);
    }
    return status;
}

platform::Status Win32Uuid::ToString(const platform::Uuid& uuid, std::string* text) {
    UUID native = ToUuid(uuid);
    RPC_CSTR string = nullptr;
    RPC_STATUS status = UuidToStringA(&native, &string);
    if (status == RPC_S_OK && string != nullptr) {
        *text = reinterpret_cast<const char*>(string);
        RpcStringFreeA(&string);
    }
    return status;
}

}  // namespace win32
