#include "reader/ExportFormat.h"

#include "reader/AsciiCase.h"

namespace rules {

std::string_view FileNameExtension(std::string_view path) {
    const std::size_t separator = path.find_last_of("\\/");
    const std::string_view name =
        separator == std::string_view::npos ? path : path.substr(separator + 1);
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string_view{} : name.substr(dot);
}

bool SavesAsPlainText(std::string_view path) {
    const std::string_view extension = FileNameExtension(path);
    constexpr std::string_view text = ".txt";
    if (extension.size() != text.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (lowerAZ(extension[i]) != text[i])
            return false;
    }
    return true;
}

}  // namespace rules
