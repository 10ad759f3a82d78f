#include "reader/StatusText.h"

#include <string>

namespace rules {

std::string FormatCount(long long value) {
    // Work on the magnitude as unsigned so that the smallest value has one too.
    unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                             : static_cast<unsigned long long>(value);
    std::string digits = std::to_string(magnitude);

    std::string out;
    out.reserve(digits.size() + digits.size() / 3 + 1);
    if (value < 0)
        out.push_back('-');
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out.push_back(',');
        out.push_back(digits[i]);
    }
    return out;
}

std::string_view cutBeforeParenthesis(std::string_view label) {
    return label.substr(0, label.find('('));
}

std::string ProgressSuffix(std::string_view label) {
    std::string out(cutBeforeParenthesis(label));
    out.append(" ( Dalam proses... )");
    return out;
}

std::string CountSuffix(std::string_view label, long long occurrences) {
    std::string out(cutBeforeParenthesis(label));
    out.append(" ( ");
    out.append(FormatCount(occurrences));
    out.append(" Kata )");
    return out;
}

}  // namespace rules
