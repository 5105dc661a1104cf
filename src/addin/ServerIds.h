// The identifiers of the COM server, chosen once and never changed: they
// are also written in tandrel.rgs and tandrel.idl.
#pragma once

#include "host/Guid.h"

namespace addin {

// CLSID of the coclass Connect.
constexpr host::Guid kCLSID_Connect =
    host::MakeGuid(0x9DFDD554, 0x1E02, 0x4AE1, 0xA6, 0x58, 0x7A, 0x68, 0x0C, 0xB6, 0xF1, 0x4B);
// LIBID of tandrelLib, the type library embedded as TYPELIB 1.
constexpr host::Guid kLIBID_tandrelLib =
    host::MakeGuid(0xDECCC8C6, 0x2ECA, 0x4C57, 0x85, 0xCB, 0x85, 0xD7, 0x93, 0xE7, 0xC8, 0x74);
constexpr char kProgId[] = "tandrel.Connect";

// Resource numbers of the registry script and the type library.
constexpr int kRegistryScriptResource = 101;
constexpr int kTypeLibraryResource = 1;

}  // namespace addin
