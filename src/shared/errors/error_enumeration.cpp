#include "shared/errors/error_enumeration.h"

namespace Kova::TesselApi::Shared {

Result EnumerateErrors(std::initializer_list<ErrorSource> sources, const ErrorInfoSink& sink) {
    std::vector<ErrorInfo> errors;
    Result combined = kSuccess;
    for (const ErrorSource& source : sources) {
        const Result result = source ? source(errors) : kSuccess;
        // A controller without a source, or with nothing to say, still has the other sources.
        const bool goesOn = result == kSuccess || result == Error(Fail) || result == Error(NotSupported);
        if (!goesOn) return result;
        if (combined == kSuccess) combined = result;
    }
    if (sink) {
        for (const ErrorInfo& error : errors) sink(error);
    }
    return combined;
}

}  // namespace Kova::TesselApi::Shared
