/* UTF-8 <-> UTF-16LE/BE with glibc's behaviour for these names: no byte order
   mark is written or consumed, invalid input fails with EILSEQ, input that ends
   inside a character with EINVAL, a full output with E2BIG. A character is
   converted whole or not at all, so a caller resumes by calling again. */
#include "iconv.h"

#include <ctype.h>
#include <errno.h>
#include <stdint.h>
#include <stdlib.h>

enum encoding { UTF8, UTF16LE, UTF16BE, UNKNOWN };

struct converter {
    enum encoding from, to;
};

/* Names as glibc accepts them: any case, with or without the hyphen. */
static int same_name(const char *name, const char *canonical)
{
    for (; *canonical; canonical++) {
        if (*canonical == '-' && *name != '-') continue;
        if (toupper((unsigned char)*name) != *canonical) return 0;
        name++;
    }
    return *name == '\0';
}

static enum encoding encoding_named(const char *name)
{
    if (same_name(name, "UTF-8")) return UTF8;
    if (same_name(name, "UTF-16LE")) return UTF16LE;
    if (same_name(name, "UTF-16BE")) return UTF16BE;
    return UNKNOWN;
}

iconv_t iconv_open(const char *tocode, const char *fromcode)
{
    struct converter *cv;
    enum encoding to = encoding_named(tocode), from = encoding_named(fromcode);
    if (to == UNKNOWN || from == UNKNOWN) {
        errno = EINVAL;
        return (iconv_t)-1;
    }
    cv = malloc(sizeof *cv);
    if (!cv) {
        errno = ENOMEM;
        return (iconv_t)-1;
    }
    cv->from = from;
    cv->to = to;
    return cv;
}

int iconv_close(iconv_t cd)
{
    free(cd);
    return 0;
}

/* The second byte's range narrows after these leads: no overlongs, surrogates
   or code points past U+10FFFF. */
static int second_byte_ok(unsigned char lead, unsigned char b)
{
    switch (lead) {
    case 0xE0: return b >= 0xA0 && b <= 0xBF;
    case 0xED: return b >= 0x80 && b <= 0x9F;
    case 0xF0: return b >= 0x90 && b <= 0xBF;
    case 0xF4: return b >= 0x80 && b <= 0x8F;
    default: return (b & 0xC0) == 0x80;
    }
}

/* Each reader returns the bytes the character takes, 0 when the input ends
   inside it, or -1 when it is invalid. */
static int read_utf8(const unsigned char *s, size_t n, uint32_t *cp)
{
    int len, i;
    uint32_t c;
    if (s[0] < 0x80) {
        *cp = s[0];
        return 1;
    }
    if (s[0] >= 0xC2 && s[0] <= 0xDF) len = 2, c = s[0] & 0x1F;
    else if (s[0] >= 0xE0 && s[0] <= 0xEF) len = 3, c = s[0] & 0x0F;
    else if (s[0] >= 0xF0 && s[0] <= 0xF4) len = 4, c = s[0] & 0x07;
    else return -1;
    for (i = 1; i < len; i++) {
        if ((size_t)i == n) return 0;
        if (i == 1 ? !second_byte_ok(s[0], s[1]) : (s[i] & 0xC0) != 0x80) return -1;
        c = c << 6 | (s[i] & 0x3F);
    }
    *cp = c;
    return len;
}

static uint32_t unit16(const unsigned char *s, int big)
{
    return big ? (uint32_t)s[0] << 8 | s[1] : (uint32_t)s[1] << 8 | s[0];
}

static int read_utf16(const unsigned char *s, size_t n, int big, uint32_t *cp)
{
    uint32_t high, low;
    if (n < 2) return 0;
    high = unit16(s, big);
    if (high < 0xD800 || high > 0xDFFF) {
        *cp = high;
        return 2;
    }
    if (high > 0xDBFF) return -1;
    if (n < 4) return 0;
    low = unit16(s + 2, big);
    if (low < 0xDC00 || low > 0xDFFF) return -1;
    *cp = 0x10000 + ((high - 0xD800) << 10) + (low - 0xDC00);
    return 4;
}

static size_t utf8_length(uint32_t c)
{
    return c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
}

static void write_utf8(uint32_t c, size_t len, unsigned char *o)
{
    static const unsigned char lead[] = {0, 0x00, 0xC0, 0xE0, 0xF0};
    size_t i;
    for (i = len - 1; i > 0; i--, c >>= 6) o[i] = 0x80 | (c & 0x3F);
    o[0] = lead[len] | c;
}

static void write_unit16(uint32_t u, int big, unsigned char *o)
{
    o[big ? 0 : 1] = u >> 8;
    o[big ? 1 : 0] = u & 0xFF;
}

static void write_utf16(uint32_t c, int big, unsigned char *o)
{
    if (c < 0x10000) {
        write_unit16(c, big, o);
        return;
    }
    c -= 0x10000;
    write_unit16(0xD800 | c >> 10, big, o);
    write_unit16(0xDC00 | (c & 0x3FF), big, o + 2);
}

/* Converts one character from in to out; returns the bytes read, or sets
   errno and returns 0. */
static size_t convert_one(const struct converter *cv, const unsigned char *in, size_t n,
                          unsigned char *out, size_t room, size_t *written)
{
    uint32_t c;
    int used = cv->from == UTF8 ? read_utf8(in, n, &c) : read_utf16(in, n, cv->from == UTF16BE, &c);
    if (used <= 0) {
        errno = used == 0 ? EINVAL : EILSEQ;
        return 0;
    }
    *written = cv->to == UTF8 ? utf8_length(c) : c < 0x10000 ? 2 : 4;
    if (*written > room) {
        errno = E2BIG;
        return 0;
    }
    if (cv->to == UTF8) write_utf8(c, *written, out);
    else write_utf16(c, cv->to == UTF16BE, out);
    return (size_t)used;
}

size_t iconv(iconv_t cd, char **inbuf, size_t *inbytesleft, char **outbuf, size_t *outbytesleft)
{
    const unsigned char *in;
    unsigned char *out;
    size_t n, room, used = 1, written = 0;
    if (cd == (iconv_t)-1 || cd == NULL) {
        errno = EBADF;
        return (size_t)-1;
    }
    /* These encodings have no shift state to reset or to emit. */
    if (inbuf == NULL || *inbuf == NULL) return 0;
    in = (const unsigned char *)*inbuf;
    out = (unsigned char *)*outbuf;
    n = *inbytesleft;
    room = *outbytesleft;
    while (n > 0) {
        used = convert_one(cd, in, n, out, room, &written);
        if (used == 0) break;
        in += used, n -= used;
        out += written, room -= written;
    }
    *inbuf = (char *)in;
    *inbytesleft = n;
    *outbuf = (char *)out;
    *outbytesleft = room;
    return used == 0 ? (size_t)-1 : 0;
}
