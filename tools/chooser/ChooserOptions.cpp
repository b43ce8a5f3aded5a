#include "ChooserOptions.hpp"

#include "console/OptionParser.hpp"
#include "console/UsageError.hpp"

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
    "A ladder longer than the window scrolls with the wheel, the arrow keys, Page Up and Down,\n"
    "Home and End.\n"
    "Exit status: 0 when the window is closed, 1 when the ladder cannot be shown, 2 on bad "
    "usage.\n";

namespace {

// The value of an option the chooser cannot do without. The parser gathers it in a list, so
// that an option given an empty value is told apart from one not given at all; the last one
// given counts.
std::string required(const std::string& name, const std::vector<std::string>& given) {
    if (given.empty()) {
        throw UsageError(name + " is missing");
    }
    if (given.back().empty()) {
        throw UsageError(name + " needs a value");
    }
    return given.back();
}

}  // namespace

ChooserOptions ChooserOptions::parse(const std::vector<std::string>& words) {
    ChooserOptions options;
    std::vector<std::string> launchers;
    std::vector<std::string> datas;
    const std::vector<std::string> files = OptionParser("the chooser",
                                                        {
                                                            {"--launcher", &launchers},
                                                            {"--data", &datas},
                                                            {"--help", &options.help},
                                                            {"-h", &options.help},
                                                        })
                                               .parse(words);
    if (options.help) {
        return options;
    }
    options.launcher = required("--launcher", launchers);
    options.data = required("--data", datas);
    if (files.size() > 1) {
        throw UsageError("one level file at most, but both '" + files[0] + "' and '" + files[1] +
                         "' were given");
    }
    if (!files.empty()) {
        if (files[0].empty()) {
            throw UsageError("the level file name is empty");
        }
        options.file = files[0];
    }
    return options;
}
