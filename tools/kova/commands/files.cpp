// kova upload and kova download, with a progress bar on a terminal.
#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <mutex>

#include "../failures.h"
#include "../terminal.h"
#include "../tool.h"

namespace KovaTool {

namespace {

struct FileType {
    const char* extension;
    const char* name;
};

constexpr FileType kFileTypes[] = {
#define KOVA_FILE_TYPE(extension, name, encrypted) {extension, name},
#include "kova/file_types.def"
#undef KOVA_FILE_TYPE
};
constexpr std::uint32_t kBinaryType = 8;

bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// A number, a type name ("basic", "textFile" ...) or empty for the type of the file's extension.
std::uint32_t FileTypeOf(const std::string& chosen, const std::filesystem::path& local) {
    const std::string extension = local.extension().string();
    for (std::uint32_t number = 0; number < std::size(kFileTypes); ++number) {
        const FileType& type = kFileTypes[number];
        if (chosen.empty() ? (*type.extension && SameText(type.extension, extension))
                           : (*type.name && SameText(type.name, chosen)) || chosen == std::to_string(number))
            return number;
    }
    if (chosen.empty()) return kBinaryType;
    throw UsageError("unknown file type: " + chosen);
}

std::string Size(double bytes) {
    char text[32];
    if (bytes < 1024)
        std::snprintf(text, sizeof text, "%.0f B", bytes);
    else if (bytes < 1024 * 1024)
        std::snprintf(text, sizeof text, "%.1f KiB", bytes / 1024);
    else
        std::snprintf(text, sizeof text, "%.1f MiB", bytes / (1024 * 1024));
    return text;
}

// Draws the transfer's progress on standard error when that is a terminal; the transfer's threads
// may report at once, so drawing is serialised.
class Progress {
public:
    explicit Progress(std::string label) : label_(std::move(label)), live_(IsTerminal(stderr)) {}

    static void Report(void* user, const kova_progress_info* info) { static_cast<Progress*>(user)->Update(*info); }

    double Seconds() const { return std::chrono::duration<double>(Clock::now() - start_).count(); }
    std::uint32_t Done() const { return done_; }

private:
    using Clock = std::chrono::steady_clock;

    void Update(const kova_progress_info& info) {
        const std::lock_guard lock(mutex_);
        done_ = std::max(done_, info.done);
        const auto now = Clock::now();
        const bool last = info.stage == KOVA_PROGRESS_END;
        if (!live_ || (!last && now - drawn_ < std::chrono::milliseconds(100))) return;
        drawn_ = now;
        const double seconds = std::max(Seconds(), 1e-3);
        const double rate = done_ / seconds;
        std::string line = "\r" + label_ + " ";
        if (info.total > 0) {
            const double fraction = std::min(1.0, double(done_) / info.total);
            const int filled = static_cast<int>(fraction * 24);
            line += "[" + std::string(filled, '#') + std::string(24 - filled, '.') + "] ";
            char figures[96];
            std::snprintf(figures, sizeof figures, "%3.0f%% %s of %s, %s/s, %.0f s left", fraction * 100,
                          Size(done_).c_str(), Size(info.total).c_str(), Size(rate).c_str(),
                          rate > 0 ? (info.total - std::min(done_, info.total)) / rate : 0.0);
            line += figures;
        } else {
            line += Size(done_) + ", " + Size(rate) + "/s";
        }
        std::fprintf(stderr, "%s\x1b[K%s", line.c_str(), last ? "\n" : "");
    }

    std::string label_;
    bool live_;
    std::mutex mutex_;
    std::uint32_t done_ = 0;
    Clock::time_point start_ = Clock::now();
    Clock::time_point drawn_{};
};

struct TransferOptions {
    std::string local;
    std::string remote;
    std::string type;
    bool compress = false;
};

void Report(Tool& tool, const char* verb, const TransferOptions& options, const Progress& progress,
            std::uintmax_t bytes) {
    char plain[512];
    std::snprintf(plain, sizeof plain, "%s %s (%s) in %.2f s\n", verb,
                  (*verb == 'U' ? options.local : options.remote).c_str(), Size(double(bytes)).c_str(),
                  progress.Seconds());
    tool.Print(Json::Object{{"local", options.local},
                            {"remote", options.remote},
                            {"bytes", static_cast<std::int64_t>(bytes)},
                            {"seconds", progress.Seconds()}},
               plain);
}

void Upload(Tool& tool, TransferOptions options) {
    const std::filesystem::path local = std::filesystem::u8path(options.local);
    if (options.remote.empty()) options.remote = local.stem().string();
    const std::uint32_t type = FileTypeOf(options.type, local);
    std::error_code error;
    const std::uintmax_t bytes = std::filesystem::file_size(local, error);
    Progress progress("upload " + options.remote);
    Check(kova_UploadFile(tool.Context(), options.local.c_str(), options.remote.c_str(), type,
                          options.compress ? KOVA_UPLOAD_COMPRESS : 0u, Progress::Report, &progress),
          "upload " + options.local);
    Report(tool, "Uploaded", options, progress, error ? progress.Done() : bytes);
}

void Download(Tool& tool, TransferOptions options) {
    if (options.local.empty()) options.local = options.remote.substr(options.remote.find(':') + 1);
    Progress progress("download " + options.remote);
    Check(kova_DownloadFile(tool.Context(), options.local.c_str(), options.remote.c_str(), Progress::Report,
                            &progress),
          "download " + options.remote);
    std::error_code error;
    const std::uintmax_t bytes = std::filesystem::file_size(std::filesystem::u8path(options.local), error);
    Report(tool, "Downloaded", options, progress, error ? progress.Done() : bytes);
}

}  // namespace

void AddFileCommands(CLI::App& app, Tool& tool) {
    auto* upload = app.add_subcommand("upload", "Put a file on the controller");
    auto up = std::make_shared<TransferOptions>();
    upload->add_option("LOCAL", up->local, "The file to send")->required();
    upload->add_option("REMOTE", up->remote, "Its name on the controller (default: the file's stem)");
    upload->add_option("--type", up->type, "File type: a number or a name (basic, textFile, binary ...); "
                                           "default from the extension");
    upload->add_flag("--compress", up->compress, "Compress while sending");
    upload->callback([&tool, up] { Upload(tool, *up); });

    auto* download = app.add_subcommand("download", "Fetch a file from the controller");
    auto down = std::make_shared<TransferOptions>();
    download->add_option("REMOTE", down->remote, "Its name on the controller")->required();
    download->add_option("LOCAL", down->local, "Where to put it (default: the remote name)");
    download->callback([&tool, down] { Download(tool, *down); });
}

}  // namespace KovaTool
