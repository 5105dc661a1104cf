// The add-in's own exception family. A message is a template whose "%n!"
// placeholders take the n-th argument (numbered from 1).
//
// The namespace `norv` is this small library's own name and nothing more:
// it has always been called that, and the exceptions' type names (in traces
// and in what callers catch) keep it. Everything else in the add-in lives in
// the global namespace or in one named after its folder.
#pragma once

#include <locale>
#include <stdexcept>
#include <string>
#include <vector>

namespace norv {

// Expands "%n!" placeholders: n from 1 to the argument count takes that
// argument; any other n (0, too large, overflowing) vanishes; a "%" not
// followed by digits and "!" stays as it is. Digits are those the locale
// classifies as decimal digits.
std::string ExpandMessageTemplate(const std::string& messageTemplate,
                                  const std::vector<std::string>& arguments,
                                  const std::locale& locale);

class Exception {
  public:
    virtual ~Exception() = default;
    // The expanded message.
    virtual std::string description(const std::locale& locale) const = 0;
    virtual std::string sourceFile() const = 0;
    virtual int sourceLine() const = 0;
};

template <class Derived, class Base>
class ExceptionBase : public Exception, public Base {
  public:
    ExceptionBase(const std::string& messageTemplate, const std::string& file, int line)
        : Base(messageTemplate), template_(messageTemplate), file_(file), line_(line) {}

    // Appends an argument for the next placeholder number.
    Derived& AddArgument(const std::string& argument) {
        arguments_.push_back(argument);
        cached_.clear();
        return static_cast<Derived&>(*this);
    }
    const std::vector<std::string>& arguments() const { return arguments_; }
    const std::string& messageTemplate() const { return template_; }

    std::string description(const std::locale& locale) const override {
        return ExpandMessageTemplate(template_, arguments_, locale);
    }
    std::string sourceFile() const override { return file_; }
    int sourceLine() const override { return line_; }

    // Expanded once with the default locale, then kept.
    const char* what() const noexcept override {
        try {
            if (cached_.empty()) {
                cached_ = description(std::locale());
            }
            return cached_.c_str();
        } catch (...) {
            return Base::what();
        }
    }

  private:
    std::string template_;
    std::vector<std::string> arguments_;
    std::string file_;
    int line_;
    mutable std::string cached_;
};

// A failure that may not happen again if the operation is retried (such as
// a UUID the system could not make).
class TransientException : public ExceptionBase<TransientException, std::runtime_error> {
  public:
    using ExceptionBase::ExceptionBase;
};

}  // namespace norv

// The update check throws this when the server cannot be reached; its type
// alone is the message.
class ServerUnavailable {};
