#include "ChooserOptions.hpp"

const char* const kChooserUsage =
    "Usage: zembrook-chooser --launcher PATH --data DIR [--] [FILE]\n"
    "Shows Zembrook's ladder of levels in a window; a click on a level plays it.\n"
    "The launcher runs this for 'zembrook --choose'; players need not run it themselves.\n"
    "\n"
    "  --launcher PATH  the zembrook launcher, run as 'PATH NAME' to play the level NAME\n"
    "  --data DIR       the game's data folder, holding assets/ and levels/levels.tsv\n"
    "  -h, --help       show this help and exit\n"
    "\n"
    "A FILE is played at once, as 'PATH -- FILE', and the ladder is shown after it.\n"
    "Exit status: 0 when the window is closed, 1 when the ladder cannot be shown, 2 on bad "
    "usage.\n";

namespace {

void take(std::optional<std::string>& file, const std::string& word) {
    if (word.empty()) {
        throw UsageError("the level file name is empty");
    }
    if (file) {
        throw UsageError("one level file at most, but both '" + *file + "' and '" + word +
                         "' were given");
    }
    file = word;
}

}  // namespace

ChooserOptions ChooserOptions::parse(const std::vector<std::string>& words) {
    ChooserOptions options;
    std::optional<std::string> launcher;
    std::optional<std::string> data;
    bool operands = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (operands || word.empty() || word == "-" || word[0] != '-') {
            take(options.file, word);
        } else if (word == "--") {
            operands = true;
        } else if (word == "-h" || word == "--help") {
            options.help = true;
        } else if (word == "--launcher" || word == "--data") {
            if (i + 1 == words.size() || words[i + 1].empty()) {
                throw UsageError(word + " needs a value");
            }
            (word == "--launcher" ? launcher : data) = words[++i];
        } else {
            throw UsageError("unknown option '" + word + "'");
        }
    }
    if (!options.help && (!launcher || !data)) {
        throw UsageError(launcher ? "--data is missing" : "--launcher is missing");
    }
    options.launcher = launcher.value_or("");
    options.data = data.value_or("");
    return options;
}
