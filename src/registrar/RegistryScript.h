// A registry script in the ATL registrar's syntax, read into a tree of keys.
//
//   HKCU
//   {
//       NoRemove SOFTWARE
//       {
//           ForceRemove Name = s 'default text'
//           {
//               val Named = s 'text'
//               Counter = d '42'
//           }
//       }
//   }
//
// Tokens are separated by white space; a token in single quotes may hold
// white space, and '' inside it is one quote. Roots are HKCU, HKLM and HKCR
// (or their HKEY_ names). A key may be marked NoRemove (kept when the script
// is unregistered), ForceRemove (deleted with all below it before it is
// written, and on unregistering) or Delete (only deleted, on registering).
// Values are text (s) or 32-bit numbers (d, decimal or 0x hex); other kinds
// are refused rather than guessed at.
//
// %NAME% in any token is replaced by the text given for NAME, taken as it
// is (a quote in a path cannot end the token early); %% is one percent
// sign. A name with no replacement given is an error, not left in the text.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/Registry.h"

namespace addin {

struct ScriptValue {
    enum class Type { String, Dword };
    Type type = Type::String;
    std::string text;          // String
    std::uint32_t number = 0;  // Dword

    // The value as the registry stores it: type (REG_SZ, REG_DWORD) and bytes.
    std::uint32_t RegistryType() const;
    std::vector<std::uint8_t> Bytes() const;
};

struct ScriptKey {
    enum class Removal { Normal, NoRemove, ForceRemove, Delete };
    std::string name;
    Removal removal = Removal::Normal;
    bool hasDefault = false;
    ScriptValue defaultValue;
    std::vector<std::pair<std::string, ScriptValue>> namedValues;  // the "val" lines
    std::vector<ScriptKey> subkeys;
};

struct ScriptRoot {
    platform::RegistryRoot root = platform::RegistryRoot::CurrentUser;
    std::vector<ScriptKey> keys;
};

// Replacement texts by name (without the percent signs).
typedef std::map<std::string, std::string> ScriptReplacements;

// Reads `text` into *roots. On a mistake answers false with *error naming
// the line ("line 7: ...") and leaves *roots empty.
bool ParseRegistryScript(const std::string& text, const ScriptReplacements& replacements,
                         std::vector<ScriptRoot>* roots, std::string* error);

}  // namespace addin
