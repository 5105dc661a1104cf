// Text helpers of the core. "Digit" and "letter" always mean ASCII ones;
// conversions go through the platform's ANSI code page.
#pragma once

#include <string>

namespace text {

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }
inline bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
inline bool IsLetterOrDigit(char c) { return IsDigit(c) || IsLetter(c); }

// Wide text into the ANSI code page and back (the platform's text port).
std::string ToAnsi(const std::wstring& wide);
std::wstring FromAnsi(const std::string& ansi);
// UTF-8, whatever the code page: what a link carries. A lone UTF-16
// surrogate (which no character is) becomes U+FFFD.
std::string ToUtf8(const std::wstring& wide);
// Lower case through the ANSI code page.
std::string ToLowerAnsi(const std::string& ansi);

// The length of a wide text in UTF-16 code units, as Windows counts a COM
// string: a character beyond the Basic Multilingual Plane counts twice
// where wchar_t holds whole characters (as on Linux).
std::size_t Utf16Length(const std::wstring& wide);

// A string resource of the module, converted to the ANSI code page; empty
// when the table has no such number.
std::string LoadAnsiString(unsigned id);
// The same, as wide text (for texts handed to Outlook or Office).
std::wstring LoadWideString(unsigned id);

// Leading decimal number of `text` (leading blanks skipped, optional sign,
// 0 without digits), clamped to the 32-bit range.
int LeadingNumber(const std::string& text);

}  // namespace text
