#include <iconv.h>
#include <stddef.h>

#define SHIM_EXPORT __attribute__((visibility("default")))

/* GNU libiconv's names and argument order: the target charset comes first. */

SHIM_EXPORT void* libiconv_open(const char* tocode, const char* fromcode) {
    return (void*)iconv_open(tocode, fromcode);
}

SHIM_EXPORT size_t libiconv(void* cd, char** inbuf, size_t* inbytesleft, char** outbuf,
                            size_t* outbytesleft) {
    return iconv((iconv_t)cd, inbuf, inbytesleft, outbuf, outbytesleft);
}

SHIM_EXPORT int libiconv_close(void* cd) {
    return iconv_close((iconv_t)cd);
}
