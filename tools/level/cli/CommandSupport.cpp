#include "cli/CommandSupport.hpp"

#include <sched.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <iostream>

#include "cli/Commands.hpp"
#include "console/DiagnosticPrinter.hpp"
#include "entities/GameNumbers.hpp"

std::string defaultAssets() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return "assets";
    }
    const std::filesystem::path staged = self.parent_path() / "assets";
    if (std::filesystem::is_directory(staged, error)) {
        return staged.string();
    }
    return (self.parent_path() / ZEMBROOK_INSTALLED_ASSETS).lexically_normal().string();
}

int timePointsIn(long minutes) {
    return static_cast<int>(minutes * 60 * static_cast<long>(kStepsPerSecond) /
                            static_cast<long>(StepsPerTimePoint));
}

namespace {

// Those this program may run on, which a container or `taskset` can make fewer than the
// machine's.
long processors() {
    cpu_set_t set;
    CPU_ZERO(&set);
    if (::sched_getaffinity(0, sizeof set, &set) == 0) {
        return std::max(1, CPU_COUNT(&set));
    }
    return std::max(1L, ::sysconf(_SC_NPROCESSORS_ONLN));
}

}  // namespace

int jobsFor(long asked, DiagnosticPrinter& diagnostics) {
    const long most = processors();
    if (asked > most) {
        diagnostics.note("--jobs " + std::to_string(asked) + " is more than the " +
                         std::to_string(most) + (most == 1 ? " processor" : " processors") +
                         " here, so " + std::to_string(most) + " games are played at once");
    }
    return static_cast<int>(asked > 0 ? std::min(asked, most) : most);
}

std::function<void(std::size_t done, std::size_t total)> progressOnTerminal(std::string what) {
    if (::isatty(STDERR_FILENO) == 0) {
        return [](std::size_t, std::size_t) {};
    }
    DiagnosticPrinter terminal(kProgramName, Output(std::cerr, "standard error"),
                               Diagnostic::Severity::Error);
    return [what = std::move(what), terminal, shown = std::size_t(101)](std::size_t done,
                                                                        std::size_t total) mutable {
        const std::size_t percent = total > 0 ? 100 * std::min(done, total) / total : 100;
        if (percent != shown) {
            shown = percent;
            terminal.progress(what + ": " + std::to_string(percent) + " %", done >= total);
        }
    };
}

std::function<void(std::size_t done)> progressOnTerminal(std::string what, std::size_t total) {
    return [line = progressOnTerminal(std::move(what)), total](std::size_t done) {
        line(done, total);
    };
}
