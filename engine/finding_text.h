#pragma once
// Joins the parts of a finding text in one allocation: a run writes about a hundred texts, and
// joining them with operator+ reallocates each one several times as it grows.

#include <charconv>
#include <string>
#include <string_view>

namespace engine {

namespace text_parts {

inline void Append(std::string& text, std::string_view part) {
    text += part;
}
inline void Append(std::string& text, char c) {
    text += c;
}
inline void Append(std::string& text, int number) {
    char digits[12];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    text.append(digits, end);
}

} // namespace text_parts

// Texts, characters and decimal numbers, in order: JoinText("Le ", '5', " supprimé en L", 2).
template <typename... Parts> std::string JoinText(const Parts&... parts) {
    std::string text;
    text.reserve(80);
    (text_parts::Append(text, parts), ...);
    return text;
}

} // namespace engine
