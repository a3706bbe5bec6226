// Programs, the program store, files and processes, and file transfer.
#include <string>

#include "api/call.h"
#include "kova/tesselapi.h"

using namespace Kova::TesselApi::Api;
namespace Shared = Kova::TesselApi::Shared;

namespace {

// A null callback gives an empty sink, which the operation judges (a listing refuses it, a transfer
// or a compile goes on without reports). The C compile callback takes terminated texts and a null
// pointer for a text the message lacks.
Shared::CompileSink CompileSinkOf(kova_compile_callback callback, void* user) {
    if (callback == nullptr) return {};
    return [callback, user](std::uint32_t type, std::string_view program, std::uint32_t line, std::uint32_t code,
                            std::string_view text) {
        const std::string programText(program);
        const std::string messageText(text);
        callback(user, type, program.empty() ? nullptr : programText.c_str(), line, code,
                 text.empty() ? nullptr : messageText.c_str());
    };
}

}  // namespace

kova_result kova_RunProgram3(kova_context h, const char* name, uint32_t process) {
    return Call(h, [&](IConnection& c) { return c.RunProgram3(In(name), process); });
}
kova_result kova_RunProgram2(kova_context h, const char* name) {
    return Call(h, [&](IConnection& c) { return c.RunProgram2(In(name)); });
}
kova_result kova_StopProgram3(kova_context h, const char* name, uint32_t process) {
    return Call(h, [&](IConnection& c) { return c.StopProgram3(In(name), process); });
}
kova_result kova_StopProgram2(kova_context h, const char* name) {
    return Call(h, [&](IConnection& c) { return c.StopProgram2(In(name)); });
}
kova_result kova_SetAutoRun(kova_context h, const char* name, uint8_t mode, uint32_t process) {
    return Call(h, [&](IConnection& c) { return c.SetAutoRun(In(name), mode, process); });
}
kova_result kova_AutoRun(kova_context h) {
    return Call(h, [](IConnection& c) { return c.AutoRun(); });
}

kova_result kova_New(kova_context h, const char* name) {
    return Call(h, [&](IConnection& c) { return c.New(In(name)); });
}
kova_result kova_Select(kova_context h, const char* name, uint32_t number) {
    return Call(h, [&](IConnection& c) { return c.Select(In(name), number); });
}
kova_result kova_Delete(kova_context h, const char* name, uint8_t type) {
    return Call(h, [&](IConnection& c) { return c.Delete(In(name), type); });
}
kova_result kova_ClearVariables(kova_context h) {
    return Call(h, [](IConnection& c) { return c.ClearVariables(); });
}
kova_result kova_Dir(kova_context h, kova_dir_callback callback, void* user) {
    return Call(h, {Callback(callback)}, [&](IConnection& c) { return c.Dir(SinkOf<Shared::DirSink>(callback, user)); });
}
kova_result kova_Compile(kova_context h, const char* name, kova_compile_callback callback, void* user) {
    return Call(h, [&](IConnection& c) { return c.Compile(In(name), CompileSinkOf(callback, user)); });
}
kova_result kova_CompileAll(kova_context h, kova_compile_callback callback, void* user) {
    return Call(h, [&](IConnection& c) { return c.CompileAll(CompileSinkOf(callback, user)); });
}
kova_result kova_GetProcessList(kova_context h, kova_process_callback callback, void* user) {
    return Call(h, {Callback(callback)},
                [&](IConnection& c) { return c.GetProcessList(SinkOf<Shared::ProcessSink>(callback, user)); });
}

kova_result kova_FileExists(kova_context h, const char* name, uint32_t* flags) {
    return Call(h, {flags}, [&](IConnection& c) { return c.FileExists(In(name), *flags); });
}
kova_result kova_GetRemoteFileCRC(kova_context h, const char* name, uint16_t* crc) {
    return Call(h, {crc}, [&](IConnection& c) { return c.GetRemoteFileCRC(In(name), *crc); });
}
kova_result kova_GetLocalFileCRC(kova_context h, const char* path, bool binary, uint16_t* crc) {
    return Call(h, {crc}, [&](IConnection& c) { return c.GetLocalFileCRC(In(path), binary, *crc); });
}
kova_result kova_UploadFile(kova_context h, const char* localPath, const char* remoteName, uint32_t type,
                            uint32_t flags, kova_progress_callback callback, void* user) {
    return Call(h, [&](IConnection& c) {
        return c.UploadFile(In(localPath), In(remoteName), type, flags, SinkOf<Shared::ProgressSink>(callback, user));
    });
}
kova_result kova_DownloadFile(kova_context h, const char* localPath, const char* remoteName,
                              kova_progress_callback callback, void* user) {
    return Call(h, [&](IConnection& c) {
        return c.DownloadFile(In(localPath), In(remoteName), SinkOf<Shared::ProgressSink>(callback, user));
    });
}
