#include "registrar/RegistryScript.h"

#include <cctype>
#include <cstdlib>
#include <stdexcept>

namespace addin {

namespace {

struct Token {
    std::string text;
    bool quoted = false;
    int line = 0;
};

// A mistake in the script; caught by ParseRegistryScript and turned into
// its error text.
class ScriptError : public std::runtime_error {
  public:
    ScriptError(int line, const std::string& what)
        : std::runtime_error("line " + std::to_string(line) + ": " + what) {}
};

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool SameWord(const std::string& a, const char* b) {
    std::size_t i = 0;
    for (; i < a.size() && b[i] != '\0'; ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return i == a.size() && b[i] == '\0';
}

std::string Replace(const std::string& text, const ScriptReplacements& replacements, int line) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        const std::size_t end = text.find('%', i + 1);
        if (end == std::string::npos) {
            throw ScriptError(line, "a lone % (write %% for a percent sign)");
        }
        const std::string name = text.substr(i + 1, end - i - 1);
        if (name.empty()) {
            out += '%';
        } else {
            auto found = replacements.find(name);
            if (found == replacements.end()) {
                throw ScriptError(line, "nothing to replace %" + name + "% with");
            }
            out += found->second;
        }
        i = end;
    }
    return out;
}

std::vector<Token> Tokenize(const std::string& text, const ScriptReplacements& replacements) {
    std::vector<Token> tokens;
    int line = 1;
    std::size_t i = 0;
    while (i < text.size()) {
        if (IsSpace(text[i])) {
            line += text[i] == '\n';
            ++i;
            continue;
        }
        Token token;
        token.line = line;
        if (text[i] == '\'') {
            token.quoted = true;
            for (++i;; ++i) {
                if (i >= text.size()) {
                    throw ScriptError(token.line, "a quoted text is not closed");
                }
                if (text[i] == '\'') {
                    if (i + 1 < text.size() && text[i + 1] == '\'') {
                        ++i;  // '' is one quote
                    } else {
                        ++i;
                        break;
                    }
                }
                line += text[i] == '\n';
                token.text += text[i];
            }
        } else {
            while (i < text.size() && !IsSpace(text[i])) {
                token.text += text[i++];
            }
        }
        token.text = Replace(token.text, replacements, token.line);
        tokens.push_back(token);
    }
    return tokens;
}

class Parser {
  public:
    explicit Parser(std::vector<Token> tokens) : tokens_(std::move(tokens)) {}

    std::vector<ScriptRoot> Roots() {
        std::vector<ScriptRoot> roots;
        while (position_ < tokens_.size()) {
            const Token& name = Next("a registry root");
            ScriptRoot root;
            if (name.quoted || !RootFromName(name.text, &root.root)) {
                throw ScriptError(name.line, "'" + name.text + "' is not a registry root");
            }
            Expect("{");
            Keys(&root.keys, nullptr);
            roots.push_back(std::move(root));
        }
        return roots;
    }

  private:
    static bool RootFromName(const std::string& name, platform::RegistryRoot* root) {
        if (SameWord(name, "HKCU") || SameWord(name, "HKEY_CURRENT_USER")) {
            *root = platform::RegistryRoot::CurrentUser;
        } else if (SameWord(name, "HKLM") || SameWord(name, "HKEY_LOCAL_MACHINE")) {
            *root = platform::RegistryRoot::LocalMachine;
        } else if (SameWord(name, "HKCR") || SameWord(name, "HKEY_CLASSES_ROOT")) {
            *root = platform::RegistryRoot::ClassesRoot;
        } else {
            return false;
        }
        return true;
    }

    bool IsMark(const Token& token, const char* mark) const {
        return !token.quoted && token.text == mark;
    }
    bool PeekMark(const char* mark) const {
        return position_ < tokens_.size() && IsMark(tokens_[position_], mark);
    }
    int LastLine() const { return tokens_.empty() ? 1 : tokens_.back().line; }

    const Token& Next(const char* wanted) {
        if (position_ >= tokens_.size()) {
            throw ScriptError(LastLine(),
                              std::string("the script ends where ") + wanted + " should follow");
        }
        return tokens_[position_++];
    }
    void Expect(const char* mark) {
        const Token& token = Next(mark);
        if (!IsMark(token, mark)) {
            throw ScriptError(token.line,
                              std::string("'") + mark + "' expected, found '" + token.text + "'");
        }
    }
    std::string Name(const Token& token) {
        if (IsMark(token, "{") || IsMark(token, "}") || IsMark(token, "=")) {
            throw ScriptError(token.line, "a name expected, found '" + token.text + "'");
        }
        if (token.text.find('\\') != std::string::npos) {
            throw ScriptError(token.line, "a key name holds a backslash: '" + token.text + "'");
        }
        return token.text;
    }

