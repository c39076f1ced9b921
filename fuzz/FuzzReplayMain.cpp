// Replays seed files through a fuzz target without libFuzzer, so the normal build (any
// compiler) runs every seed of the corpus as a test:
//   fuzz_<name>_replay FILE_OR_FOLDER...
// Each file is fed once to LLVMFuzzerTestOneInput, in name order; a target reports a finding
// by aborting, as under libFuzzer. No seed at all is an error: a missing corpus must not pass.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int *argc, char ***argv);

namespace {

namespace fs = std::filesystem;

bool collect(const fs::path &arg, std::vector<fs::path> &files)
{
    std::error_code ec;
    if (fs::is_regular_file(arg, ec)) {
        files.push_back(arg);
        return true;
    }
    if (!fs::is_directory(arg, ec)) {
        std::fprintf(stderr, "%s: neither a file nor a folder\n", arg.c_str());
        return false;
    }
    std::vector<fs::path> found;
    for (const fs::directory_entry &e : fs::recursive_directory_iterator(arg, ec))
        if (e.is_regular_file())
            found.push_back(e.path());
    if (ec) {
        std::fprintf(stderr, "%s: %s\n", arg.c_str(), ec.message().c_str());
        return false;
    }
    std::sort(found.begin(), found.end());
    files.insert(files.end(), found.begin(), found.end());
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);

    std::vector<fs::path> files;
    for (int i = 1; i < argc; ++i)
        if (!collect(argv[i], files))
            return 1;
    if (files.empty()) {
        std::fprintf(stderr, "no seed files given\n");
        return 1;
    }
    for (const fs::path &file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        if (!in.eof() && in.fail()) {
            std::fprintf(stderr, "%s: cannot be read\n", file.c_str());
            return 1;
        }
        std::printf("%s (%zu bytes)\n", file.c_str(), bytes.size());
        std::fflush(stdout); // the name of the seed stays visible if the target aborts
        // A copy of exactly the seed's size, so a read past the end is caught under ASan.
        std::vector<uint8_t> exact(bytes.begin(), bytes.end());
        LLVMFuzzerTestOneInput(exact.empty() ? nullptr : exact.data(), exact.size());
    }
    std::printf("%zu seed(s) replayed\n", files.size());
    return 0;
}
