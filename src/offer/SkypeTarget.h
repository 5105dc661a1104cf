// How a click reads its target out of the text a box shows: the entries a
// box lists are a Skype name or number followed by a blank and a
// parenthesised remark ('echo123 (Online)', 'Mobile: +44 555 123 (Jane
// Doe)'), and SkypeOut entries start with their label. A text that is
// exactly one of the entries the add-in wrote stands for that entry's own
// target, whatever it holds (a contact named 'Flat 3 (Home)' would
// otherwise lend its digits to the number); only other texts, typed by the
// user, are cut. Every surface (the toolbar's buttons, the ribbon's) reads
// its target through ResolveTarget.
#pragma once

#include <string>
#include <vector>

namespace offer {

// An entry a box shows and the target it stands for.
struct Entry {
    std::wstring text;
    std::wstring target;

    friend bool operator==(const Entry& a, const Entry& b) {
        return a.text == b.text && a.target == b.target;
    }
};
typedef std::vector<Entry> Entries;

// The target of `text`: the entry of `written` it is (the latest first:
// what was written into the box's text), else the entry of `listed` it is
// (the first that matches), else `text` cut before its remark, for a number
// (`numberTarget`) after its label first.
std::wstring ResolveTarget(const std::wstring& text, const Entries& written, const Entries* listed,
                           bool numberTarget);

}  // namespace offer

// `text` up to its last "(", without the character just before it (the
// blank that separates the remark, whatever it is). Without "(", or with
// "(" first, the text stays whole.
std::wstring CutBeforeRemark(const std::wstring& text);

// `text` after its first ":" (the label of a number); unchanged without ":".
std::wstring AfterLabel(const std::wstring& text);
