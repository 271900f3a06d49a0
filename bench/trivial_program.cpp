// The baseline of tolvo-fit's timings: a C++ program that does nothing but
// write LINES lines (default 1) of about the length of a table line.
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    const long lines = argc > 1 ? std::atol(argv[1]) : 1;
    std::string out;
    for (long i = 0; i < lines; ++i) out += "shaft zc 18 2800 3150 undefined\n";
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}
