// Saves a large file over and over through the local file system until it is killed; the crash
// test kills it at random moments.
//
//   save_repeatedly TARGET SIZE
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "crash_contents.h"
#include "util/file_system.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: save_repeatedly TARGET SIZE\n", stderr);
        return 2;
    }
    const std::filesystem::path target = argv[1];
    const auto size = static_cast<std::size_t>(std::strtoull(argv[2], nullptr, 10));
    projcalc::LocalFileSystem files;
    for (unsigned generation = 1;; ++generation) {
        if (auto error =
                files.writeFileAtomic(target, projcalc::crash_test::contentsOf(generation, size))) {
            std::fprintf(stderr, "%s\n", error->description.c_str());
            return 1;
        }
    }
}
