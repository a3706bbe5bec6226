// One open connection to the stand-in, shared by every benchmark of the run.
#pragma once

#include <cstdlib>

#include "kova/tesselapi.h"

inline kova_context OpenSession() {
    static kova_context context = [] {
        const kova_version version{KOVA_VERSION_MAJOR, KOVA_VERSION_MINOR, KOVA_VERSION_PATCH, KOVA_VERSION_BUILD};
        kova_context made = nullptr;
        if (kova_CreateContext(&version, nullptr, nullptr, &made) != 0 || kova_OpenConnection(made) != 0) std::abort();
        return made;
    }();
    return context;
}
