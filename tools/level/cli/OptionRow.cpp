#include "cli/OptionRow.hpp"

std::vector<Option> parserRows(const std::vector<OptionRow>& rows) {
    std::vector<Option> options;
    for (const OptionRow& row : rows) {
        options.push_back(row.option);
    }
    return options;
}

std::string synopsisOf(const std::vector<OptionRow>& rows) {
    std::string text;
    for (const OptionRow& row : rows) {
        const auto& destination = row.option.destination;
        text += (text.empty() ? "[" : " [") + row.option.name +
                (row.value.empty() ? "" : " " + row.value) + "]" +
                (std::holds_alternative<std::vector<std::string>*>(destination) ? "..." : "");
    }
    return text;
}
