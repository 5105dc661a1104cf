// Registry values of every type and length, read through the settings
// layer: every value reads back as the text its type gives, a value longer
// than the read buffer or without data as absent; numbers and booleans
// written read back as written.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "util/RegistryKey.h"

namespace {

const char kKey[] = "Software\\TandrelFuzz";

// The text a value of `type` holding `bytes` reads back as.
std::string Expected(std::uint32_t type, const std::vector<std::uint8_t>& bytes) {
    if (type == platform::regtype::kBinary) {
        if (bytes.size() == 1) return bytes[0] == 1 ? "T" : "F";
        std::string hex;
        for (std::uint8_t byte : bytes) {
            hex += "0123456789ABCDEF"[byte >> 4];
            hex += "0123456789ABCDEF"[byte & 15];
        }
        return hex;
    }
    if (type == platform::regtype::kDword) {
        std::uint32_t raw = 0;
        for (std::size_t i = 0; i < 4 && i < bytes.size(); ++i)
            raw |= std::uint32_t(bytes[i]) << (8 * i);
        return std::to_string(static_cast<std::int32_t>(raw));
    }
    std::string text(bytes.begin(), bytes.end());
    return text.substr(0, text.find('\0'));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    fuzz::Platform world;
    const std::uint32_t type = input.ConsumeBool()
                                   ? input.ConsumeIntegralInRange<std::uint32_t>(0, 11)
                                   : input.ConsumeIntegral<std::uint32_t>();
    const std::int32_t number = input.ConsumeIntegral<std::int32_t>();
    const bool flag = input.ConsumeBool();
    const std::vector<std::uint8_t> bytes = input.ConsumeRemainingBytes<std::uint8_t>();
    world.model.registry.SetRaw(platform::RegistryRoot::CurrentUser, kKey, "Value",
                                model::RegistryValueData{type, bytes});

    CRegistryKey key(platform::RegistryRoot::CurrentUser, kKey, platform::access::kReadWrite);
    const CRegistryValuePtr value = key.Query("Value");
    if (bytes.empty() || bytes.size() > CRegistryKey::kReadBufferSize) {
        fuzz::Require(!value, "a value without data or longer than the buffer reads as present");
    } else {
        fuzz::Require(value && value->GetText() == Expected(type, bytes),
                      "a value reads back as another text");
        fuzz::Require(value->GetStoredType() == type, "the stored type is not reported");
    }
    const CRegistryValuePtr written = key.WriteNumber("Number", number);
    fuzz::Require(written && settings::ToNumber(written->GetText()) == number,
                  "a number reads back as another");
    const CRegistryValuePtr boolean = key.WriteBoolean("Flag", flag);
    fuzz::Require(boolean && boolean->IsTrue() == flag, "a boolean reads back as the other");
    // Any text a value holds converts to a number without a fault.
    if (value) settings::ToNumber(value->GetText());
    fuzz::Require(world.model.registry.OpenHandleCount() == 1, "a key handle leaked");
    return 0;
}
