#include "shell/ConsoleDialogs.h"

#include "render/Cp1252.h"

#include <iostream>

namespace quillora {

void ConsoleDialogs::Print(const std::string& text) const {
    std::cerr << program_ << ": " << Cp1252ToUtf8(text) << "\n";
}

void ConsoleDialogs::Error(const std::string& title, const std::string& text) {
    ++errors;
    Print(title.empty() ? text : title + ": " + text);
}

Answer ConsoleDialogs::Question(const std::string&, const std::string& text) {
    Print(text);
    return Answer::No;
}

}  // namespace quillora
