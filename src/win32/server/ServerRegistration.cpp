#include "win32/server/ServerRegistration.h"

// The COM headers need <windows.h> first.
#include <oleauto.h>
#include <wrl/client.h>

#include <string>
#include <vector>

#include "addin/ServerIds.h"
#include "registrar/RegistryChanges.h"
#include "registrar/ServerKeys.h"
#include "win32/com/ComGuid.h"

// In liboleaut32.a, but not declared by mingw-w64's headers.
extern "C" HRESULT WINAPI RegisterTypeLibForUser(ITypeLib* library, OLECHAR* path,
                                                 OLECHAR* helpDirectory);
extern "C" HRESULT WINAPI UnRegisterTypeLibForUser(REFGUID libid, WORD major, WORD minor, LCID lcid,
                                                   SYSKIND syskind);

namespace win32 {

namespace {

using Microsoft::WRL::ComPtr;

// The module's full path. Windows allows far longer paths than an
// in-process server can be loaded from; those reach the registrar, which
// refuses them, rather than being cut short here.
HRESULT ModulePath(HMODULE module, std::wstring* path) {
    std::vector<wchar_t> buffer(32768);
    const DWORD length =
        GetModuleFileNameW(module, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) {
        return HRESULT_FROM_WIN32(GetLastError());
    }
    if (length >= buffer.size()) {
        return addin::kPathTooLong;
    }
    path->assign(buffer.data(), length);
    return S_OK;
}

HRESULT RegistryScript(HMODULE module, std::string* script) {
    HRSRC found =
        FindResourceW(module, MAKEINTRESOURCEW(addin::kRegistryScriptResource), L"REGISTRY");
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) {
        return HRESULT_FROM_WIN32(ERROR_RESOURCE_DATA_NOT_FOUND);
    }
    script->assign(static_cast<const char*>(data), SizeofResource(module, found));
    return S_OK;
}

HRESULT LoadOwnTypeLibrary(const std::wstring& path, ComPtr<ITypeLib>* library) {
    // A DLL's path loads its TYPELIB resource 1.
    return LoadTypeLibEx(path.c_str(), REGKIND_NONE, library->ReleaseAndGetAddressOf());
}

HRESULT RegisterTypeLibrary(const std::wstring& path) {
    ComPtr<ITypeLib> library;
    HRESULT hr = LoadOwnTypeLibrary(path, &library);
    if (FAILED(hr)) {
        return hr;
    }
    std::wstring writable = path;
    return RegisterTypeLibForUser(library.Get(), &writable[0], nullptr);
}

HRESULT UnregisterTypeLibrary(const std::wstring& path) {
    ComPtr<ITypeLib> library;
    HRESULT hr = LoadOwnTypeLibrary(path, &library);
    if (FAILED(hr)) {
        return hr;
    }
    TLIBATTR* attributes = nullptr;
    hr = library->GetLibAttr(&attributes);
    if (FAILED(hr)) {
        return hr;
    }
    const TLIBATTR copy = *attributes;
    library->ReleaseTLibAttr(attributes);
    hr = UnRegisterTypeLibForUser(copy.guid, copy.wMajorVerNum, copy.wMinorVerNum, copy.lcid,
                                  copy.syskind);
    // Nothing registered is nothing to remove.
    return hr == TYPE_E_REGISTRYACCESS || hr == TYPE_E_LIBNOTREGISTERED ? S_OK : hr;
}

// What both directions need: where the module is and its script.
HRESULT PathAndScript(HMODULE module, std::wstring* path, std::string* script) {
    const HRESULT hr = ModulePath(module, path);
    return FAILED(hr) ? hr : RegistryScript(module, script);
}

}  // namespace

HRESULT RegisterServer(HMODULE module) {
    std::wstring path;
    std::string script;
    HRESULT hr = PathAndScript(module, &path, &script);
    if (FAILED(hr)) {
        return hr;
    }
    addin::RegistryChanges changes;
    hr = addin::RegisterServerKeys(script, path, &changes);
    if (FAILED(hr)) {
        return hr;
    }
    hr = RegisterTypeLibrary(path);
    if (FAILED(hr)) {
        changes.Undo();
    }
    return hr;
}

HRESULT UnregisterServer(HMODULE module) {
    std::wstring path;
    std::string script;
    const HRESULT hr = PathAndScript(module, &path, &script);
    if (FAILED(hr)) {
        return hr;
    }
    const HRESULT keys = addin::UnregisterServerKeys(script);
    const HRESULT library = UnregisterTypeLibrary(path);
    return FAILED(keys) ? keys : library;
}

}  // namespace win32
