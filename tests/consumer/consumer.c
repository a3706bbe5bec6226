/* Opens a connection through the installed module and asks the controller for 1+2. */
#include <stdio.h>
#include <string.h>

#include "kova/tesselapi.h"

static void keep(void* user, const char* text, uint32_t length) {
    char* reply = (char*)user;
    size_t n = length < 63 ? length : 63;
    memcpy(reply, text, n);
    reply[n] = '\0';
}

int main(void) {
    kova_version version = {KOVA_VERSION_MAJOR, KOVA_VERSION_MINOR, KOVA_VERSION_PATCH, KOVA_VERSION_BUILD};
    kova_context context = NULL;
    char reply[64] = "";
    if (kova_CreateContext(&version, NULL, NULL, &context) != 0) return 1;
    int ok = kova_OpenConnection(context) == 0 &&
             kova_ExecuteWithResponse4c(context, "PRINT 1+2", keep, reply) == 0 && reply[0] == '3';
    printf("PRINT 1+2 answers %s", reply);
    return kova_DestroyContext(context) == 0 && ok ? 0 : 1;
}
