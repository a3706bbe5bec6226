// The connection to the Vireo software controller on this PC.
#pragma once

#include <string>

#include "shared/connection/connection_base.h"
#include "vireo/blocks/param_blocks.h"
#include "vireo_api.h"

namespace Kova::TesselApi::Vireo {

// The operation tables name their types as the shared interfaces see them.
using Shared::CompileSink;
using Shared::DirSink;
using Shared::ErrorInfoSink;
using Shared::EthercatIdSink;
using Shared::EthercatInfoSink;
using Shared::FunctionInfoSink;
using Shared::ProcessSink;
using Shared::ProgressSink;
using Shared::ProjectKeyQuery;
using Shared::Result;
using Shared::StringSink;
using Shared::SxBusSliceSink;
using Shared::UpdateProgressSink;

class Connection_Vireo final : public Shared::ConnectionBase {
public:
    explicit Connection_Vireo(Shared::EventFunction eventFunction);
    ~Connection_Vireo() override;

    // Each row of the operation tables names its provider: Base rows are ConnectionBase's,
    // Vireo rows are written in this class's sources, NotSupported rows are generated.
#define KOVA_OP(ret, name, params, provider) KOVA_VIREO_DECLARE_##provider(ret, name, params)
#define KOVA_VIREO_DECLARE_Base(ret, name, params)
#define KOVA_VIREO_DECLARE_Vireo(ret, name, params) ret name params override;
#define KOVA_VIREO_DECLARE_NotSupported(ret, name, params) ret name params override;
#include "shared/connection/ops/01_connection_params.def"
#include "shared/connection/ops/main_table.def"
#undef KOVA_VIREO_DECLARE_NotSupported
#undef KOVA_VIREO_DECLARE_Vireo
#undef KOVA_VIREO_DECLARE_Base
#undef KOVA_OP

#include "vireo/parameters/parameter_overrides.inc"

    // Two slots of this connection type's own, kept for the layout of the object; they do nothing.
    virtual void ReservedOperation1() {}
    virtual void ReservedOperation2() {}

private:
    // What the library gets as the user pointer of its event callback.
    struct CallbackRecord {
        std::uint64_t reserved = 0;
        Connection_Vireo* connection = nullptr;
    };

    static void OnLibraryEvent(void* user, const vireo_api_event* event);
    void ForgetFirmwareVersion();

    bool connected_ = false;
    CallbackRecord callbackRecord_;
    // File transfer reaches the controller here, at its fixed port.
    std::string host_ = "127.0.0.1";
    double firmwareVersion_ = 0;
    double firmwareVersionWhole_ = 0;
    double firmwareVersionFraction_ = 0;
    ParamBlocks blocks_{*this};
};

}  // namespace Kova::TesselApi::Vireo
