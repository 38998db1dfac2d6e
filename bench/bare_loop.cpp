// The floor for text search: open each PDF, lay out every page once, count
// the words. Single-threaded.
#include <cstdio>
#include <memory>
#include <poppler-document.h>
#include <poppler-global.h>
#include <poppler-page.h>

int main(int argc, char** argv) {
    poppler::set_debug_error_function([](const std::string&, void*) {}, nullptr);
    long pages = 0, words = 0;
    for (int i = 1; i < argc; ++i) {
        std::unique_ptr<poppler::document> doc(poppler::document::load_from_file(argv[i]));
        if (!doc || doc->is_locked()) continue;
        for (int p = 0; p < doc->pages(); ++p, ++pages) {
            std::unique_ptr<poppler::page> page(doc->create_page(p));
            if (page) words += static_cast<long>(page->text_list().size());
        }
    }
    std::printf("%ld pages, %ld words\n", pages, words);
}
