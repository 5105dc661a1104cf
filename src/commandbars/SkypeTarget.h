// How a Skype button reads its target out of a combo box text: the entries
// the toolbar shows are a Skype name or number followed by a blank and a
// parenthesised remark ('echo123 (Online)', 'Mobile: +44 555 123 (Jane
// Doe)'), and SkypeOut entries start with their label.
#pragma once

#include <string>

// `text` up to its last "(", without the character just before it (the
// blank that separates the remark, whatever it is). Without "(", or with
// "(" first, the text stays whole.
std::wstring CutBeforeRemark(const std::wstring& text);

// `text` after its first ":" (the label of a number); unchanged without ":".
std::wstring AfterLabel(const std::wstring& text);
