#pragma once

#include <cstdio>
#include <string>

namespace projcalc::crash_test {

// The file the crash test saves over and over: a header that names its generation, then one
// letter of that generation up to the size. Any mix of two generations, a cut or an empty file
// shows.
inline std::string contentsOf(unsigned generation, std::size_t size) {
    char header[32];
    const int length = std::snprintf(header, sizeof header, "generation %010u\n", generation);
    std::string contents(header, static_cast<std::size_t>(length));
    contents.resize(size, static_cast<char>('a' + generation % 26));
    return contents;
}

// The generation of a complete file of this size, or 0 when it is not one.
inline unsigned generationOf(const std::string& contents, std::size_t size) {
    unsigned generation = 0;
    if (contents.size() != size ||
        std::sscanf(contents.c_str(), "generation %10u\n", &generation) != 1 || generation == 0) {
        return 0;
    }
    return contents == contentsOf(generation, size) ? generation : 0;
}

}  // namespace projcalc::crash_test
