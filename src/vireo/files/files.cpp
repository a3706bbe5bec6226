// File transfer to and from the controller's file store, and the CRC of a host file.
#include <string>

#include "shared/transfer/file_transfer.h"
#include "shared/transfer/local_file_crc.h"
#include "vireo/connection_vireo.h"

namespace Kova::TesselApi::Vireo {

Result Connection_Vireo::UploadFile(std::string_view localPath, std::string_view remoteName, std::uint32_t type,
                                    std::uint32_t flags, const ProgressSink& progress) {
    Shared::FileTransfer transfer(this, host_, Shared::kDefaultControllerPort, firmwareVersion_);
    return transfer.Run(Shared::UploadRequest(localPath, remoteName, type, flags), progress);
}

Result Connection_Vireo::DownloadFile(std::string_view localPath, std::string_view remoteName,
                                      const ProgressSink& progress) {
    Shared::FileTransfer transfer(this, host_, Shared::kDefaultControllerPort, firmwareVersion_);
    return transfer.Run(Shared::DownloadRequest(localPath, remoteName), progress);
}

Result Connection_Vireo::GetLocalFileCRC(std::string_view path, bool binary, std::uint16_t& crc) {
    return Shared::LocalFileCrc(std::string(path), binary, crc);
}

}  // namespace Kova::TesselApi::Vireo
