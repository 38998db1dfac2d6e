/* Native check of our iconv against glibc's results for the same input.
   Prints "N passed, N failed"; exits non-zero on any failure. */
#include "iconv.h"

#include <errno.h>
#include <stdio.h>
#include <string.h>

static int passed, failed;

static void check(int ok, const char *what)
{
    if (ok) passed++;
    else failed++, printf("FAIL: %s\n", what);
}

/* Converts len bytes of in with an output of room bytes; the counts and errno
   land in the out-parameters so a case can check where the conversion stopped. */
struct run {
    size_t result, in_left, out_len;
    int error;
    char out[64];
};

static struct run convert(const char *to, const char *from, const char *in, size_t len, size_t room)
{
    struct run r = {0};
    iconv_t cd = iconv_open(to, from);
    char *ip = (char *)in, *op = r.out;
    size_t out_left = room;
    errno = 0;
    r.in_left = len;
    r.result = iconv(cd, &ip, &r.in_left, &op, &out_left);
    r.error = errno;
    r.out_len = room - out_left;
    iconv_close(cd);
    return r;
}

static int same(const struct run *r, const char *bytes, size_t len)
{
    return r->out_len == len && memcmp(r->out, bytes, len) == 0;
}

static void test_ascii_and_kanji(void)
{
    struct run r = convert("UTF-16LE", "UTF-8", "Ab\xe6\xbc\xa2\xe5\xad\x97", 8, 64);
    check(r.result == 0 && same(&r, "A\0b\0\x22\x6f\x57\x5b", 8), "ASCII and kanji to UTF-16LE");
    r = convert("UTF-8", "UTF-16LE", "A\0b\0\x22\x6f\x57\x5b", 8, 64);
    check(r.result == 0 && same(&r, "Ab\xe6\xbc\xa2\xe5\xad\x97", 8), "ASCII and kanji from UTF-16LE");
    r = convert("utf16be", "utf8", "\xe6\xbc\xa2", 3, 64);
    check(r.result == 0 && same(&r, "\x6f\x22", 2), "lower-case names without hyphens, big endian");
}

static void test_surrogate_pairs(void)
{
    /* U+20BB7, a kanji outside the BMP. */
    struct run r = convert("UTF-16LE", "UTF-8", "\xf0\xa0\xae\xb7", 4, 64);
    check(r.result == 0 && same(&r, "\x42\xd8\xb7\xdf", 4), "supplementary character to a pair");
    r = convert("UTF-8", "UTF-16LE", "\x42\xd8\xb7\xdf", 4, 64);
    check(r.result == 0 && same(&r, "\xf0\xa0\xae\xb7", 4), "pair to a supplementary character");
    r = convert("UTF-8", "UTF-16LE", "\xb7\xdf" "A\0", 4, 64);
    check(r.result == (size_t)-1 && r.error == EILSEQ && r.in_left == 4, "lone low surrogate");
    r = convert("UTF-8", "UTF-16LE", "\x42\xd8" "A\0", 4, 64);
    check(r.result == (size_t)-1 && r.error == EILSEQ && r.in_left == 4, "high surrogate without low");
}

static void test_output_full_resumes(void)
{
    const char *in = "a\xe6\xbc\xa2" "b";
    char out[8], *ip = (char *)in, *op = out;
    size_t in_left = 5, out_left = 3;
    iconv_t cd = iconv_open("UTF-16LE", "UTF-8");
    size_t result = iconv(cd, &ip, &in_left, &op, &out_left);
    /* Room for "a" and one byte: the kanji must not be half written. */
    check(result == (size_t)-1 && errno == E2BIG && in_left == 4 && out_left == 1, "E2BIG stops before a character");
    out_left += 5;
    result = iconv(cd, &ip, &in_left, &op, &out_left);
    check(result == 0 && in_left == 0 && op - out == 6 && memcmp(out, "a\0\x22\x6f" "b\0", 6) == 0,
          "the next call goes on where the first stopped");
    iconv_close(cd);
}

static void test_invalid_input(void)
{
    struct run r = convert("UTF-16LE", "UTF-8", "ab\xff" "c", 4, 64);
    check(r.result == (size_t)-1 && r.error == EILSEQ && r.in_left == 2 && same(&r, "a\0b\0", 4), "invalid byte");
    r = convert("UTF-16LE", "UTF-8", "\xc0\xaf", 2, 64);
    check(r.error == EILSEQ && r.in_left == 2, "overlong encoding");
    r = convert("UTF-16LE", "UTF-8", "\xed\xa0\x80", 3, 64);
    check(r.error == EILSEQ && r.in_left == 3, "encoded surrogate");
    r = convert("UTF-16LE", "UTF-8", "\xf4\x90\x80\x80", 4, 64);
    check(r.error == EILSEQ && r.in_left == 4, "past U+10FFFF");
    r = convert("UTF-16LE", "UTF-8", "\xe6" "a", 2, 64);
    check(r.error == EILSEQ && r.in_left == 2, "lead byte followed by ASCII");
}

static void test_truncated_input(void)
{
    struct run r = convert("UTF-16LE", "UTF-8", "a\xe6\xbc", 3, 64);
    check(r.result == (size_t)-1 && r.error == EINVAL && r.in_left == 2 && same(&r, "a\0", 2), "UTF-8 cut short");
    r = convert("UTF-8", "UTF-16LE", "a\0\x42\xd8", 4, 64);
    check(r.error == EINVAL && r.in_left == 2 && same(&r, "a", 1), "UTF-16 pair cut short");
    r = convert("UTF-8", "UTF-16LE", "a\0b", 3, 64);
    check(r.error == EINVAL && r.in_left == 1 && same(&r, "a", 1), "odd byte at the end");
}

static void test_byte_order_marks_pass_through(void)
{
    struct run r = convert("UTF-16LE", "UTF-8", "\xef\xbb\xbf" "A", 4, 64);
    check(r.result == 0 && same(&r, "\xff\xfe" "A\0", 4), "UTF-8 BOM is a character");
    r = convert("UTF-8", "UTF-16LE", "\xff\xfe" "A\0", 4, 64);
    check(r.result == 0 && same(&r, "\xef\xbb\xbf" "A", 4), "UTF-16LE BOM is a character");
}

static void test_open_and_reset(void)
{
    iconv_t cd = iconv_open("UTF-8", "SHIFT_JIS");
    check(cd == (iconv_t)-1 && errno == EINVAL, "unsupported encoding");
    cd = iconv_open("UTF-8", "UTF-16");
    check(cd == (iconv_t)-1, "UTF-16 with a BOM is not among ours");
    cd = iconv_open("UTF-8", "UTF-16LE");
    check(iconv(cd, NULL, NULL, NULL, NULL) == 0, "reset");
    iconv_close(cd);
}

int main(void)
{
    test_ascii_and_kanji();
    test_surrogate_pairs();
    test_output_full_resumes();
    test_invalid_input();
    test_truncated_input();
    test_byte_order_marks_pass_through();
    test_open_and_reset();
    printf("%d passed, %d failed\n", passed, failed);
    return failed != 0;
}
