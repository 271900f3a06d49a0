// Runs the built tolvo-fit as a user's shell does and collects what it did.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace tolvo::fit_test {

struct ProgramRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::string ShellQuoted(const std::string& word) {
    std::string quoted = "'";
    for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Each argument is passed as one word; `input` is a file for standard input;
// `output` redirects standard output instead of collecting it (">/dev/full",
// ">&-").
inline ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                             const std::string& input = {}, const std::string& output = {}) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path();
    const std::string tag =
        std::to_string(std::rand()) + std::to_string(reinterpret_cast<std::uintptr_t>(&args));
    const std::filesystem::path out = dir / ("tolvo-fit-" + tag + ".out");
    const std::filesystem::path err = dir / ("tolvo-fit-" + tag + ".err");
    std::string command = ShellQuoted(program);
    for (const std::string& arg : args) command += " " + ShellQuoted(arg);
    if (!input.empty()) command += " <" + ShellQuoted(input);
    command += (output.empty() ? " >" + ShellQuoted(out.string()) : " " + output) + " 2>" +
               ShellQuoted(err.string());
    ProgramRun run;
    const int raw = std::system(command.c_str());
#ifdef _WIN32
    run.status = raw;
#else
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
    run.out = ReadFile(out);
    run.err = ReadFile(err);
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return run;
}

#ifdef TOLVO_FIT_PROGRAM
inline ProgramRun RunFit(const std::vector<std::string>& args, const std::string& input = {},
                         const std::string& output = {}) {
    return RunProgram(TOLVO_FIT_PROGRAM, args, input, output);
}
#endif

}  // namespace tolvo::fit_test
