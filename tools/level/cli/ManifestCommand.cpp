// zembrook-level manifest: the one reader of the ladder's manifest, asked by the launcher, the
// build and the completion, so that none of them keeps rules of its own about the file.

#include <algorithm>

#include "cli/Commands.hpp"
#include "cli/OptionRow.hpp"
#include "console/DiagnosticPrinter.hpp"
#include "console/OptionParser.hpp"
#include "console/Printable.hpp"
#include "console/UsageError.hpp"
#include "levelformat/LevelManifest.hpp"

namespace {

struct Settings {
    std::string manifest;
    bool names = false;
    bool files = false;
    std::vector<std::string> fileOf;  // the level named by --file, when it is given
    bool list = false;
    bool roff = false;
    bool rows = false;
};

// One answer at most, so the rows are alternatives rather than options to combine.
std::vector<OptionRow> rows(Settings& settings) {
    return {{{"--names", &settings.names}},         {{"--files", &settings.files}},
            {{"--file", &settings.fileOf}, "NAME"}, {{"--list", &settings.list}},
            {{"--roff", &settings.roff}},           {{"--rows", &settings.rows}}};
}

Settings parse(const std::vector<std::string>& arguments) {
    Settings settings;
    const std::vector<std::string> words =
        OptionParser("manifest", parserRows(rows(settings))).parse(arguments);
    if (words.size() != 1) {
        throw UsageError("manifest needs one manifest, such as levels/levels.tsv");
    }
    const std::size_t asked = settings.names + settings.files + settings.fileOf.size() +
                              settings.list + settings.roff + settings.rows;
    if (asked > 1) {
        throw UsageError(
            "manifest answers one of --names, --files, --file, --list, --roff and --rows");
    }
    settings.manifest = words[0];
    return settings;
}

std::string column(const std::vector<LevelEntry>& entries, std::string LevelEntry::*field) {
    std::string text;
    for (const LevelEntry& entry : entries) {
        text += printable(entry.*field) + "\n";
    }
    return text;
}

// Characters as a terminal counts them, one per UTF-8 sequence; printable text has no others.
std::size_t width(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string padded(const std::string& text, std::size_t size) {
    return text + std::string(size - std::min(size, width(text)), ' ');
}

// The table of zembrook --list, its columns as wide as their widest entry.
std::string table(const std::vector<LevelEntry>& entries) {
    std::size_t nameSize = 4;
    std::size_t titleSize = 5;
    for (const LevelEntry& entry : entries) {
        nameSize = std::max(nameSize, width(printable(entry.name)));
        titleSize = std::max(titleSize, width(printable(entry.title)));
    }
    std::string text = padded("name", nameSize) + "  " + padded("title", titleSize) +
                       "  difficulty  falls with nobody building\n";
    for (const LevelEntry& entry : entries) {
        const std::string difficulty = std::to_string(entry.difficulty);
        text += padded(printable(entry.name), nameSize) + "  " +
                padded(printable(entry.title), titleSize) + "  " +
                std::string(10 - std::min<std::size_t>(10, difficulty.size()), ' ') + difficulty +
                "  " + printable(entry.falls) + "\n";
    }
    return text;
}

// Roff takes a backslash for an escape and a line starting with '.' or "'" for a request.
std::string roffText(const std::string& text) {
    std::string escaped = (text.empty() || (text.front() != '.' && text.front() != '\''))
                              ? std::string()
                              : std::string("\\&");
    for (const char c : text) {
        escaped += c == '\\' ? std::string("\\e") : std::string(1, c);
    }
    return escaped;
}

// The manual page's list of levels: each name, its title and difficulty, and its idea as a
// sentence.
std::string manual(const std::vector<LevelEntry>& entries) {
    std::string text;
    for (const LevelEntry& entry : entries) {
        const std::string idea = roffText(printable(entry.idea));
        text += ".TP\n.B " + entry.name + "\n" + roffText(printable(entry.title)) +
                ", difficulty " + std::to_string(entry.difficulty) + ".\n";
        if (!idea.empty()) {
            const bool ended = idea.find_last_of(".!?") == idea.size() - 1;
            text += idea + (ended ? "\n" : ".\n");
        }
    }
    return text;
}

// Each level's seven columns as the reader took them, for a script: no comments, blank lines or
// DOS line ends, and nothing in a column that is not printable.
std::string rows(const std::vector<LevelEntry>& entries) {
    std::string text;
    for (const LevelEntry& entry : entries) {
        for (const std::string& column : {entry.name, entry.file, entry.title, entry.idea,
                                          std::to_string(entry.difficulty), entry.falls}) {
            text += printable(column) + "\t";
        }
        text += printable(entry.openings) + "\n";
    }
    return text;
}

std::string fileOf(const LevelManifest& manifest, const Settings& settings,
                   const std::string& name) {
    const LevelEntry* entry = manifest.find(name);
    if (entry == nullptr) {
        throw ManifestError(settings.manifest, {Diagnostic::Severity::Error, 0, 0,
                                                "no level is named '" + printable(name, 40) + "'"});
    }
    return printable(entry->file) + "\n";
}

}  // namespace

std::string manifestSynopsis() {
    Settings unused;
    std::string alternatives;
    for (const OptionRow& row : rows(unused)) {
        alternatives += (alternatives.empty() ? "" : " | ") + row.option.name +
                        (row.value.empty() ? "" : " " + row.value);
    }
    return "MANIFEST [" + alternatives + "]";
}

int manifestCommand(const std::vector<std::string>& arguments, DiagnosticPrinter&) {
    const Settings settings = parse(arguments);
    const LevelManifest manifest = LevelManifest::readFile(settings.manifest);
    const std::vector<LevelEntry>& entries = manifest.entries();
    if (settings.names) {
        writeStandardOutput(column(entries, &LevelEntry::name));
    } else if (settings.files) {
        writeStandardOutput(column(entries, &LevelEntry::file));
    } else if (!settings.fileOf.empty()) {
        writeStandardOutput(fileOf(manifest, settings, settings.fileOf.front()));
    } else if (settings.roff) {
        writeStandardOutput(manual(entries));
    } else if (settings.rows) {
        writeStandardOutput(rows(entries));
    } else {
        writeStandardOutput(table(entries));
    }
    return 0;
}
