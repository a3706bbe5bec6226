// Windows sockets are started while the module is loaded (file transfer opens its own sockets).
#include <winsock2.h>

namespace {

struct SocketStartup {
    SocketStartup() {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
    }
    ~SocketStartup() { WSACleanup(); }
    SocketStartup(const SocketStartup&) = delete;
    SocketStartup& operator=(const SocketStartup&) = delete;
};

const SocketStartup startup;

}  // namespace
