#include "output/console.h"

#include <cstdio>

namespace zuvediv {
namespace {

void write_to(std::FILE* stream, std::string_view utf8) {
    std::fwrite(utf8.data(), 1, utf8.size(), stream);
    std::fflush(stream);
}

}  // namespace

void write_out(std::string_view utf8) { write_to(stdout, utf8); }
void write_err(std::string_view utf8) { write_to(stderr, utf8); }

}  // namespace zuvediv