    // A value's data is always quoted: s 'text', d '42'.
    const Token& Quoted(const char* wanted) {
        const Token& token = Next(wanted);
        if (!token.quoted) {
            throw ScriptError(token.line, std::string(wanted) + " in quotes expected, found '" +
                                              token.text + "'");
        }
        return token;
    }

    ScriptValue Value() {
        const Token& type = Next("a value type");
        ScriptValue value;
        if (!type.quoted && SameWord(type.text, "s")) {
            value.type = ScriptValue::Type::String;
            value.text = Quoted("a text").text;
        } else if (!type.quoted && SameWord(type.text, "d")) {
            const Token& number = Quoted("a number");
            value.type = ScriptValue::Type::Dword;
            if (!ReadNumber(number.text, &value.number)) {
                throw ScriptError(number.line, "'" + number.text + "' is not a 32-bit number");
            }
        } else {
            throw ScriptError(type.line, "'" + type.text + "' is not a value type (s or d)");
        }
        return value;
    }

    static bool ReadNumber(const std::string& text, std::uint32_t* number) {
        const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
        const std::string digits = hex ? text.substr(2) : text;
        if (digits.empty() || digits.size() > (hex ? 8u : 10u)) {
            return false;
        }
        for (char c : digits) {
            if (!(hex ? std::isxdigit(static_cast<unsigned char>(c))
                      : std::isdigit(static_cast<unsigned char>(c)))) {
                return false;
            }
        }
        const unsigned long long value = std::strtoull(digits.c_str(), nullptr, hex ? 16 : 10);
        if (value > 0xFFFFFFFFull) {
            return false;
        }
        *number = static_cast<std::uint32_t>(value);
        return true;
    }

    // The entries up to the closing brace; `owner` receives "val" lines
    // (null directly under a root, where no value can go).
    void Keys(std::vector<ScriptKey>* keys, ScriptKey* owner) {
        for (;;) {
            const Token& token = Next("'}'");
            if (IsMark(token, "}")) {
                return;
            }
            if (!token.quoted && SameWord(token.text, "val")) {
                if (!owner) {
                    throw ScriptError(token.line, "a value directly under a registry root");
                }
                const std::string name = Name(Next("a value name"));
                Expect("=");
                owner->namedValues.emplace_back(name, Value());
                continue;
            }
            ScriptKey key;
            const Token* nameToken = &token;
            if (!token.quoted) {
                if (SameWord(token.text, "NoRemove")) {
                    key.removal = ScriptKey::Removal::NoRemove;
                } else if (SameWord(token.text, "ForceRemove")) {
                    key.removal = ScriptKey::Removal::ForceRemove;
                } else if (SameWord(token.text, "Delete")) {
                    key.removal = ScriptKey::Removal::Delete;
                }
                if (key.removal != ScriptKey::Removal::Normal) {
                    nameToken = &Next("a key name");
                }
            }
            key.name = Name(*nameToken);
            if (key.name.empty()) {
                throw ScriptError(nameToken->line, "an empty key name");
            }
            if (PeekMark("=")) {
                ++position_;
                key.hasDefault = true;
                key.defaultValue = Value();
            }
            if (PeekMark("{")) {
                ++position_;
                Keys(&key.subkeys, &key);
            }
            keys->push_back(std::move(key));
        }
    }

    std::vector<Token> tokens_;
    std::size_t position_ = 0;
};

}  // namespace

std::uint32_t ScriptValue::RegistryType() const {
    return type == Type::Dword ? platform::regtype::kDword : platform::regtype::kString;
}

std::vector<std::uint8_t> ScriptValue::Bytes() const {
    std::vector<std::uint8_t> bytes;
    if (type == Type::Dword) {
        for (int i = 0; i < 4; ++i) {
            bytes.push_back(static_cast<std::uint8_t>(number >> (8 * i)));
        }
    } else {
        bytes.assign(text.begin(), text.end());
        bytes.push_back(0);
    }
    return bytes;
}

bool ParseRegistryScript(const std::string& text, const ScriptReplacements& replacements,
                         std::vector<ScriptRoot>* roots, std::string* error) {
    roots->clear();
    try {
        *roots = Parser(Tokenize(text, replacements)).Roots();
        return true;
    } catch (const ScriptError& mistake) {
        *error = mistake.what();
        return false;
    }
}

}  // namespace addin
