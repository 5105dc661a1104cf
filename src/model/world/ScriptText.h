// Text as scripts and the terminal carry it (UTF-8), turned into the
// add-in's wide text and the model's ANSI text (Windows-1252) and back, and
// the word splitting every script command shares.
#pragma once

#include <cstdint>
#include <string>

namespace model {

// Broken UTF-8 sequences become "?".
std::wstring WideFromUtf8(const std::string& utf8);
std::string Utf8FromWide(const std::wstring& wide);
std::string AnsiFromUtf8(const std::string& utf8);
// ANSI text for the terminal: UTF-8, control bytes shown as \xNN.
std::string VisibleAnsi(const std::string& ansi);

// "0x1A2B": a handle or number as the simulator prints it.
std::string Hex(std::uintptr_t value);

// ASCII letters in lower case; other bytes as they are.
std::string LowerAscii(std::string text);
std::string Trim(const std::string& text);
// Splits off the first word; the rest, trimmed, goes to *rest.
std::string FirstWord(const std::string& text, std::string* rest);
// A whole decimal number, optionally negative.
bool ParseNumber(const std::string& text, long long* value);

}  // namespace model
