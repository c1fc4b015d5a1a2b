#include "storage/text_conv.h"

#include "platform/program_folder.h"
#include "storage/stdout_line.h"

#include <climits>
#include <cstring>
#include <dlfcn.h>
#include <string>

namespace zyntra {
namespace {

using IconvOpenFn = void* (*)(const char* to, const char* from);
using IconvFn = std::size_t (*)(void* cd, char** in, std::size_t* inLeft, char** out,
                                std::size_t* outLeft);
using IconvCloseFn = int (*)(void* cd);

void* const kNoDescriptor = reinterpret_cast<void*>(-1);

// The library is bound for as long as a descriptor is open, so a removed
// iconv.dll fails the next conv_open.
struct Converter {
    void* library = nullptr;
    void* cd = kNoDescriptor;
    IconvOpenFn open = nullptr;
    IconvFn run = nullptr;
    IconvCloseFn close = nullptr;
};

Converter converter;

template <typename Fn> bool Resolve(void* handle, const char* name, Fn& fn) {
    fn = reinterpret_cast<Fn>(dlsym(handle, name));
    return fn != nullptr;
}

bool BindLibrary(Converter& c) {
    std::string file = ProgramFolder() + "iconv.dll";
    c.library = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (c.library == nullptr)
        return false;
    return Resolve(c.library, "libiconv_open", c.open) && Resolve(c.library, "libiconv", c.run) &&
           Resolve(c.library, "libiconv_close", c.close);
}

} // namespace

const char* InterfaceCharset(std::string_view systemLanguage) {
    if (systemLanguage == "zh_CN")
        return "GB2312";
    if (systemLanguage == "en_US")
        return "ARMSCII-8";
    return "BIG5";
}

int conv_open(const char* from, const char* to) {
    conv_close();
    if (from != nullptr && to != nullptr && BindLibrary(converter))
        converter.cd = converter.open(to, from);
    if (converter.cd == kNoDescriptor) {
        conv_close();
        StdoutLine("iconv_open() failed.\n");
        return -1;
    }
    return 1;
}

int conv_run(const char* in, std::size_t len, char* out, std::size_t outSize) {
    if (converter.cd == kNoDescriptor) {
        StdoutLine("iconv_open() failed.\n");
        return -1;
    }
    if (in == nullptr || len == 0) {
        StdoutLine("iconv_open() failed.\n");
        return -3;
    }
    // One byte stays untouched for the caller's terminating zero.
    std::size_t room = out != nullptr && outSize > 0 ? outSize - 1 : 0;
    if (room > INT_MAX)
        room = INT_MAX;
    char* inPtr = const_cast<char*>(in);
    std::size_t inLeft = len;
    char* outPtr = out;
    std::size_t outLeft = room;
    converter.run(converter.cd, nullptr, nullptr, nullptr, nullptr);
    bool stopped = converter.run(converter.cd, &inPtr, &inLeft, &outPtr, &outLeft) ==
                       static_cast<std::size_t>(-1) ||
                   converter.run(converter.cd, nullptr, nullptr, &outPtr, &outLeft) ==
                       static_cast<std::size_t>(-1);
    if (stopped) {
        StdoutLine("iconv() failed.\n");
        return -2;
    }
    return static_cast<int>(room - outLeft);
}

void conv_close() {
    if (converter.cd != kNoDescriptor)
        converter.close(converter.cd);
    if (converter.library != nullptr)
        dlclose(converter.library);
    converter = Converter{};
}

void complement_copy(const char* src, std::size_t len, char* dst) {
    for (std::size_t i = 0; i < len; ++i)
        dst[i] = static_cast<char>(~static_cast<unsigned char>(src[i]));
}

bool db_text_equal(const char* dbText, std::string_view memText, bool convert, bool complement) {
    std::size_t a = dbText != nullptr ? std::strlen(dbText) : 0;
    std::size_t b = memText.size();
    if (a == 0)
        return b == 0;
    if (!convert)
        return a == b && std::memcmp(dbText, memText.data(), a) == 0;
    // An empty text converts to an empty one; conv_run would only report it.
    if (b == 0)
        return false;
    char converted[kConvBufferSize] = {};
    conv_run(memText.data(), b, converted, sizeof converted);
    std::size_t length = std::strlen(converted);
    const char* text = converted;
    char complemented[kConvBufferSize] = {};
    if (complement) {
        complement_copy(converted, length, complemented);
        text = complemented;
    }
    return length == a && std::memcmp(text, dbText, a) == 0;
}

} // namespace zyntra
