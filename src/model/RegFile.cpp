// The .reg text form of the model registry (REGEDIT4: ANSI text).
//
//   REGEDIT4
//
//   [HKEY_CURRENT_USER\Software\Tandrel]
//   "LogFile"="C:\\Temp\\trace.txt"
//   "CountryCode"=dword:0000002c
//   "AutoPrefix"=hex:01
//   @="default value"
//   "Other"=hex(7):41,00,00,00
//   "Gone"=-
//   [-HKEY_CURRENT_USER\Software\Old]
#include <cstdio>
#include <fstream>
#include <sstream>

#include "model/ModelRegistry.h"
#include "model/ModelRegistryNode.h"

namespace model {

namespace {

std::string Quote(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"') quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

// A REG_SZ that reads back the same from "..." form: one trailing NUL, no
// other NUL, no line breaks.
bool IsPlainString(const RegistryValueData& value) {
    if (value.type != platform::regtype::kString || value.bytes.empty() ||
        value.bytes.back() != 0) {
        return false;
    }
    for (std::size_t i = 0; i + 1 < value.bytes.size(); ++i) {
        std::uint8_t c = value.bytes[i];
        if (c == 0 || c == '\r' || c == '\n') return false;
    }
    return true;
}

std::string ValueText(const RegistryValueData& value) {
    if (IsPlainString(value)) {
        return Quote(std::string(value.bytes.begin(), value.bytes.end() - 1));
    }
    if (value.type == platform::regtype::kDword && value.bytes.size() == 4) {
        std::uint32_t number = 0;
        for (int i = 0; i < 4; ++i) number |= std::uint32_t(value.bytes[i]) << (8 * i);
        char text[16];
        std::snprintf(text, sizeof text, "dword:%08x", static_cast<unsigned>(number));
        return text;
    }
    // The type in hexadecimal, as REGEDIT writes it and ParseData reads it:
    // type 10 is hex(a).
    char type[16];
    std::snprintf(type, sizeof type, "hex(%x):", static_cast<unsigned>(value.type));
    std::string text = value.type == platform::regtype::kBinary ? "hex:" : type;
    for (std::size_t i = 0; i < value.bytes.size(); ++i) {
        char byte[4];
        std::snprintf(byte, sizeof byte, "%02x", value.bytes[i]);
        if (i > 0) text += ',';
        text += byte;
    }
    return text;
}

struct Cursor {
    const std::string& line;
    std::size_t pos = 0;
    bool AtEnd() const { return pos >= line.size(); }
    char Peek() const { return AtEnd() ? '\0' : line[pos]; }
};

bool ReadQuoted(Cursor* cursor, std::string* text) {
    if (cursor->Peek() != '"') return false;
    ++cursor->pos;
    text->clear();
    while (!cursor->AtEnd()) {
        char c = cursor->line[cursor->pos++];
        if (c == '"') return true;
        if (c == '\\') {
            if (cursor->AtEnd()) return false;
            c = cursor->line[cursor->pos++];
        }
        *text += c;
    }
    return false;  // no closing quote
}

// A value line whose data is a hex list ("name"=hex...). Only such a line
// goes on after a trailing "\": a string's text may end with one.
bool IsHexValueLine(const std::string& line) {
    Cursor cursor{line};
    std::string name;
    if (cursor.Peek() == '@') {
        ++cursor.pos;
    } else if (!ReadQuoted(&cursor, &name)) {
        return false;
    }
    if (cursor.Peek() != '=') return false;
    const std::size_t data = line.find_first_not_of(" \t", cursor.pos + 1);
    return data != std::string::npos && line.compare(data, 3, "hex") == 0;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool ParseHexBytes(const std::string& text, std::vector<std::uint8_t>* bytes) {
    bytes->clear();
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
        if (i >= text.size()) break;
        if (i + 1 >= text.size()) return false;
        int high = HexDigit(text[i]), low = HexDigit(text[i + 1]);
        if (high < 0 || low < 0) return false;
        bytes->push_back(static_cast<std::uint8_t>(high * 16 + low));
        i += 2;
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
        if (i < text.size()) {
            if (text[i] != ',') return false;
            ++i;
        }
    }
    return true;
}

bool ParseData(const std::string& text, RegistryValueData* value) {
    Cursor cursor{text};
    if (cursor.Peek() == '"') {
        std::string content;
        if (!ReadQuoted(&cursor, &content) || !cursor.AtEnd()) return false;
        value->type = platform::regtype::kString;
        value->bytes.assign(content.begin(), content.end());
        value->bytes.push_back(0);
        return true;
    }
    if (text.compare(0, 6, "dword:") == 0) {
        std::string digits = text.substr(6);
        if (digits.empty() || digits.size() > 8) return false;
        std::uint32_t number = 0;
        for (char c : digits) {
            int d = HexDigit(c);
            if (d < 0) return false;
            number = number * 16 + static_cast<std::uint32_t>(d);
        }
        value->type = platform::regtype::kDword;
        value->bytes.clear();
        for (int i = 0; i < 4; ++i)
            value->bytes.push_back(static_cast<std::uint8_t>(number >> (8 * i)));
        return true;
    }
    if (text.compare(0, 4, "hex:") == 0) {
        value->type = platform::regtype::kBinary;
        return ParseHexBytes(text.substr(4), &value->bytes);
    }
    if (text.compare(0, 4, "hex(") == 0) {
        std::size_t close = text.find("):");
        if (close == std::string::npos || close == 4) return false;
        std::uint32_t type = 0;
        for (std::size_t i = 4; i < close; ++i) {
            int d = HexDigit(text[i]);
            if (d < 0 || type > 0x0FFFFFFF) return false;
            type = type * 16 + static_cast<std::uint32_t>(d);
        }
        value->type = type;
        return ParseHexBytes(text.substr(close + 2), &value->bytes);
    }
    return false;
}

std::string Trim(const std::string& text) {
    std::size_t begin = text.find_first_not_of(" \t\r");
    if (begin == std::string::npos) return std::string();
    std::size_t end = text.find_last_not_of(" \t\r");
    return text.substr(begin, end - begin + 1);
}

void SaveValues(const ModelRegistry::Node& node, std::ostringstream* out);
void SaveNode(const std::string& path, const ModelRegistry::Node& node, std::ostringstream* out);

}  // namespace

std::string ModelRegistry::SaveText() const {
    std::ostringstream out;
    out << "REGEDIT4\n";
    const platform::RegistryRoot order[] = {platform::RegistryRoot::ClassesRoot,
                                            platform::RegistryRoot::CurrentUser,
                                            platform::RegistryRoot::LocalMachine};
    for (platform::RegistryRoot root : order) {
        const Node& node = *roots_[RootIndex(root)];
        // A root's own values ("[HKEY_CURRENT_USER]" then "a"="b") are kept too.
        if (!node.values.empty()) {
            out << "\n[" << RootName(root) << "]\n";
            SaveValues(node, &out);
        }
        for (const auto& child : node.children) {
            SaveNode(RootName(root) + "\\" + child.second->name, *child.second, &out);
        }
    }
    return out.str();
}

namespace {

void SaveValues(const ModelRegistry::Node& node, std::ostringstream* out) {
    for (const auto& value : node.values) {
        *out << (value.first.empty() ? "@" : Quote(value.first)) << "=" << ValueText(value.second)
             << "\n";
    }
}

void SaveNode(const std::string& path, const ModelRegistry::Node& node, std::ostringstream* out) {
    *out << "\n[" << path << "]\n";
    SaveValues(node, out);
    for (const auto& child : node.children) {
        SaveNode(path + "\\" + child.second->name, *child.second, out);
    }
}

}  // namespace

bool ModelRegistry::LoadText(const std::string& text, std::vector<std::string>* errors) {
    std::istringstream in(text);
    std::string raw;
    int lineNumber = 0;
    bool haveKey = false;
    platform::RegistryRoot root = platform::RegistryRoot::CurrentUser;
    std::string keyPath;
    std::size_t errorCount = 0;
    auto fail = [&](int number, const std::string& why) {
        ++errorCount;
        if (errors) errors->push_back("line " + std::to_string(number) + ": " + why);
    };
    while (std::getline(in, raw)) {
        ++lineNumber;
        const int startLine = lineNumber;
        std::string line = Trim(raw);
        // Long hex lists continue on the next line after a trailing "\".
        while (!line.empty() && line.back() == '\\' && IsHexValueLine(line)) {
            line.pop_back();
            if (!std::getline(in, raw)) break;
            ++lineNumber;
            line += Trim(raw);
        }
        if (line.empty() || line[0] == ';' ||
            (startLine == 1 &&
             (line == "REGEDIT4" || line == "Windows Registry Editor Version 5.00"))) {
            continue;
        }
        if (line[0] == '[') {
            if (line.back() != ']') {
                fail(startLine, "key line without closing bracket");
                haveKey = false;
                continue;
            }
            std::string body = line.substr(1, line.size() - 2);
            bool remove = !body.empty() && body[0] == '-';
            if (remove) body = body.substr(1);
            std::size_t slash = body.find('\\');
            std::string rootName = body.substr(0, slash);
            if (!ParseRootName(rootName, &root)) {
                fail(startLine, "unknown root key " + rootName);
                haveKey = false;
                continue;
            }
            keyPath = slash == std::string::npos ? std::string() : body.substr(slash + 1);
            if (remove) {
                DeleteTree(root, keyPath);
                haveKey = false;
            } else {
                FindOrCreate(root, keyPath);
                haveKey = true;
            }
            continue;
        }
        if (!haveKey) {
            fail(startLine, "value outside a key");
            continue;
        }
        Cursor cursor{line};
        std::string name;
        if (cursor.Peek() == '@') {
            ++cursor.pos;
        } else if (!ReadQuoted(&cursor, &name)) {
            fail(startLine, "value name must be quoted");
            continue;
        }
        if (cursor.Peek() != '=') {
            fail(startLine, "expected '=' after the value name");
            continue;
        }
        std::string data = Trim(line.substr(cursor.pos + 1));
        if (data == "-") {
            RemoveValue(root, keyPath, name);
            continue;
        }
        RegistryValueData value;
        if (!ParseData(data, &value)) {
            fail(startLine, "cannot read the data of value \"" + name + "\"");
            continue;
        }
        SetRaw(root, keyPath, name, value);
    }
    return errorCount == 0;
}

bool ModelRegistry::LoadFile(const std::string& path, std::vector<std::string>* errors) {
    std::ifstream file(path.c_str(), std::ios::in | std::ios::binary);
    if (!file) {
        if (errors) errors->push_back("cannot open " + path);
        return false;
    }
    std::ostringstream content;
    content << file.rdbuf();
    return LoadText(content.str(), errors);
}

bool ModelRegistry::SaveFile(const std::string& path) const {
    std::ofstream file(path.c_str(), std::ios::out | std::ios::binary | std::ios::trunc);
    if (!file) {
        return false;
    }
    file << SaveText();
    return static_cast<bool>(file.flush());
}

}  // namespace model
