#include "console/OptionParser.hpp"

#include <algorithm>
#include <charconv>
#include <climits>
#include <optional>

#include "console/UsageError.hpp"

namespace {

// Digits only, all of them: no sign, no spaces, no base prefix, no exponent, no fraction, so
// that "1e3" or "0x10" is never quietly taken for 1 or 0.
std::optional<long> wholeNumber(const std::string& text) {
    unsigned long value = 0;
    const char* const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || value > static_cast<unsigned long>(LONG_MAX)) {
        return std::nullopt;
    }
    return static_cast<long>(value);
}

// Puts a value where its option's table line says.
class Store {
public:
    Store(const std::string& name, const std::string& value) : name(name), value(value) {}

    void operator()(bool*) const {}
    void operator()(std::string* text) const { *text = value; }
    void operator()(std::vector<std::string>* list) const { list->push_back(value); }
    void operator()(const WholeNumber& number) const {
        const std::optional<long> read = wholeNumber(value);
        if (!read || *read < number.least || *read > number.most) {
            throw UsageError(name + " takes a whole number from " + std::to_string(number.least) +
                             " to " + std::to_string(number.most) + ", not '" + value + "'");
        }
        *number.value = *read;
    }

private:
    const std::string& name;
    const std::string& value;
};

}  // namespace

std::vector<std::string> OptionParser::parse(const std::vector<std::string>& words) const {
    std::vector<std::string> others;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (optionsEnded || word.size() < 2 || word[0] != '-') {
            others.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t equals = word.rfind("--", 0) == 0 ? word.find('=') : std::string::npos;
        const std::string name = word.substr(0, equals);
        const Option& option = find(name);
        if (std::holds_alternative<bool*>(option.destination)) {
            if (equals != std::string::npos) {
                throw UsageError(name + " takes no value");
            }
            *std::get<bool*>(option.destination) = true;
            continue;
        }
        if (equals == std::string::npos && i + 1 == words.size()) {
            throw UsageError(name + " needs a value");
        }
        const std::string value =
            equals != std::string::npos ? word.substr(equals + 1) : words[++i];
        std::visit(Store(name, value), option.destination);
    }
    return others;
}

const Option& OptionParser::find(const std::string& name) const {
    const auto found = std::find_if(options.begin(), options.end(),
                                    [&name](const Option& option) { return option.name == name; });
    if (found == options.end()) {
        throw UsageError(command + " has no option " + name);
    }
    return *found;
}
