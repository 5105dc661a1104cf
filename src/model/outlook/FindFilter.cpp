#include "model/outlook/FindFilter.h"

#include <cwctype>

namespace model {

namespace {

class Parser {
  public:
    explicit Parser(const std::wstring& text) : text_(text) {}

    bool Parse(std::vector<FindTerm>* terms) {
        std::vector<FindTerm> parsed;
        for (;;) {
            FindTerm term;
            SkipBlanks();
            if (!ReadProperty(&term.property)) return false;
            SkipBlanks();
            if (!Expect(L'=')) return false;
            SkipBlanks();
            if (!ReadQuoted(&term.value)) return false;
            parsed.push_back(term);
            const std::size_t before = pos_;
            SkipBlanks();
            if (AtEnd()) break;
            // The joining word needs a blank on both sides.
            if (pos_ == before || !ReadWordOr() || !IsBlank()) return false;
        }
        *terms = parsed;
        return true;
    }

  private:
    bool AtEnd() const { return pos_ >= text_.size(); }
    bool IsBlank() const { return !AtEnd() && text_[pos_] == L' '; }
    void SkipBlanks() {
        while (IsBlank()) ++pos_;
    }
    bool Expect(wchar_t c) {
        if (AtEnd() || text_[pos_] != c) return false;
        ++pos_;
        return true;
    }
    bool ReadProperty(std::wstring* name) {
        if (!Expect(L'[')) return false;
        const std::size_t close = text_.find(L']', pos_);
        if (close == std::wstring::npos || close == pos_) return false;
        *name = text_.substr(pos_, close - pos_);
        if (name->find(L'[') != std::wstring::npos || name->find(L'\'') != std::wstring::npos) {
            return false;
        }
        pos_ = close + 1;
        return true;
    }
    bool ReadQuoted(std::wstring* value) {
        if (!Expect(L'\'')) return false;
        value->clear();
        while (!AtEnd()) {
            const wchar_t c = text_[pos_++];
            if (c != L'\'') {
                *value += c;
            } else if (!AtEnd() && text_[pos_] == L'\'') {
                *value += L'\'';
                ++pos_;
            } else {
                return true;
            }
        }
        return false;  // no closing quote
    }
    bool ReadWordOr() {
        if (pos_ + 2 > text_.size()) return false;
        if (std::towlower(text_[pos_]) != L'o' || std::towlower(text_[pos_ + 1]) != L'r') {
            return false;
        }
        pos_ += 2;
        return true;
    }

    const std::wstring& text_;
    std::size_t pos_ = 0;
};

}  // namespace

bool ParseFindFilter(const std::wstring& filter, std::vector<FindTerm>* terms) {
    return Parser(filter).Parse(terms);
}

}  // namespace model
