/* The smallest application of the module: make a context, ask for the API version, talk to the
   controller (the simulated one of the stand-in library, or a real one), name a few results, and
   end the context. Uses the public header and the shared module only. */
#include <inttypes.h>
#include <stdio.h>
#include <string.h>

#include "kova/tesselapi.h"

/* Texts arrive through callbacks; this one keeps the latest in a fixed buffer. */
typedef struct {
    char text[512];
} text_buffer;

static void keep_text(void* user, const char* text, uint32_t length) {
    text_buffer* buffer = (text_buffer*)user;
    size_t n = length < sizeof buffer->text - 1 ? length : sizeof buffer->text - 1;
    memcpy(buffer->text, text, n);
    buffer->text[n] = '\0';
}

/* Returns false when the module has no name or text for the result. */
static bool print_result(kova_result result) {
    text_buffer name = {""};
    text_buffer text = {""};
    kova_GetErrorName(result, keep_text, &name);
    kova_GetErrorString(result, keep_text, &text);
    printf("  0x%010" PRIx64 "  %-28s %s\n", result, name.text, text.text);
    return name.text[0] != '\0' && text.text[0] != '\0';
}

int main(void) {
    kova_version version = {KOVA_VERSION_MAJOR, KOVA_VERSION_MINOR, KOVA_VERSION_PATCH, KOVA_VERSION_BUILD};
    kova_context context = NULL;
    kova_result result = kova_CreateContext(&version, NULL, NULL, &context);
    if (result != 0) {
        fprintf(stderr, "kova_CreateContext failed: 0x%" PRIx64 "\n", result);
        return 1;
    }

    text_buffer api = {""};
    result = kova_GetApiVersionStr(context, keep_text, &api);
    if (result != 0) {
        fprintf(stderr, "kova_GetApiVersionStr failed: 0x%" PRIx64 "\n", result);
        kova_DestroyContext(context);
        return 1;
    }
    printf("Kova Tessel API %s\n", api.text);

    result = kova_OpenConnection(context);
    if (result != 0) {
        fprintf(stderr, "kova_OpenConnection failed: 0x%" PRIx64 "\n", result);
        kova_DestroyContext(context);
        return 1;
    }
    double firmware = 0;
    kova_GetFirmwareVersionNumber(context, &firmware);
    text_buffer reply = {""};
    result = kova_ExecuteWithResponse4c(context, "PRINT 1+2", keep_text, &reply);
    printf("Controller firmware %.4f; PRINT 1+2 answers %s", firmware, result == 0 ? reply.text : "nothing\n");
    if (result != 0) {
        kova_DestroyContext(context);
        return 1;
    }

    const kova_result samples[] = {
        0,
        KOVA_RESULT_LIBRARY | KOVA_NotSupported,
        KOVA_RESULT_LIBRARY | KOVA_BadArgument,
        KOVA_RESULT_FATAL | KOVA_RESULT_LIBRARY | KOVA_InvalidContext,
        KOVA_RESULT_FATAL | KOVA_RESULT_LIBRARY | KOVA_Timeout,
        kova_Execute(context, "NO_SUCH_COMMAND"),
    };
    printf("Results:\n");
    bool all_named = true;
    for (size_t i = 0; i < sizeof samples / sizeof samples[0]; ++i) all_named = print_result(samples[i]) && all_named;

    result = kova_DestroyContext(context);
    if (result != 0) {
        fprintf(stderr, "kova_DestroyContext failed: 0x%" PRIx64 "\n", result);
        return 1;
    }
    return all_named ? 0 : 1;
}
